// A run stopped by an unrecoverable error ends with status 1 and without
// the trailer; declining to stop carries on to the menu.
#include <gtest/gtest.h>

#include "session.h"

namespace {

// Code 11 rescales the Shmax v Shmin subplot: keep every value but give the
// x length 0 cm, so the map to the page cannot be inverted.
const std::string kZeroLength = "\n11\ny\n\n\n\n\n\n\n0\n\n\n";

TEST(ErrorStop, StoppingAfterAnUnrecoverableErrorExitsWithStatusOne) {
  auto s = dialogue::run(kZeroLength + "\n\n");  // STOP: default yes; the pause
  EXPECT_EQ(s.status, 1);
  EXPECT_TRUE(s.has(" => Cannot Invert B"));
  EXPECT_TRUE(s.has(" EXECUTION STOPPED BY USER"));
  EXPECT_EQ(s.lines.back(), " " + std::string(50, '*'));
  EXPECT_FALSE(s.has(" @ PROGRAM varnholt_pk"));  // no trailer after an error stop
  EXPECT_EQ(s.menus.size(), 1u);
}

TEST(ErrorStop, DecliningToStopGoesOnToTheMenu) {
  // No to STOP, the pause, then keep the depth subplot as it is.
  auto s = dialogue::run(kZeroLength + "n\n\n\n9999\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(s.has(" THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"));
  EXPECT_EQ(s.menus.size(), 2u);
  EXPECT_TRUE(s.has(" @ PROGRAM varnholt_pk"));
}

}  // namespace
