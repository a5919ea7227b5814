#include "gral/platform.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "gral/signals.h"

namespace gral {
namespace {

// Milliseconds, counted modulo the largest 32-bit count.
constexpr std::int32_t kClockRate = 1000;
constexpr std::int32_t kClockMax = 2147483647;

RealPlatform& real() {
  static RealPlatform p;
  return p;
}

Platform* current = nullptr;

CommandResult not_run(const std::string& why, const std::string& file) {
  return {-1, 1, why, file};
}

// The name after path: its last number counted up at its width ("_001" to
// "_002", "_009" to "_010"); false when there is none ("_999", no number).
bool count_up(std::string& path) {
  for (std::size_t i = path.find_last_of("0123456789");
       i != std::string::npos && path[i] >= '0' && path[i] <= '9'; --i) {
    if (path[i] != '9') {
      ++path[i];
      return true;
    }
    path[i] = '0';
  }
  return false;
}

// The file a command's output goes to, created by the program itself so that
// it is never reached through a link. Each name is claimed with O_EXCL, so two
// runs never both take one; a regular file already there belongs to another
// run or was left by one, and is not touched: the next number is tried.
// Anything else there is left as it is and refused. On return, path is the
// name claimed or the last one tried.
int create_output(std::string& path, std::string& why) {
  for (;;) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) {
      why = std::strerror(errno);
      return -1;
    }
    // An entry that is gone by now was another run's file, removed when done.
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
      why = path + " is not a regular file: left as it is";
      return -1;
    }
    std::string next = path;
    if (!count_up(next)) {
      why = std::strerror(EEXIST);
      return -1;
    }
    path = next;
  }
}

// How long a command sent the user's interrupt has to end by it before it
// is killed: a command that takes the signal for its own may tidy up, but
// not hold up the run.
constexpr auto kGraceAfterInterrupt = std::chrono::milliseconds(200);

// Reaps the child; false when it cannot be waited for.
bool reap(pid_t pid, int& status) {
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return false;
  return true;
}

// Sends the child the interrupt that came, as make does, gives it the grace
// to end by it, kills it when it did not, and reaps it.
void end_child(pid_t pid) {
  kill(pid, interrupt_signal());
  int status = 0;
  const auto until = std::chrono::steady_clock::now() + kGraceAfterInterrupt;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= until) {
      kill(pid, SIGKILL);
      reap(pid, status);
      return;
    }
    usleep(2000);
  }
}

// The child's process descriptor, readable once it has ended; -1 where the
// system has none.
int process_descriptor(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

enum class ChildEnd { exited, interrupted, lost };

// Waits for a child of the run's and gives its wait status, or the error of
// a wait that failed. A command that has ended is the run's whatever came
// after: its output is read. One still running when an interrupt is
// recorded, before the wait or during it, is ended and reaped, and the run
// goes on at once. The wait is a poll of the child's process descriptor
// beside the interrupts' wake; where the system gives none, a wait for the
// child that the signal cuts short.
ChildEnd wait_for_child(pid_t pid, int& status, int& error) {
  int child = process_descriptor(pid);
  ChildEnd end = ChildEnd::lost;
  for (;;) {
    const pid_t got = waitpid(pid, &status, WNOHANG);
    if (got == pid) {
      end = ChildEnd::exited;
      break;
    }
    if (got < 0 && errno != EINTR) {
      error = errno;
      break;
    }
    if (interrupt_signal() != 0) {
      end_child(pid);
      end = ChildEnd::interrupted;
      break;
    }
    if (child >= 0) {
      if (await_ready(child, POLLIN) != Wait::failed) continue;
      close(child);
      child = -1;
    } else if (waitpid(pid, &status, 0) == pid) {
      end = ChildEnd::exited;
      break;
    }
  }
  if (child >= 0) close(child);
  return end;
}

}  // namespace

LocalTime RealPlatform::local_time() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::optional<std::string> RealPlatform::login_name() {
  const passwd* pw = getpwuid(getuid());
  if (pw == nullptr || pw->pw_name == nullptr) return std::nullopt;
  return std::string(pw->pw_name);
}

std::optional<std::string> RealPlatform::node_name() {
  utsname u{};
  if (uname(&u) != 0) return std::nullopt;
  return std::string(u.nodename);
}

std::function<CommandResult()> Platform::start_command(const std::string& command,
                                                       const std::string& output) {
  return [this, command, output] {
    CommandResult r = run_command(command, output);
    if (r.file.empty()) r.file = output;
    return r;
  };
}

CommandResult RealPlatform::run_command(const std::string& command, const std::string& output) {
  return start_command(command, output)();
}

std::function<CommandResult()> RealPlatform::start_command(const std::string& command,
                                                           const std::string& output) {
  std::string why, file = output;
  const int fd = create_output(file, why);
  if (fd < 0) return [why, file] { return not_run(why, file); };
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fd, 1);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  // The signals the program ignores for its own sake are the command's own
  // again; those it was started with ignored stay ignored.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  const sigset_t to_default = signals_for_children_to_default();
  posix_spawnattr_setsigdefault(&attributes, &to_default);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  // The shell replaces itself by the command: one process, not two.
  std::string script = "exec " + command;
  char sh[] = "sh", c[] = "-c";
  char* argv[] = {sh, c, script.data(), nullptr};
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, shell_.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close(fd);
  // The file is the program's own: a command that did not run, or that the
  // program cannot wait for, leaves nothing to read back, and no file behind.
  if (failed != 0) {
    unlink(file.c_str());
    return [failed, file] { return not_run(std::strerror(failed), file); };
  }
  return [pid, file] {
    int status = 0, error = 0;
    const ChildEnd end = wait_for_child(pid, status, error);
    if (end != ChildEnd::exited) {
      const std::string why = end == ChildEnd::interrupted ? "ended by the interrupt" : std::strerror(error);
      unlink(file.c_str());
      return not_run(why, file);
    }
    CommandResult r;
    r.file = file;
    if (WIFEXITED(status)) {
      r.exitstat = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
      // Reported as the shells report a command killed by a signal.
      r.exitstat = 128 + WTERMSIG(status);
    }
    return r;
  };
}

CommandResult RealPlatform::remove_file(const std::string& path) {
  CommandResult r;
  if (std::remove(path.c_str()) != 0) {
    r.exitstat = 1;
    r.cmdstat = 1;
    r.cmdmsg = std::strerror(errno);
  }
  return r;
}

ClockReading RealPlatform::system_clock() {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                .count();
  return {static_cast<std::int32_t>(ms % kClockMax), kClockRate, kClockMax};
}

float RealPlatform::processor_time() {
  return static_cast<float>(static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
}

Platform& platform() {
  return current ? *current : real();
}

Platform* set_platform(Platform* p) {
  Platform* previous = &platform();
  current = p;
  return previous;
}

}  // namespace gral
