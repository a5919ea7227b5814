// Wall time of whole processes, two or more commands run in turns so that
// each sees the same machine. The clock is read around spawn and wait only:
// nothing else starts inside the timed window, and the files a command
// writes are removed before it, outside the window.
//
//   time_commands RUNS -- [--remove=FILE]... INPUT PROGRAM [ARG]... -- ...
//
// Each command after a "--" reads INPUT on stdin, writes stdout and stderr
// to /dev/null and must exit 0. One line a command, in order: the median,
// the fastest and the slowest run in milliseconds.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Command {
  std::vector<std::string> remove;
  std::string input;
  std::vector<char*> argv;  // into main's arguments, null-terminated
  std::vector<double> ms;
};

double now_ms() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Milliseconds of one run, or -1 when it could not start or failed.
double run_once(Command& c) {
  for (const auto& f : c.remove) unlink(f.c_str());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, c.input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = 0;
  int status = 0;
  const double t0 = now_ms();
  const bool ok = posix_spawnp(&pid, c.argv[0], &actions, nullptr, c.argv.data(), environ) == 0 &&
                  waitpid(pid, &status, 0) == pid;
  const double t1 = now_ms();
  posix_spawn_file_actions_destroy(&actions);
  return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? t1 - t0 : -1;
}

int usage() {
  std::fputs("usage: time_commands RUNS -- [--remove=FILE]... INPUT PROGRAM [ARG]... -- ...\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const int runs = std::atoi(argv[1]);
  std::vector<Command> commands;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      commands.emplace_back();
      continue;
    }
    if (commands.empty()) return usage();
    auto& c = commands.back();
    if (c.input.empty() && std::strncmp(argv[i], "--remove=", 9) == 0) {
      c.remove.emplace_back(argv[i] + 9);
    } else if (c.input.empty()) {
      c.input = argv[i];
    } else {
      c.argv.push_back(argv[i]);
    }
  }
  if (runs < 1 || commands.empty()) return usage();
  for (auto& c : commands) {
    if (c.argv.empty()) return usage();
    c.argv.push_back(nullptr);
  }

  for (int r = 0; r < runs; ++r) {
    for (auto& c : commands) {
      const double ms = run_once(c);
      if (ms < 0) {
        std::fprintf(stderr, "time_commands: %s failed on run %d\n", c.argv[0], r + 1);
        return 1;
      }
      c.ms.push_back(ms);
    }
  }
  for (auto& c : commands) {
    std::sort(c.ms.begin(), c.ms.end());
    const std::size_t n = c.ms.size();
    const double median = n % 2 ? c.ms[n / 2] : (c.ms[n / 2 - 1] + c.ms[n / 2]) / 2;
    std::printf("%.2f %.2f %.2f\n", median, c.ms.front(), c.ms.back());
  }
  return 0;
}
