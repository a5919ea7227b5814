// Test support: run routines against a scripted keyboard and capture the
// console, exactly as the program's units see them.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gral/runend.h"
#include "gral/units.h"
#include "support/records.h"

namespace testing_support {

using Lines = std::vector<std::string>;

inline Lines split_lines(const std::string& s) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : s) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

inline std::string file_text(const std::string& name) {
  std::stringstream s;
  s << std::ifstream(name).rdbuf();
  return s.str();
}

// Binds units 5 and 6 to strings, puts the console's record and the run's
// end back to their start values and unbinds on destruction.
class Console {
 public:
  explicit Console(const std::string& keyboard = "") : in_(keyboard) {
    gral::bind_console(in_, out_);
    iocom = IoCom{};
    gral::set_end_of_input_status(1);
    gral::run_end_hooks() = gral::RunEndHooks{};
  }
  ~Console() { gral::bind_standard_console(); }
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  Lines lines() const { return split_lines(out_.str()); }
  void clear() { out_.str(""); }
  // What is left unread on the keyboard.
  std::string unread() {
    std::string rest, line;
    while (std::getline(in_, line)) rest += line + "\n";
    return rest;
  }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

// Runs f and returns the exit status it ended the run with, or -1 when it
// returned normally.
template <class F>
int run_status(F&& f) {
  try {
    f();
  } catch (const gral::RunEnd& e) {
    return e.status;
  }
  return -1;
}

}  // namespace testing_support
