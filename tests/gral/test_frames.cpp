#include <gtest/gtest.h>

#include <tuple>

#include "gral/frames.h"
#include "gral/sio.h"
#include "support/expect.h"

using namespace testing_support;

// Names are handed at 11 or 20 characters; the version takes the columns
// before the date.
TEST(Frames, HeadsHoldNameVersionAndDateInTheirColumns) {
  Console c("\n\n");
  submenuhead("altsio2    ", " 2.0", "2024-06-03");
  mainmenuhead("altsio2    ", " 2.0", "2024-06-03");
  submenuhead("sfillcolor          ", "10.2", "2024-06-03");
  warninghead("crevin3    ", " 4.0", "2024-02-13");
  warningtail00();
  errorhead("sfillcolor          ", " 1.0", "2024-01-01");
  errortail00();
  const Lines l = c.lines();
  ASSERT_EQ(l.size(), 26u);
  const std::pair<std::size_t, std::string> shown[] = {
      {0, rule('@')},
      {1, " @ subroutine altsio2               v2.0 2024-06-03"},
      {2, " @================================================="},
      {4, " @ main program altsio2             v2.0 2024-06-03"},
      {7, " @ subroutine sfillcolor           v10.2 2024-06-03"},
      {10, " ///          subroutine   crevin3              ///"},
      {11, " ///                  WARNING                   ///"},
      {13, " ===> HIT RETURN TO CONTINUE"},
      {14, rule('/')},
      {17, " ***                                            ***"},
      {18, " ***          subroutine sfillcolor             ***"},
      {20, " ***                   ERROR                    ***"},
      {25, rule('*')}};
  for (const auto& [at, line] : shown) EXPECT_EQ(l[at], line) << at;
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
    EXPECT_EQ(std::tuple(c.lines(), c.unread()), std::tuple(shown, kept));
  }
}

// Setting up lists the state only when asked (0) and brings back the keyboard
// and the pause; the listing shows the command file's unit and index only
// while one is open.
TEST(ConsoleState, SetUpAndListingFollowTheCommandFileState) {
  Console c;
  iocom.LPAUSE = false;
  iocom.IUNSTDIN = 15;
  initsio2(5);
  EXPECT_EQ(std::tuple(c.lines().size(), c.lines().back(), iocom.LPAUSE, iocom.IUNSTDIN),
            std::tuple(4u, " INITIALIZING INPUT/OUTPUT", true, 5));
  initsio2(0);
  iocom.LCMDOPEN = true;
  iocom.IUNSTDIN = iocom.IUNCMD = 15;
  iocom.LWITO(2) = false;
  writesio(6);
  const Lines l = c.lines();
  ASSERT_EQ(l.size(), 40u);
  const std::pair<std::size_t, const char*> shown[] = {
      {12, " standard  input unit        =  5"}, {18, " maximum output enabled      :  F"},
      {21, " pause after warning or error:  T"}, {27, " standard  input unit        = 15"},
      {32, " more    output enabled      :  F"}, {35, " command file input unit     = 15"},
      {36, " command file input index    =  0"}};
  for (const auto& [at, line] : shown) EXPECT_EQ(l[at], line);
}
