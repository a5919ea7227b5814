// The process's standard input made a pipe, or a terminal, whose other end
// the test holds, with the console bound to it, as at a keyboard that a
// program feeds or a person types at; both are put back on destruction.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "gral/units.h"

namespace testing_support {

enum class Keyboard { pipe, terminal };

class KeyboardPipe {
 public:
  explicit KeyboardPipe(Keyboard kind = Keyboard::pipe) : terminal_(kind == Keyboard::terminal) {
    int ends[2];
    if (terminal_) {
      // Lines as typed, not echoed back to a master nobody reads.
      termios mode{};
      if (openpty(&ends[1], &ends[0], nullptr, nullptr, nullptr) != 0) return;
      tcgetattr(ends[0], &mode);
      mode.c_lflag &= ~static_cast<tcflag_t>(ECHO);
      tcsetattr(ends[0], TCSANOW, &mode);
    } else {
      if (pipe2(ends, O_CLOEXEC) != 0) return;
      // Room for a line longer than a record keeps, typed at once.
      fcntl(ends[1], F_SETPIPE_SZ, 1 << 20);
    }
    dup2(ends[0], 0), close(ends[0]), writer_ = ends[1];
    gral::bind_standard_console();
  }
  ~KeyboardPipe() {
    end_input();
    dup2(saved_, 0), close(saved_);
    gral::bind_standard_console();
  }
  KeyboardPipe(const KeyboardPipe&) = delete;
  KeyboardPipe& operator=(const KeyboardPipe&) = delete;

  void type(const std::string& text) const { (void)!write(writer_, text.data(), text.size()); }
  // What was typed and not yet read is gone: a terminal empties its input
  // as Ctrl-C is typed, and another reader of a pipe takes it.
  void empty_input() const {
    char taken[4096];
    pollfd there{0, POLLIN, 0};
    if (terminal_) tcflush(0, TCIFLUSH);
    while (!terminal_ && ::poll(&there, 1, 0) > 0 && read(0, taken, sizeof taken) > 0) {
    }
  }
  // The program that fed the keyboard has gone; a terminal has hung up.
  void end_input() {
    if (writer_ >= 0) close(writer_), writer_ = -1;
  }

 private:
  bool terminal_;
  int saved_ = fcntl(0, F_DUPFD_CLOEXEC, 0), writer_ = -1;
};

}  // namespace testing_support
