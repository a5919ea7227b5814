// Whole runs of the program on a scripted keyboard, and the transcript cut
// into main menus and what lies between them.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "stress/program.h"
#include "support/expect.h"

namespace dialogue {

using testing_support::Lines;

const std::string kAt = testing_support::rule('@'), kEnd = " ===> END OF INPUT: RUN ENDED",
                  kTrailer = " @ PROGRAM varnholt_pk";
const char* const kMenuName = " @ main program varnholt_pk         v1.5 2024-09-13";

struct Session {
  int status = -1;
  Lines lines;
  std::vector<std::pair<long, long>> menus;  // where each main menu begins and ends

  // Menu i as shown.
  Lines menu(std::size_t i) const { return part(menus.at(i).first, menus.at(i).second); }
  Lines part(long a, long b) const { return Lines(lines.begin() + a, lines.begin() + b); }
};

// Runs the program; the first keyboard line answers the header's wait.
inline Session run(const std::string& keyboard) {
  Session s;
  {
    testing_support::Console c(keyboard);
    s.status = run_varnholt_pk();
    s.lines = c.lines();
  }
  const long n = long(s.lines.size());
  const auto at = [&](long i, const char* l) {
    return std::find(s.lines.begin() + i, s.lines.end(), l) - s.lines.begin();
  };
  for (long i = at(0, kMenuName); i < n; i = at(s.menus.back().second, kMenuName))
    s.menus.emplace_back(i - 1, std::min(at(i, " QUIT PROGRAM ........................9999") + 2, n));
  return s;
}

}  // namespace dialogue
