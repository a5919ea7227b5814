#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "gral/errend.h"
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
  EXPECT_TRUE(has_in_order(c.lines(), Lines{" @ subroutine altsio2               v2.0 2024-06-03",
                                            " @ main program altsio2             v2.0 2024-06-03",
                                            " @ subroutine sfillcolor           v10.2 2024-06-03",
                                            " ///          subroutine   crevin3              ///",
                                            " ///                  WARNING                   ///",
                                            " ***          subroutine sfillcolor             ***",
                                            " ***                   ERROR                    ***"}));
  EXPECT_EQ(c.lines().size(), 26u);
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
  EXPECT_TRUE(
      has_in_order(c.lines(), Lines{" standard  input unit        =  5", " maximum output enabled      :  F",
                                    " pause after warning or error:  T", " standard  input unit        = 15",
                                    " more    output enabled      :  F", " command file input unit     = 15",
                                    " command file input index    =  0"}));
  EXPECT_EQ(c.lines().size(), 40u);
}

namespace {

// Exit status (-1: the run goes on), the value after the check, and ier.
std::tuple<int, float, std::int32_t> check(float value, int gravity) {
  std::int32_t ier = -1;
  int status =
      run_status([&] { crevin3(value, 0.0f, 100.0f, "red (%)  ", "  scolortable  ", gravity, ier); });
  return {status, value, ier};
}

}  // namespace

// Levels 0 and 10 warn, the others report an error; from 10 on the value is
// reset to the bound it broke. Levels 2, 3, 4 (12, 13, 14) then end through
// errortailstop: ask RESUME, ask STOP, or stop. A stop finishes an open plot,
// so nothing drawn is lost, but ends without the trailer. An invalid level is
// warned about first and counts as 3.
TEST(Crevin3, EachLevelReportsResetsAndEndsWithItsExitStatus) {
  const std::string warning = " ///                  WARNING                   ///",
                    error = " ***                   ERROR                    ***",
                    above = " red (%) =      150.0     >      100.0    ",
                    outside = " red (%) =     -5.000     outside [     0.0000     ,      100.0     ]",
                    stop = " STOP ?", face = "         &          &&&&&&&&&&&&          & ",
                    advice = " might be helpful", quit = " UNRECOVERABLE ERROR ==> QUITTING ADVISED",
                    twilight = " ENTERING THE TWILIGHT ZONE OF COMPUTING !";
  // The report line by line, once.
  const Lines stopped =
      Lines{error, " Problem in subroutine: scolortable", " Gravity level [0-4]U[10,14] =  12", outside,
            " red (%) =     -5.000     <     0.0000    "} +
      Lines{" RESUME ?", " New value =  No ", " EXECUTION STOPPED BY USER", " AFTER RECOVERABLE ERROR"};
  // level, value, keyboard, exit status, value after, lines shown in this order
  const std::tuple<int, float, const char*, int, float, Lines> cases[] = {
      {0, 150.0f, "\n", -1, 150.0f, {warning, above, " ==> UNALTERED red (%) =      150.0    "}},
      {10, 150.0f, "\n", -1, 100.0f, {warning, " ==> RESET red (%) =      100.0    "}},
      {11, -5.0f, "\n", -1, 0.0f, {error, " ==> RESET red (%) =     0.0000    "}},
      {2, -5.0f, "\n\n", -1, -5.0f, {error, " RESUME ?", " New value =  Yes", " RESUMING EXECUTION"}},
      {12, -5.0f, "n\n\n", 1, 0.0f, stopped},
      {3, -5.0f, "y\n\n", 1, -5.0f, {error, face, quit, stop, " AFTER UNRECOVERABLE ERROR", advice}},
      {13, -5.0f, "n\n\n", -1, 0.0f, {face, quit, stop, twilight, " RESUMING EXECUTION"}},
      {4, -5.0f, "\n", 1, -5.0f, {face, " UNRECOVERABLE ERROR", " EXECUTION STOPPED BY PROGRAM", advice}},
      {20, 150.0f, "\nn\n\n", -1, 150.0f, {" gravity =  20 not in [0,4]U[10,14]", error, stop, twilight}}};
  for (const auto& [gravity, value, keyboard, status, after, shown] : cases) {
    SCOPED_TRACE(gravity);
    Console c(keyboard);
    iocom.LPLTOPEN = true;
    bool finished = false, trailer = false;
    gral::run_end_hooks() = {[&] { finished = true; }, [&] { trailer = true; }};
    EXPECT_EQ(check(value, gravity), std::tuple(status, after, value < 0 ? 1 : 2));
    EXPECT_TRUE(has_in_order(c.lines(), shown));
    EXPECT_EQ(std::tuple(c.unread(), finished, trailer, count(c.lines(), stop)),
              std::tuple("", status == 1, false, count(shown, stop)));
  }
}

// Inside the bounds, NaN included, only an invalid level is reported. Other
// stop levels end nothing; during a command file the questions still read
// the keyboard.
TEST(Crevin3, InsideAndOtherStopLevelsPassQuietly) {
  for (auto [v, gravity] : {std::pair{0.0f, 14}, {100.0f, 14}, {std::nanf(""), 14}, {50.0f, 7}}) {
    Console c("\n");
    const auto [status, after, ier] = check(v, gravity);
    EXPECT_EQ(std::tuple(status, ier, c.lines().size()), std::tuple(-1, 0, gravity == 7 ? 8u : 0u));
    EXPECT_TRUE(
        has_in_order(c.lines(), Lines{" gravity =   7 not in [0,4]U[10,14]", " ==> Do as if gravity = 3"}) ||
        gravity != 7);
    EXPECT_TRUE(after == v || std::isnan(after));
  }
  for (int igrav : {3, -1}) {
    const Outcome r = run_with("y\n", [&] { errortailstop(igrav); });
    EXPECT_EQ(std::tuple(r.status, r.lines, r.unread), std::tuple(-1, Lines{}, "y\n"));
  }
  const Outcome r = run_with("n\n\n", [] {
    iocom.IUNSTDIN = iocom.IUNCMD = 15;
    iocom.LCMDOPEN = true;
    errortailstop(0);
  });
  EXPECT_EQ(std::tuple(r.status, r.lines.at(r.lines.size() - 2), r.unread),
            std::tuple(1, " ===> HIT RETURN TO RESUME COMMANDS", ""));
}
