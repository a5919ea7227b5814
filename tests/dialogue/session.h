// Whole runs of the program on a scripted keyboard, and the transcript cut
// into main menus and what lies between them.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "stress/program.h"
#include "support/console.h"

namespace dialogue {

using Lines = std::vector<std::string>;

const std::string kMenuTitle = " @ main program varnholt_pk         v1.5 2024-09-13";
const std::string kMenuLast = " QUIT PROGRAM ........................9999";
const std::string kDots = " " + std::string(42, '.');

struct Session {
  int status = -1;
  Lines lines;
  // Each main menu as [first, last] line indices, frame rules included.
  std::vector<std::pair<std::size_t, std::size_t>> menus;

  Lines menu(std::size_t i) const {
    return Lines(lines.begin() + static_cast<long>(menus.at(i).first),
                 lines.begin() + static_cast<long>(menus.at(i).second) + 1);
  }
  // What follows menu i up to the next menu (or the end of the run).
  Lines after(std::size_t i) const {
    std::size_t from = menus.at(i).second + 1;
    std::size_t to = i + 1 < menus.size() ? menus[i + 1].first : lines.size();
    return Lines(lines.begin() + static_cast<long>(from), lines.begin() + static_cast<long>(to));
  }
  Lines last_menu() const { return menu(menus.size() - 1); }
  std::size_t find(const std::string& line, std::size_t from = 0) const {
    for (std::size_t i = from; i < lines.size(); ++i)
      if (lines[i] == line) return i;
    return lines.size();
  }
  bool has(const std::string& line) const { return find(line) < lines.size(); }
};

// Runs the program; the first keyboard line answers the header's wait.
inline Session run(const std::string& keyboard) {
  Session s;
  {
    testing_support::Console c(keyboard);
    s.status = run_varnholt_pk();
    s.lines = c.lines();
  }
  for (std::size_t i = 1; i < s.lines.size(); ++i) {
    if (s.lines[i] != kMenuTitle) continue;
    std::size_t last = i;
    while (last < s.lines.size() && s.lines[last] != kMenuLast) ++last;
    s.menus.emplace_back(i - 1, last + 1);
  }
  return s;
}

// The value field of a menu item: what follows the item text. Empty when
// the item is not on the screen.
inline std::string value_of(const Lines& menu, const std::string& item) {
  const std::string head = " " + item;
  for (const auto& l : menu)
    if (l.size() > head.size() && l.compare(0, head.size(), head) == 0) return l.substr(head.size());
  return "";
}

// An integer right-justified in w columns.
inline std::string iw(long v, std::size_t w) {
  std::string t = std::to_string(v);
  return std::string(w > t.size() ? w - t.size() : 0, ' ') + t;
}

// The main menu's question and the echo of the choice, at level 2.
inline Lines choice(long code) {
  return {kDots, " Enter your choice", " New value =  " + iw(code, 12), kDots};
}

// A file in the tests' working directory, removed with the object.
class TempFile {
 public:
  TempFile(std::string name, const std::string& content) : name_(std::move(name)) {
    std::ofstream(name_) << content;
  }
  ~TempFile() { std::remove(name_.c_str()); }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

}  // namespace dialogue
