#include <gtest/gtest.h>

#include <tuple>

#include "gral/frames.h"
#include "gral/sio.h"
#include "support/console.h"
#include "support/expect.h"

using testing_support::Console;
using testing_support::Lines;
using testing_support::rule;

TEST(Frames, MenuHeadsHoldNameVersionAndDateInTheirColumns) {
  Console c;
  submenuhead("altsio2    ", " 2.0", "2024-06-03");
  mainmenuhead("altsio2    ", " 2.0", "2024-06-03");
  submenuhead("sfillcolor          ", "10.2", "2024-06-03");
  auto l = c.lines();
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[0], rule('@'));
  EXPECT_EQ(l[1], " @ subroutine altsio2" + std::string(13, ' ') + "  v2.0 2024-06-03");
  EXPECT_EQ(l[2], " @" + std::string(49, '='));
  EXPECT_EQ(l[4], " @ main program altsio2" + std::string(11, ' ') + "  v2.0 2024-06-03");
  EXPECT_EQ(l[7], " @ subroutine sfillcolor" + std::string(10, ' ') + " v10.2 2024-06-03");
}

TEST(Frames, WarningAndErrorHeadsNameTheRoutineIn51Columns) {
  Console c("\n\n");
  warninghead("crevin3    ", " 4.0", "2024-02-13");
  warningtail00();
  errorhead("sfillcolor          ", " 1.0", "2024-01-01");
  errortail00();
  auto l = c.lines();
  ASSERT_EQ(l.size(), 17u);
  EXPECT_EQ(l[1], " ///          subroutine   crevin3              ///");
  EXPECT_EQ(l[2], " ///                  WARNING                   ///");
  EXPECT_EQ(l[4], " ===> HIT RETURN TO CONTINUE");
  EXPECT_EQ(l[5], rule('/'));
  EXPECT_EQ(l[9], " ***          subroutine sfillcolor             ***");
  EXPECT_EQ(l[11], " ***                   ERROR                    ***");
  EXPECT_EQ(l[16], rule('*'));
  for (std::size_t i = 0; i < l.size(); ++i) {
    if (i != 4 && i != 15) {
      EXPECT_EQ(l[i].size(), 51u) << l[i];
    }
  }
  EXPECT_EQ(c.unread(), "");
}

// The pause reads the keyboard even during a command file, is skipped when
// pausing is off, and goes on at the end of input as after Return.
TEST(Frames, TailPausesByStateAndNeverWaitsForEver) {
  // keyboard, pausing, command file open, lines, what the keyboard keeps
  const std::tuple<const char*, bool, bool, Lines, const char*> cases[] = {
      {"\nnext\n", true, true, {" ===> HIT RETURN TO RESUME COMMANDS", rule('*')}, "next\n"},
      {"keep\n", false, false, {rule('*')}, "keep\n"},
      {"", true, false, {" ===> HIT RETURN TO CONTINUE", rule('*')}, ""},
  };
  for (const auto& [keyboard, pause, cmdfile, shown, kept] : cases) {
    Console c(keyboard);
    iocom.LPAUSE = pause;
    iocom.LCMDOPEN = cmdfile;
    iocom.IUNSTDIN = cmdfile ? 15 : 5;
    errortail00();
    EXPECT_EQ(c.lines(), shown);
    EXPECT_EQ(c.unread(), kept);
  }
}

TEST(ConsoleState, SetUpAndListingFollowTheCommandFileState) {
  Console c;
  iocom.LPAUSE = false;
  iocom.IUNSTDIN = 15;
  initsio2(5);
  EXPECT_EQ(c.lines().size(), 4u);
  EXPECT_EQ(c.lines().at(3), " INITIALIZING INPUT/OUTPUT");
  EXPECT_TRUE(iocom.LPAUSE);
  EXPECT_EQ(iocom.IUNSTDIN, 5);
  c.clear();
  initsio2(0);
  auto l = c.lines();
  ASSERT_EQ(l.size(), 19u);
  EXPECT_EQ(l[8], " standard  input unit        =  5");
  EXPECT_EQ(l[14], " maximum output enabled      :  F");
  EXPECT_EQ(l[17], " pause after warning or error:  T");
  c.clear();
  iocom.LCMDOPEN = true;
  iocom.IUNSTDIN = iocom.IUNCMD = 15;
  iocom.LWITO(2) = false;
  writesio(6);
  l = c.lines();
  EXPECT_EQ(l[9], " more    output enabled      :  F");
  EXPECT_EQ(l[12], " command file input unit     = 15");
  EXPECT_EQ(l[13], " command file input index    =  0");
}
