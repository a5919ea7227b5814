#include <gtest/gtest.h>

#include "gral/frames.h"
#include "gral/sio.h"
#include "support/console.h"
#include "support/expect.h"

using testing_support::Console;
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

TEST(Frames, PauseReadsTheKeyboardWhileACommandFileIsOpen) {
  Console c("\nnext\n");
  iocom.LCMDOPEN = true;
  iocom.IUNSTDIN = 15;
  warningtail00();
  EXPECT_EQ(c.lines().at(0), " ===> HIT RETURN TO RESUME COMMANDS");
  EXPECT_EQ(c.unread(), "next\n");
}

TEST(Frames, NoPauseWhenPausingIsOffAndNoHangAtEndOfInput) {
  {
    Console c("keep\n");
    iocom.LPAUSE = false;
    errortail00();
    EXPECT_EQ(c.lines(), std::vector<std::string>{rule('*')});
    EXPECT_EQ(c.unread(), "keep\n");
  }
  Console c("");  // the keyboard has ended: the pause goes on as after Return
  errortail00();
  EXPECT_EQ(c.lines(), testing_support::tail('*'));
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
