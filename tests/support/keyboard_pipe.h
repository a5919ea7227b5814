// The process's standard input made a pipe whose writing end the test holds,
// with the console bound to it, as at a keyboard that a program feeds; both
// are put back on destruction.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "gral/units.h"

namespace testing_support {

class KeyboardPipe {
 public:
  KeyboardPipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    // Room for a line longer than a record keeps, typed at once.
    fcntl(ends[1], F_SETPIPE_SZ, 1 << 20);
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
  // The program that fed the keyboard has gone.
  void end_input() {
    if (writer_ >= 0) close(writer_), writer_ = -1;
  }

 private:
  int saved_ = dup(0), writer_ = -1;
};

}  // namespace testing_support
