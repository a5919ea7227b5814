// Everything the program asks of the operating system: local time, user and
// host names, shell commands, file removal and the clocks. One object answers
// all of it, so tests install a fake and see the same code paths run.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace gral {

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// What running a command (or removing a file) reports: the exit status of
// the command, a command status that is 0 when it could be run at all, a
// message that explains a non-zero command status, and the file the
// command's output went to (or would have gone to).
struct CommandResult {
  std::int32_t exitstat = 0;
  std::int32_t cmdstat = 0;
  std::string cmdmsg;
  std::string file;
};

// The system clock: a count, its rate in counts per second and the count at
// which it wraps to 0.
struct ClockReading {
  std::int32_t count = 0;
  std::int32_t rate = 0;
  std::int32_t max = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // One reading of the local date and time.
  virtual LocalTime local_time() = 0;
  // Login name of the process's user; nullopt when there is none.
  virtual std::optional<std::string> login_name() = 0;
  // The host's node name; nullopt when the query fails.
  virtual std::optional<std::string> node_name() = 0;
  // Runs a command through the shell, one shell process, with its standard
  // output going into a file created afresh at output, and waits for it. A
  // regular file at that name is another's (a run beside this one, or one
  // that ended without removing it): the number in the name (its last
  // digits, at their width) counts up to 999 until a name is free, and the
  // result names the file used. Anything else at a name (a link, a FIFO, a
  // device, a directory) is left alone and the command is not run. A file
  // created for a command that could not be started or waited for is
  // removed again. The command's own complaints go nowhere; it reads no
  // input.
  virtual CommandResult run_command(const std::string& command, const std::string& output) = 0;
  // Starts such a command; what it hands back waits for it and gives its
  // result, once. Unless a platform can run commands alongside the program,
  // the command runs when it is waited for, and a result that names no file
  // names output.
  virtual std::function<CommandResult()> start_command(const std::string& command, const std::string& output);
  // Removes a file; cmdstat is 0 only when it is gone.
  virtual CommandResult remove_file(const std::string& path) = 0;
  virtual ClockReading system_clock() = 0;
  // Processor time used by the process so far, in seconds.
  virtual float processor_time() = 0;
};

// The operating system itself; commands run by the given shell.
class RealPlatform : public Platform {
 public:
  explicit RealPlatform(std::string shell = "/bin/sh") : shell_(std::move(shell)) {}
  LocalTime local_time() override;
  std::optional<std::string> login_name() override;
  std::optional<std::string> node_name() override;
  CommandResult run_command(const std::string& command, const std::string& output) override;
  std::function<CommandResult()> start_command(const std::string& command,
                                               const std::string& output) override;
  CommandResult remove_file(const std::string& path) override;
  ClockReading system_clock() override;
  float processor_time() override;

 private:
  std::string shell_;
};

// The platform in use: the real one unless a test installed another.
Platform& platform();
// Installs p (not owned) and returns the one it replaces; nullptr brings the
// real platform back.
Platform* set_platform(Platform* p);

}  // namespace gral
