#include <gtest/gtest.h>

#include "gral/frames.h"
#include "gral/sio.h"
#include "support/console.h"

using testing_support::Console;

namespace {
const std::string kAt = " " + std::string(50, '@');
const std::string kSlash = " " + std::string(50, '/');
const std::string kStar = " " + std::string(50, '*');
}  // namespace

TEST(Frames, MenuHeadsFitTheirColumns) {
  Console c;
  submenuhead("altsio2    ", " 2.0", "2024-06-03");
  mainmenuhead("altsio2    ", " 2.0", "2024-06-03");
  submenuhead("sfillcolor          ", "10.2", "2024-06-03");
  menutail();
  std::vector<std::string> want = {
      kAt,
      " @ subroutine altsio2" + std::string(13, ' ') + "  v2.0 2024-06-03",
      " @" + std::string(49, '='),
      kAt,
      " @ main program altsio2" + std::string(11, ' ') + "  v2.0 2024-06-03",
      " @" + std::string(49, '='),
      kAt,
      " @ subroutine sfillcolor" + std::string(10, ' ') + " v10.2 2024-06-03",
      " @" + std::string(49, '='),
      kAt,
  };
  EXPECT_EQ(c.lines(), want);
}

TEST(Frames, WarningAndErrorHeadsAre51ColumnsAndPause) {
  Console c("\n\n");
  warninghead("crevin3    ", " 4.0", "2024-02-13");
  warningtail00();
  errorhead("sfillcolor          ", " 1.0", "2024-01-01");
  errortail00();
  std::string empty = " ***" + std::string(44, ' ') + "***";
  std::vector<std::string> want = {
      kSlash,
      " ///          subroutine   crevin3              ///",
      " ///                  WARNING                   ///",
      kSlash,
      " ===> HIT RETURN TO CONTINUE",
      kSlash,
      kStar,
      kStar,
      empty,
      " ***          subroutine sfillcolor             ***",
      empty,
      " ***                   ERROR                    ***",
      empty,
      kStar,
      kStar,
      " ===> HIT RETURN TO CONTINUE",
      kStar,
  };
  EXPECT_EQ(c.lines(), want);
  for (const auto& l : c.lines()) {
    if (l.find("HIT RETURN") == std::string::npos) {
      EXPECT_EQ(l.size(), 51u) << l;
    }
  }
  EXPECT_EQ(c.unread(), "");
}

TEST(Frames, PauseReadsTheKeyboardEvenWhileACommandFileIsOpen) {
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
    EXPECT_EQ(c.lines(), std::vector<std::string>{kStar});
    EXPECT_EQ(c.unread(), "keep\n");
  }
  Console c("");  // keyboard already at its end: the pause goes on as after Return
  errortail00();
  EXPECT_EQ(c.lines(), (std::vector<std::string>{" ===> HIT RETURN TO CONTINUE", kStar}));
}

TEST(ConsoleState, InitialisedAndListed) {
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
  std::vector<std::string> l = c.lines();
  ASSERT_EQ(l.size(), 4u + 3u + 1u + 10u + 1u);
  EXPECT_EQ(l[8], " standard  input unit        =  5");
  EXPECT_EQ(l[12], " minimum output enabled      :  T");
  EXPECT_EQ(l[14], " maximum output enabled      :  F");
  EXPECT_EQ(l[17], " pause after warning or error:  T");
  c.clear();
  iocom.LCMDOPEN = true;
  iocom.IUNSTDIN = 15;
  iocom.IUNCMD = 15;
  iocom.LWITO(2) = false;
  writesio(6);
  l = c.lines();
  EXPECT_EQ(l[4], " standard  input unit        = 15");
  EXPECT_EQ(l[9], " more    output enabled      :  F");
  EXPECT_EQ(l[12], " command file input unit     = 15");
  EXPECT_EQ(l[13], " command file input index    =  0");
}
