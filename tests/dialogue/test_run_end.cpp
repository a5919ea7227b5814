// How a run ends when it is not quit: the input cut after any line, or an
// unrecoverable error.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "session.h"

namespace {

// A session cut after each of its keyboard lines ends by itself: status 0
// when the input ended at the main menu's choice, 1 at any other question.
TEST(EndOfInput, EverySessionCutEndsWithItsStatus) {
  testing_support::TempDir dir;
  const std::string cmd = dir.file("dialogue_cmd_cut.txt", "31\nn\n5000\n5002\n");
  // Each keyboard line, and the exit status when the input ends after it.
  const std::vector<std::pair<std::string, int>> script = {
      {"", 0},      // the header's wait
      {"31", 1},    // compute total stress ?
      {"n", 0},     //
      {"", 0},      // a bare Return at the choice: still at the choice
      {"5000", 1},  // the command-file menu's choice
      {"5001", 1},  // the file name
      {cmd, 0},     // the file runs to its 5002; the keyboard's choice
      {"9999", 0},  // quits
  };
  std::string keyboard;
  for (std::size_t cut = 0; cut <= script.size(); ++cut) {
    SCOPED_TRACE(cut);
    if (cut > 0) keyboard += script[cut - 1].first + "\n";
    auto s = dialogue::run(keyboard);
    // Cut before the header's wait, the wait goes on as if Return was hit.
    EXPECT_EQ(s.status, cut == 0 ? 0 : script[cut - 1].second);
    EXPECT_EQ(testing_support::has_in_order(s.lines, {{dialogue::kEnd, dialogue::kAt, dialogue::kTrailer}}),
              cut < script.size());
  }
}

// Stopping on an error ends with status 1 and without the trailer; declining
// to stop carries on to the menu.
TEST(ErrorStop, StoppingEndsWithStatusOneAndNoTrailerDecliningGoesOn) {
  // Code 11 rescales the Shmax v Shmin subplot: keep every value but give the x length 0 cm, so the map to
  // the page cannot be inverted.
  const std::string zero_length = "\n11\ny\n\n\n\n\n\n\n0\n\n\n";
  auto s = dialogue::run(zero_length + "\n\n");  // STOP: default yes; the pause
  EXPECT_EQ(s.status, 1);
  EXPECT_TRUE(
      testing_support::has_in_order(s.lines, {{" => Cannot Invert B"}, {" EXECUTION STOPPED BY USER"}}));
  EXPECT_FALSE(testing_support::has_in_order(s.lines, {{dialogue::kTrailer}}));
  // No to STOP, the pause, then keep the depth subplot as it is.
  s = dialogue::run(zero_length + "n\n\n\n9999\n");
  EXPECT_EQ(std::pair(s.status, s.menus.size()), std::pair(0, std::size_t{2}));
  EXPECT_TRUE(testing_support::has_in_order(
      s.lines, {{" THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"}, {dialogue::kTrailer}}));
}

}  // namespace
