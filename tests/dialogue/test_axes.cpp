// Code 14 edits the axes through their menus, at the keyboard and from a
// command file.
#include <gtest/gtest.h>

#include "session.h"
#include "support/menus.h"

namespace {

using dialogue::Lines;
using testing_support::choice;
using testing_support::menu_head;

const Lines kAllAxes = menu_head(" @ subroutine snaxis                v2.1 2012-05-09");
const Lines kAxis = menu_head(" @ subroutine s1axis1               v3.1 2012-05-09");

// The first four lines of the axis list after axis 3 was relabelled.
const Lines kRelabelled = {" Shmin (MPa)          ............ 1", " Shmax (MPa)          ............ 2",
                           " Stress (bar)         ............ 3", " Depth (m)            ............ 4"};

TEST(Axes, Code14EditsAnAxisAtTheKeyboardAndFromACommandFile) {
  const std::string edit = "14\n3\n26\nStress (bar)\n99\n99\n";
  // At the keyboard: the list, then axis 3's menu with its label, which annotation and user space share.
  auto s = dialogue::run("\n" + edit + "14\n\n");
  EXPECT_TRUE(testing_support::has_in_order(
      s.lines, {kAllAxes,
                {" Stress (MPa)         ............ 3"},
                kAxis,
                {" SETTING UP AXIS #    3", " -------------", " user space = annotation"},
                {" axis label ......................26 Stress (MPa)                       "},
                {" New value = Stress (bar)                       "},
                {" axis label ......................26 Stress (bar)                       "},
                kRelabelled}));
  // From a command file, at output level 2 off: only the frame heads and the questions.
  testing_support::TempDir dir;
  s = dialogue::run("\n5000\n5001\n" + dir.file("axes_cmd.txt", edit + "5000\n5002\n") + "\n14\n\n");
  EXPECT_TRUE(testing_support::has_in_order(s.lines, {kAllAxes,
                                                      choice(" New value =             3", false),
                                                      kAxis,
                                                      choice(" New value =            26", false),
                                                      {" Enter axis label"},
                                                      kAxis,
                                                      choice(" New value =            99", false),
                                                      kAllAxes,
                                                      choice(" New value =            99", false),
                                                      kAllAxes,
                                                      {" AXIS SET UP"},
                                                      kRelabelled}));
}

}  // namespace
