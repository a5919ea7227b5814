// A whole session from start to quit. In-process, driven by a command file
// with the console bound to string streams; and as a whole process, the
// built program next to a previous build measured in the same run:
//   bench_session --old=/path/to/previous/varnholt_pk
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gral/hostfacts.h"
#include "gral/runend.h"
#include "gral/units.h"
#include "records/sio.h"
#include "stress/program.h"

namespace {

const char* const kCommands =
    "31\nn\n32\nn\n51\n2500\n52\n100\n53\n50\n54\n2600\n60\n35\n61\n0.7\n"
    "62\n3\n63\n5\n64\n20\n65\n4\n66\n80\n67\n200\n50\nn\n57\n60\n58\n25\n"
    "0\n13\n300\n5000\n5003\n";

std::string old_program;

// Every benchmark works in a fresh directory of its own, removed with all in
// it when the benchmark ends: the command and keyboard files and the host
// facts' temporary files have fixed names, which two runs side by side would
// otherwise share. The directory is per benchmark rather than per process so
// that a relative --benchmark_out still lands where it was asked for.
class WorkDir {
 public:
  WorkDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "bench_session_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    dir_ = tmpl;
    std::filesystem::current_path(dir_);
  }
  ~WorkDir() {
    std::error_code ec;
    std::filesystem::current_path(home_, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

 private:
  const std::filesystem::path home_ = std::filesystem::current_path();
  std::filesystem::path dir_;
};

void BM_SessionFromCommandFile(benchmark::State& state) {
  WorkDir wd;
  const std::string file = "bench_session_commands.txt";
  std::ofstream(file) << kCommands;
  const std::string keyboard = "\n5000\n5001\n" + file + "\n";
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::istringstream in(keyboard);
    std::ostringstream out;
    gral::bind_console(in, out);
    iocom = IoCom{};
    gral::run_end_hooks() = gral::RunEndHooks{};
    int status = run_varnholt_pk();
    gral::bind_standard_console();
    if (status != 0) state.SkipWithError("session did not quit with status 0");
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["console_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SessionFromCommandFile)->Unit(benchmark::kMillisecond);

// Where the time goes: the two host facts that run a shell command each
// (processor model and kernel release) wait for a child process; the rest of
// the session is the dialogue itself.
void BM_HostFactCommands(benchmark::State& state) {
  WorkDir wd;
  std::ostringstream out;
  std::istringstream in;
  gral::bind_console(in, out);
  std::string cpu, os;
  for (auto _ : state) {
    start_host_queries();
    osversion(os);
    hardinfo(cpu);
    benchmark::DoNotOptimize(cpu);
  }
  gral::bind_standard_console();
}
BENCHMARK(BM_HostFactCommands)->Unit(benchmark::kMillisecond);

// One run of a program from its start to its quit, keyboard from a file,
// console to /dev/null; milliseconds of wall time, or -1 when it failed.
double run_once(const std::string& program, const std::string& keyboard) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, keyboard.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<char> path(program.begin(), program.end());
  path.push_back('\0');
  char* argv[] = {path.data(), nullptr};
  const auto t0 = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = 0;
  const bool ran = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0 &&
                   waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  const auto t1 = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  return ran ? std::chrono::duration<double, std::milli>(t1 - t0).count() : -1.0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// This build and the previous one, run in turns so that both see the same
// machine: the median of 51 runs each, and their ratio.
void BM_WholeProcessStartToQuit(benchmark::State& state) {
  WorkDir wd;
  const std::string keyboard = "bench_session_keyboard.txt";
  std::ofstream(keyboard) << "\n31\nn\n9999\n";
  constexpr int kRuns = 51;
  std::vector<double> now, before;
  for (auto _ : state) {
    for (int i = 0; i < kRuns; ++i) {
      now.push_back(run_once(VPK_PROGRAM, keyboard));
      if (!old_program.empty()) before.push_back(run_once(old_program, keyboard));
    }
  }
  if (std::count(now.begin(), now.end(), -1.0) + std::count(before.begin(), before.end(), -1.0) > 0) {
    state.SkipWithError("a run did not quit with status 0");
    return;
  }
  state.counters["median_ms"] = median(now);
  if (!before.empty()) {
    state.counters["previous_median_ms"] = median(before);
    state.counters["ratio"] = median(now) / median(before);
  }
}
BENCHMARK(BM_WholeProcessStartToQuit)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--old=", 6) == 0) {
      // Taken from where the run started: the benchmarks work elsewhere.
      old_program = std::filesystem::absolute(argv[i] + 6).string();
    } else {
      rest.push_back(argv[i]);
    }
  }
  int n = static_cast<int>(rest.size());
  benchmark::Initialize(&n, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
