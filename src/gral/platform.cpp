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
#include <optional>
#include <vector>

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

using Clock = std::chrono::steady_clock;

// How long the commands sent the user's interrupt have to end by it before
// they are killed: a command that takes the signal for its own may tidy up,
// but not hold up the run. They are sent it together and share the one
// grace, so that commands that ignore it cost the run one grace, not one
// each.
constexpr auto kGraceAfterInterrupt = std::chrono::milliseconds(200);
// How often, in microseconds, a child is looked at in the grace where no
// process descriptor tells when it ends.
constexpr useconds_t kLookInGrace = 2000;

// The run's children started and not yet reaped, and the end of their
// grace once they have been sent the interrupt.
std::vector<pid_t> running;
std::optional<Clock::time_point> grace_ends;

// The time left of the grace. The first wait to see the interrupt starts
// it, sending every child still running the signal that came, as make
// does, so that none waits for its turn.
std::chrono::milliseconds grace_left() {
  if (!grace_ends) {
    for (pid_t pid : running) kill(pid, interrupt_signal());
    grace_ends = Clock::now() + kGraceAfterInterrupt;
  }
  return std::chrono::ceil<std::chrono::milliseconds>(*grace_ends - Clock::now());
}

// A descriptor that could not be polled is closed and not polled again:
// the child is then waited for without it.
void give_up(int& child) {
  close(child);
  child = -1;
}

enum class ChildEnd { exited, interrupted, lost };

// Waits for a child of the run's and gives its wait status, or the error of
// a wait that failed. A command that has ended is the run's whatever came
// after: its output is read. Once an interrupt is recorded, before the wait
// or during it, the child has what is left of the shared grace to end, is
// killed when it has not, is reaped, and the run goes on at once. Until
// then the wait is a poll of the child's process descriptor beside the
// interrupts' wake; in the grace, a poll of the descriptor alone, for the
// time left. Where the system gives none, a wait for the child that the
// signal cuts short, and in the grace a look every few milliseconds.
ChildEnd wait_for_child(pid_t pid, int& status, int& error) {
  int child = process_descriptor(pid);
  bool interrupted = false, killed = false;
  error = 0;
  for (;;) {
    const bool blocking = killed || (child < 0 && interrupt_signal() == 0);
    const pid_t got = waitpid(pid, &status, blocking ? 0 : WNOHANG);
    if (got < 0 && errno != EINTR) error = errno;
    if (got == pid || error != 0) break;
    if (interrupt_signal() == 0) {
      if (child >= 0 && await_ready(child, POLLIN) == Wait::failed) give_up(child);
      continue;
    }
    interrupted = true;
    const std::chrono::milliseconds left = grace_left();
    if (left.count() <= 0) {
      kill(pid, SIGKILL);
      killed = true;
    } else if (child >= 0) {
      pollfd p{child, POLLIN, 0};
      const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
      if ((ready < 0 && errno != EINTR) || (ready > 0 && (p.revents & POLLNVAL) != 0)) give_up(child);
    } else {
      usleep(kLookInGrace);
    }
  }
  if (child >= 0) close(child);
  std::erase(running, pid);
  if (running.empty()) grace_ends.reset();
  if (interrupted) return ChildEnd::interrupted;
  return error == 0 ? ChildEnd::exited : ChildEnd::lost;
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
  running.push_back(pid);
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
