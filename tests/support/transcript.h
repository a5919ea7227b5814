// Expected pieces of question-and-answer transcripts shared by the prompt,
// error-ending and conversion tests.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "support/frames.h"

namespace testing_support {

// The rule of dots around a question at output level 2.
inline std::string dots() {
  return " " + std::string(42, '.');
}

// An error frame: head, the caller's lines, then the pause and closing rule.
inline std::vector<std::string> error_frame(std::string_view name, const std::vector<std::string>& body) {
  return lines({error_head(name), body, tail('*')});
}

// The question of a yes/no prompt with every line it shows before reading.
inline std::vector<std::string> yes_no_question(const std::string& q, bool def) {
  return {" " + q + " ?", " Enter (0/1)(n/y)(N/Y)", " or return for default value or h for help",
          def ? " Default = Yes" : " Default = No "};
}

// Blocks of expected lines one after the other.
inline std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline long count(const std::vector<std::string>& l, const std::string& line) {
  return std::count(l.begin(), l.end(), line);
}

}  // namespace testing_support
