// A session cut after each of its keyboard lines ends by itself: status 0
// when the input ended at the main menu's choice, 1 at any other question.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "session.h"

namespace {

TEST(EndOfInput, EverySessionCutEndsWithItsStatus) {
  testing_support::TempDir dir;
  const std::string cmd = dir.file("dialogue_cmd_cut.txt", "31\nn\n5000\n5002\n");
  // Each keyboard line, and the exit status when the input ends after it.
  const std::vector<std::pair<std::string, int>> script = {
      {"", 0},      // the header's wait
      {"31", 1},    // compute total stress ?
      {"n", 0},     //
      {"", 0},      // a bare Return at the choice: still at the choice
      {"62", 1},    // number of T0 values
      {"7", 1},     // refused; the error frame's pause
      {"", 1},      // the question again
      {"3", 0},     //
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
    EXPECT_EQ(s.shows({{dialogue::kEnd, dialogue::kAt, dialogue::kTrailer}}), cut < script.size());
  }
}

}  // namespace
