// Whole runs of the program on a scripted keyboard, and the transcript cut
// into main menus and what lies between them.
#pragma once

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "stress/program.h"
#include "support/expect.h"

namespace dialogue {

using testing_support::Lines;

using testing_support::kDots;
const std::string kAt = testing_support::rule('@');
const std::string kEnd = " ===> END OF INPUT: RUN ENDED";
const std::string kTrailer = " @ PROGRAM varnholt_pk";
const std::string kQuit = " QUIT PROGRAM ........................9999";

inline std::string joined(const Lines& lines) {
  std::string t = "\n";
  for (const auto& l : lines) t += l + "\n";
  return t;
}

struct Session {
  int status = -1;
  Lines lines;
  std::vector<std::pair<std::size_t, std::size_t>> menus;  // first and last line of each main menu

  Lines slice(std::size_t a, std::size_t b) const { return Lines(lines.begin() + a, lines.begin() + b); }
  Lines menu(std::size_t i) const { return slice(menus.at(i).first, menus.at(i).second + 1); }
  // What follows menu i up to the next menu or the end of the run.
  Lines after(std::size_t i) const {
    return slice(menus.at(i).second + 1, i + 1 < menus.size() ? menus[i + 1].first : lines.size());
  }
  // Whether each block shows as consecutive lines, the blocks in this order.
  bool shows(const std::vector<Lines>& blocks) const { return testing_support::has_in_order(lines, blocks); }
};

// Runs the program; the first keyboard line answers the header's wait.
inline Session run(const std::string& keyboard) {
  Session s;
  {
    testing_support::Console c(keyboard);
    s.status = run_varnholt_pk();
    s.lines = c.lines();
  }
  for (std::size_t i = 1; i < s.lines.size(); ++i)
    if (s.lines[i] == " @ main program varnholt_pk         v1.5 2024-09-13")
      s.menus.emplace_back(i - 1, std::find(s.lines.begin() + i, s.lines.end(), kQuit) - s.lines.begin() + 1);
  return s;
}

}  // namespace dialogue
