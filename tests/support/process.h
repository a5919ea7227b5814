// Runs the built program as a process of its own, for what only a process
// shows: its exit status, its standard error, a console that cannot be
// written, and how much memory it took.
#pragma once

#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/console.h"

namespace testing_support {

struct ProcessRun {
  int status = -1;  // 124 when it had to be stopped
  std::string out;  // what it wrote on standard output
  std::string err;  // on standard error
};

// Runs the program in the current directory with the keyboard's lines as
// standard input and standard output sent to `out` ("out.txt" to keep it; a
// device such as /dev/full; "&-" for a closed descriptor). A run that does
// not end by itself within 10 seconds is stopped.
inline ProcessRun run_program(const std::string& keyboard, const std::string& out = "out.txt",
                              const std::string& in = "keyboard.txt") {
  std::ofstream("keyboard.txt") << keyboard;
  const std::string redirect = out == "&-" ? ">&-" : ">" + out;
  const std::string command =
      std::string("timeout 10 ") + VPK_PROGRAM + " <" + in + " " + redirect + " 2>err.txt";
  const int raw = std::system(command.c_str());
  ProcessRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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
