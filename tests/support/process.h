// Runs the built program as a process of its own, for what only a process
// shows: its exit status, its standard error, a console that cannot be
// written, a file-size limit, how much memory it took, and what it shows
// while it waits at a keyboard that stays open.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/blocked.h"
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
                              const std::string& in = "keyboard.txt", long file_limit = 0,
                              const std::string& program = VPK_PROGRAM) {
  if (in == "keyboard.txt") std::ofstream("keyboard.txt") << keyboard;
  const bool piped = out == kPipe || out == kReaderGone;
  const std::string redirect = piped ? "" : out == "&-" ? ">&-" : ">" + out;
  const std::string command = "exec timeout 10 " + program + " <" + in + " " + redirect + " 2>err.txt";
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

// Runs a line of bash in the current directory, as a script around the
// program runs it: $VPK names the program. Standard input is /dev/null
// unless the line redirects it; what it writes on standard output is kept.
// A line that has not ended within 10 seconds is stopped.
inline ProcessRun run_shell(const std::string& line) {
  std::ofstream("script.sh") << "export VPK=" << VPK_PROGRAM << "\n" << line << "\n";
  return run_program("", kPipe, "/dev/null", 0, "bash script.sh");
}

// The largest resident size, in MiB, of any program run so far.
inline long peak_child_mib() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return u.ru_maxrss / 1024;
}

// How an interactive run ended: by itself with an exit code, or killed by a
// signal (an exit with code 130 is not a death by SIGINT).
struct ProcessEnd {
  bool exited = false;
  int code = -1;     // when exited
  int signal = 0;    // when not; SIGKILL when finish() had to stop it
  std::string out;   // all it wrote on standard output
  std::string err;   // on standard error (err.txt)
  long writes = -1;  // write calls it made (the program's own, not its children's)
};

// How an interactive run starts: the program itself, or a line of bash that
// runs it ($VPK); with some signals ignored, as nohup or a script's
// background job starts it; with a folder of stand-in commands first on
// PATH.
struct Start {
  std::string shell = "";
  std::vector<int> ignored = {};
  std::string path_first = "";
};

// The program run in the current directory as a person at a keyboard runs
// it: the test writes each line only after the question has been read off
// the console pipe, so a prompt left in a buffer while the program waits is
// a wait that times out, not a test that hangs. The program (or the shell)
// is exec'ed directly in a process group of its own, as a terminal's
// foreground job: signal() reaches the program itself, signal_group() every
// process of the job, as a key at the terminal does. It starts with the
// signals at their defaults and unblocked, whatever the test process does,
// but for those it is told to start with ignored. The keyboard stays open
// until the test closes it or the program has ended: a read that ignores a
// signal waits on.
class Interactive {
 public:
  using ms = std::chrono::milliseconds;

