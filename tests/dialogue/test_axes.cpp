// Code 14 edits the axes through their menus.
#include <gtest/gtest.h>

#include "session.h"
#include "support/menus.h"

namespace {

using testing_support::menu_head;

TEST(Axes, Code14EditsAnAxisAndTheListShowsIt) {
  // The list, then axis 3's menu with its label, which annotation and user space share.
  auto s = dialogue::run("\n14\n3\n26\nStress (bar)\n99\n99\n14\n\n");
  EXPECT_TRUE(testing_support::has_in_order(
      s.lines, {menu_head(" @ subroutine snaxis                v2.1 2012-05-09"),
                {" Stress (MPa)         ............ 3"},
                menu_head(" @ subroutine s1axis1               v3.1 2012-05-09"),
                {" SETTING UP AXIS #    3", " -------------", " user space = annotation"},
                {" axis label ......................26 Stress (MPa)                       "},
                {" New value = Stress (bar)                       "},
                {" axis label ......................26 Stress (bar)                       "},
                {" Shmin (MPa)          ............ 1", " Shmax (MPa)          ............ 2",
                 " Stress (bar)         ............ 3", " Depth (m)            ............ 4"}}));
}

}  // namespace
