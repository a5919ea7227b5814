#include "gral/platform.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

CommandResult RealPlatform::run_command(const std::string& command) {
  CommandResult r;
  if (std::system(nullptr) == 0) {
    r.exitstat = -1;
    r.cmdstat = -1;
    r.cmdmsg = "no command shell available";
    return r;
  }
  // The program's own output must come before anything the command prints.
  std::fflush(nullptr);
  errno = 0;
  int status = std::system(command.c_str());
  if (status == -1) {
    r.exitstat = -1;
    r.cmdstat = 1;
    r.cmdmsg = std::strerror(errno);
  } else if (WIFEXITED(status)) {
    r.exitstat = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    // Reported as the shells report a command killed by a signal.
    r.exitstat = 128 + WTERMSIG(status);
  }
  return r;
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