  explicit Interactive(const Start& start = {}) {
    // A keyboard whose program has gone is a failed write, not the test's death.
    ::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) return;
    if (pipe2(out, O_CLOEXEC) != 0) {
      close(in[0]), close(in[1]);
      return;
    }
    // The signals the program starts with at their defaults, and unblocked.
    constexpr int kDefaults[] = {SIGPIPE, SIGXFSZ, SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGCHLD};
    sigset_t set;
    sigemptyset(&set);
    for (int s : kDefaults) sigaddset(&set, s);
    const std::string path = start.path_first + ":" + (getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin");
    pid_ = fork();
    if (pid_ == 0) {
      setpgid(0, 0);
      for (int s : kDefaults) ::signal(s, SIG_DFL);
      for (int s : start.ignored) ::signal(s, SIG_IGN);
      sigprocmask(SIG_UNBLOCK, &set, nullptr);
      const int err = open("err.txt", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
      if (err < 0 || dup2(in[0], 0) < 0 || dup2(out[1], 1) < 0 || dup2(err, 2) < 0) _exit(126);
      if (!start.path_first.empty()) setenv("PATH", path.c_str(), 1);
      setenv("VPK", VPK_PROGRAM, 1);
      if (start.shell.empty()) {
        execl(VPK_PROGRAM, VPK_PROGRAM, static_cast<char*>(nullptr));
      } else {
        execl("/bin/bash", "bash", "-c", start.shell.c_str(), static_cast<char*>(nullptr));
      }
      _exit(127);
    }
    if (pid_ > 0) setpgid(pid_, pid_);
    close(in[0]), close(out[1]);
    keyboard_ = in[1], console_ = out[0];
    if (pid_ < 0) close_keyboard();
  }
  ~Interactive() {
    if (pid_ > 0) kill(-pid_, SIGKILL), reap();
    close_keyboard();
    if (console_ >= 0) close(console_);
  }
  Interactive(const Interactive&) = delete;
  Interactive& operator=(const Interactive&) = delete;

  // Reads until `text` has arrived after the end of the text last waited
  // for; false at the timeout or the end of the output.
  bool wait_for(const std::string& text, ms timeout = ms(5000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t at;
    while ((at = out_.find(text, seen_)) == std::string::npos)
      if (!read_some(deadline)) return false;
    seen_ = at + text.size();
    return true;
  }
  // All read so far.
  const std::string& output() const { return out_; }

  // False when the program does not take the line within the timeout. A
  // line typed without its end is left for the program to wait on.
  bool type(const std::string& line, ms timeout = ms(5000), bool ended = true) {
    const std::string l = ended ? line + "\n" : line;
    for (std::size_t done = 0; done < l.size();) {
      pollfd p{keyboard_, POLLOUT, 0};
      const int ready = keyboard_ < 0 ? -1 : poll(&p, 1, static_cast<int>(timeout.count()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) return false;
      const ssize_t n = write(keyboard_, l.data() + done, l.size() - done);
      if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
      if (n > 0) done += static_cast<std::size_t>(n);
    }
    return true;
  }
  bool signal(int sig) { return pid_ > 0 && kill(pid_, sig) == 0; }
  // Whether the program sleeps, within the timeout, in a call that `means`
  // holds for: the call a signal is then sent into.
  template <class Means>
  bool blocked_in(Means means, ms timeout = ms(5000)) {
    return pid_ > 0 && wait_until_blocked(pid_, pid_, means, timeout);
  }
  // The file the program's descriptor fd reaches, as /proc names it.
  std::string file_of(int fd) const { return testing_support::file_of(pid_, fd); }
  bool signal_group(int sig) { return pid_ > 0 && kill(-pid_, sig) == 0; }
  void close_keyboard() {
    if (keyboard_ >= 0) close(keyboard_), keyboard_ = -1;
  }

  // Whether the program has ended within the timeout, its console left
  // unread meanwhile.
  bool ends_within(ms timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    siginfo_t info{};
    while (pid_ > 0 && waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0 && std::chrono::steady_clock::now() < deadline)
      usleep(5000);
    return info.si_pid != 0;
  }

  // Reads the output to its end and waits for the program, with the
  // keyboard open, killing it when it has not ended within the timeout;
  // then closes the keyboard.
  ProcessEnd finish(ms timeout = ms(5000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (read_some(deadline)) {
    }
    ProcessEnd r;
    if (pid_ <= 0) return r;
    const auto left = std::chrono::duration_cast<ms>(deadline - std::chrono::steady_clock::now());
    if (!ends_within(std::max(left, ms(0)))) kill(-pid_, SIGKILL);
    r.writes = writes_made();
    const int raw = reap();
    close_keyboard();
    while (read_some(std::chrono::steady_clock::now())) {
    }
    r.exited = WIFEXITED(raw);
    r.code = r.exited ? WEXITSTATUS(raw) : -1;
    r.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    r.out = out_;
    r.err = file_text("err.txt");
    return r;
  }

 private:
  // One read of what has arrived by the deadline; false at the deadline or
  // the end of the output.
  bool read_some(std::chrono::steady_clock::time_point deadline) {
    if (console_ < 0) return false;
    for (;;) {
      const auto left = std::chrono::duration_cast<ms>(deadline - std::chrono::steady_clock::now());
      pollfd p{console_, POLLIN, 0};
      const int ready = poll(&p, 1, static_cast<int>(std::max<long>(left.count(), 0)));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) return false;
      char chunk[4096];
      const ssize_t n = read(console_, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      out_.append(chunk, static_cast<std::size_t>(n));
      return true;
    }
  }
  // The program's write calls, read while it is a zombie not yet reaped.
  long writes_made() {
    siginfo_t info{};
    while (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    std::ifstream io("/proc/" + std::to_string(pid_) + "/io");
    for (std::string key; io >> key;) {
      long value = 0;
      io >> value;
      if (key == "syscw:") return value;
    }
    return -1;
  }
  int reap() {
    int raw = 0;
    while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return raw;
  }

  pid_t pid_ = -1;
  int keyboard_ = -1, console_ = -1;
  std::string out_;
  std::size_t seen_ = 0;
};

}  // namespace testing_support
