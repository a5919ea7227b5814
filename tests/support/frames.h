// Expected frame lines, so transcript tests state only what is their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

inline std::string rule(char c) {
  return " " + std::string(50, c);
}

inline std::string name_line(std::string_view frame, std::string_view name) {
  std::string n(name.substr(0, 13));
  return " " + std::string(frame) + std::string(10, ' ') + "subroutine " + std::string(13 - n.size(), ' ') +
         n + std::string(10, ' ') + std::string(frame);
}

// The nine lines of an error head for a routine name as handed over.
inline std::vector<std::string> error_head(std::string_view name) {
  std::string empty = " ***" + std::string(44, ' ') + "***";
  return {rule('*'), rule('*'),
          empty,     name_line("***", name),
          empty,     " ***" + std::string(19, ' ') + "ERROR " + std::string(19, ' ') + "***",
          empty,     rule('*'),
          rule('*')};
}

// The four lines of a warning head.
inline std::vector<std::string> warning_head(std::string_view name) {
  return {rule('/'), name_line("///", name),
          " ///" + std::string(18, ' ') + "WARNING " + std::string(18, ' ') + "///", rule('/')};
}

// A pausing tail: the pause prompt and the closing rule.
inline std::vector<std::string> tail(char c, bool command_file = false) {
  return {command_file ? " ===> HIT RETURN TO RESUME COMMANDS" : " ===> HIT RETURN TO CONTINUE", rule(c)};
}

// Concatenates blocks of expected lines.
inline std::vector<std::string> lines(std::initializer_list<std::vector<std::string>> blocks) {
  std::vector<std::string> all;
  for (const auto& b : blocks) all.insert(all.end(), b.begin(), b.end());
  return all;
}

}  // namespace testing_support
