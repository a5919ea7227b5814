// Looking for expected lines among the records routines wrote. Brings the
// console and the expected frame lines along.
#pragma once

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "support/console.h"
#include "support/frames.h"

namespace testing_support {

using Lines = std::vector<std::string>;

// True when block stands in all as consecutive lines.
inline bool has_block(const std::vector<std::string>& all, const std::vector<std::string>& block) {
  return block.empty() || std::search(all.begin(), all.end(), block.begin(), block.end()) != all.end();
}

// True when every block stands in all, each after the one before.
inline bool has_in_order(const std::vector<std::string>& all,
                         const std::vector<std::vector<std::string>>& blocks) {
  auto from = all.begin();
  for (const auto& b : blocks) {
    from = std::search(from, all.end(), b.begin(), b.end());
    if (from == all.end() && !b.empty()) return false;
    from += static_cast<long>(b.size());
  }
  return true;
}

inline long count(const std::vector<std::string>& all, const std::string& line) {
  return std::count(all.begin(), all.end(), line);
}

// What running f against a scripted keyboard left: the exit status it ended
// the run with (-1 when it returned), the screen's records and what the
// keyboard still holds.
struct Outcome {
  int status;
  std::vector<std::string> lines;
  std::string unread;
};
template <class F>
Outcome run_with(const std::string& keyboard, F&& f) {
  Console c(keyboard);
  const int status = run_status(f);
  return {status, c.lines(), c.unread()};
}

// The records f writes to the screen, with an empty keyboard. Call it while
// no other Console lives: it binds the console of its own.
template <class F>
std::vector<std::string> written_by(F&& f) {
  Console c;
  f();
  return c.lines();
}

}  // namespace testing_support
