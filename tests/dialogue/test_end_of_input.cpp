// A session cut after each of its keyboard lines ends by itself: status 0
// when the input ended at the main menu's choice, 1 at any other question.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session.h"

namespace {

struct Line {
  std::string text;
  int status_if_cut_here;  // exit status when the input ends after this line
};

TEST(EndOfInput, EverySessionCutEndsWithItsStatus) {
  dialogue::TempFile f("dialogue_cmd_cut.txt", "31\nn\n5000\n5002\n");
  const std::vector<Line> script = {
      {"", 0},        // the header's wait
      {"31", 1},      // compute total stress ?
      {"n", 0},       //
      {"", 0},        // a bare Return at the choice: still at the choice
      {"62", 1},      // number of T0 values
      {"7", 1},       // refused; the error frame's pause
      {"", 1},        // the question again
      {"3", 0},       //
      {"5000", 1},    // the command-file menu's choice
      {"99", 0},      // left without action
      {"5000", 1},    //
      {"5001", 1},    // the file name
      {f.name(), 0},  // the file runs to its 5002; the keyboard's choice
      {"60", 1},      // friction angle
      {"30", 0},      //
      {"9999", 0},    // quits
  };
  for (std::size_t cut = 0; cut <= script.size(); ++cut) {
    SCOPED_TRACE(cut);
    std::string keyboard;
    for (std::size_t i = 0; i < cut; ++i) keyboard += script[i].text + "\n";
    auto s = dialogue::run(keyboard);
    // Cut before the header's wait, the wait goes on as if Return was hit.
    int expected = cut == 0 ? 0 : script[cut - 1].status_if_cut_here;
    EXPECT_EQ(s.status, expected);
    std::size_t ended = s.find(" ===> END OF INPUT: RUN ENDED");
    if (cut == script.size()) {
      EXPECT_EQ(ended, s.lines.size());
    } else {
      ASSERT_LT(ended + 2, s.lines.size());
      EXPECT_EQ(s.lines[ended + 2], " @ PROGRAM varnholt_pk");
    }
  }
}

}  // namespace
