// A run stopped by an unrecoverable error ends with status 1 and without
// the trailer; declining to stop carries on to the menu.
#include <gtest/gtest.h>

#include "session.h"

namespace {

TEST(ErrorStop, StoppingEndsWithStatusOneAndNoTrailerDecliningGoesOn) {
  // Code 11 rescales the Shmax v Shmin subplot: keep every value but give the x length 0 cm, so the map to
  // the page cannot be inverted.
  const std::string zero_length = "\n11\ny\n\n\n\n\n\n\n0\n\n\n";
  auto s = dialogue::run(zero_length + "\n\n");  // STOP: default yes; the pause
  EXPECT_EQ(s.status, 1);
  EXPECT_TRUE(s.shows({{" => Cannot Invert B"}, {" EXECUTION STOPPED BY USER"}}));
  EXPECT_FALSE(s.shows({{dialogue::kTrailer}}));
  // No to STOP, the pause, then keep the depth subplot as it is.
  s = dialogue::run(zero_length + "n\n\n\n9999\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(s.shows({{" THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"}, {dialogue::kTrailer}}));
  EXPECT_EQ(s.menus.size(), 2u);
}

}  // namespace
