// Runs the built program as a process of its own, for what only a process
// shows: its exit status, its standard error, a console that cannot be
// written, a file-size limit, and how much memory it took.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/console.h"

namespace testing_support {

struct ProcessRun {
  int status = -1;  // 124 when it had to be stopped, 128 + n for a death by signal n
  std::string out;  // what it wrote on standard output
  std::string err;  // on standard error
};

// Standard outputs that are no file: a pipe the test reads to its end, and
// a pipe whose reader has gone before the program starts.
inline const std::string kPipe = "|", kReaderGone = "|-";

// Runs the program in the current directory with the keyboard's lines as
// standard input and standard output sent to `out` ("out.txt" to keep it; a
// device such as /dev/full; "&-" for a closed descriptor; kPipe to keep it
// without a file; kReaderGone). A file_limit above 0 limits the size of every
// file the program writes to that many bytes. The program starts with the
// signals at their defaults, whatever the test process ignores. A run that
// does not end by itself within 10 seconds is stopped.
inline ProcessRun run_program(const std::string& keyboard, const std::string& out = "out.txt",
                              const std::string& in = "keyboard.txt", long file_limit = 0) {
  std::ofstream("keyboard.txt") << keyboard;
  const bool piped = out == kPipe || out == kReaderGone;
  const std::string redirect = piped ? "" : out == "&-" ? ">&-" : ">" + out;
  const std::string command =
      std::string("exec timeout 10 ") + VPK_PROGRAM + " <" + in + " " + redirect + " 2>err.txt";
  int ends[2] = {-1, -1};
  if (piped && pipe(ends) != 0) return {};
  if (out == kReaderGone) close(ends[0]), ends[0] = -1;
  const pid_t pid = fork();
  if (pid == 0) {
    signal(SIGPIPE, SIG_DFL);
    signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{static_cast<rlim_t>(file_limit), static_cast<rlim_t>(file_limit)};
    if (file_limit > 0 && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    if (piped) {
      dup2(ends[1], 1);
      close(ends[1]);
      if (ends[0] >= 0) close(ends[0]);
    }
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (piped) close(ends[1]);
  if (pid < 0) {
    if (ends[0] >= 0) close(ends[0]);
    return {};
  }
  ProcessRun r;
  if (out == kPipe) {
    char chunk[4096];
    for (ssize_t n; (n = read(ends[0], chunk, sizeof chunk)) != 0;) {
      if (n > 0) r.out.append(chunk, static_cast<std::size_t>(n));
      if (n < 0 && errno != EINTR) break;
    }
    close(ends[0]);
  }
  int raw = 0;
  while (waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
  }
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
  if (out == "out.txt") r.out = file_text("out.txt");
  r.err = file_text("err.txt");
  return r;
}

// The largest resident size, in MiB, of any program run so far.
inline long peak_child_mib() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return u.ru_maxrss / 1024;
}

}  // namespace testing_support
