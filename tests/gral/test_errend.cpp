#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "gral/errend.h"
#include "gral/format.h"
#include "gral/pictures.h"
#include "support/console.h"
#include "support/transcript.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

// Values are reported in G14.4.
const auto g = [](float v) { return gral::fmt_g(v, 14, 4); };
const Lines kInvalid = warning_head("crevin3    ") +
                       Lines{" gravity =   7 not in [0,4]U[10,14]", " ==> Do as if gravity = 3"} + tail('/');

// An error question answered, its default yes.
Lines asked(const std::string& q, bool answer) {
  return Lines{dots()} + yes_no_question(q, true) +
         Lines{answer ? " New value =  Yes" : " New value =  No ", dots()};
}

Lines sad_face() {
  Console c;
  sorryface();
  return c.lines();
}

// red (%) outside [0, 100] as reported for routine scolortable, with the
// value it was left at.
Lines report(int gravity, float value, float after) {
  char level[4];
  std::snprintf(level, sizeof level, "%3d", gravity);
  const std::string red = " red (%) = " + g(value);
  return {" Problem in subroutine: scolortable", std::string(" Gravity level [0-4]U[10,14] = ") + level,
          red + " outside [ " + g(0) + " , " + g(100) + " ]",
          red + (value < 0 ? " < " + g(0) : " > " + g(100)),
          (after == value ? " ==> UNALTERED red (%) = " : " ==> RESET red (%) = ") + g(after)};
}

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
  const Lines face = sad_face();
  const std::string resume = " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED";
  const std::string quit = " UNRECOVERABLE ERROR ==> QUITTING ADVISED";
  const Lines advice{" Copying the above information", " and sending it to the program author",
                     " might be helpful"};
  const Lines resumed = Lines{resume} + asked("RESUME", true) + Lines{" RESUMING EXECUTION"};
  const Lines user_stop = Lines{resume} + asked("RESUME", false) +
                          Lines{" EXECUTION STOPPED BY USER", " AFTER RECOVERABLE ERROR"};
  const Lines stopped = face + Lines{quit} + asked("STOP", true) +
                        Lines{" EXECUTION STOPPED BY USER", " AFTER UNRECOVERABLE ERROR"} + advice;
  const Lines twilight = face + Lines{quit} + asked("STOP", false) +
                         Lines{" ENTERING THE TWILIGHT ZONE OF COMPUTING !",
                               " THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE", " RESUMING EXECUTION"};
  const Lines fatal = face + Lines{" UNRECOVERABLE ERROR", " EXECUTION STOPPED BY PROGRAM"} + advice;
  const std::tuple<int, float, const char*, int, float, Lines> cases[] = {
      {0, 150.0f, "\n", -1, 150.0f, {}},           {10, 150.0f, "\n", -1, 100.0f, {}},
      {1, 150.0f, "\n", -1, 150.0f, {}},           {11, -5.0f, "\n", -1, 0.0f, {}},
      {2, -5.0f, "\n\n", -1, -5.0f, resumed},      {12, -5.0f, "n\n\n", 1, 0.0f, user_stop},
      {3, -5.0f, "y\n\n", 1, -5.0f, stopped},      {13, -5.0f, "n\n\n", -1, 0.0f, twilight},
      {4, -5.0f, "\n", 1, -5.0f, fatal},           {14, -5.0f, "\n", 1, 0.0f, fatal},
      {7, 150.0f, "\nn\n\n", -1, 150.0f, twilight}};
  for (const auto& [gravity, value, keyboard, status, after, ending] : cases) {
    SCOPED_TRACE(gravity);
    Console c(keyboard);
    iocom.LPLTOPEN = true;
    bool finished = false, trailer = false;
    gral::run_end_hooks() = {[&] { finished = true; }, [&] { trailer = true; }};
    EXPECT_EQ(check(value, gravity), std::tuple(status, after, value < 0 ? 1 : 2));
    const bool warning = gravity % 10 == 0;
    EXPECT_EQ(c.lines(), (gravity == 7 ? kInvalid : Lines{}) +
                             (warning ? warning_head("crevin3    ") : error_head("crevin3    ")) +
                             report(gravity, value, after) + ending + tail(warning ? '/' : '*'));
    EXPECT_EQ(c.unread(), "");
    EXPECT_EQ(std::pair(finished, trailer), std::pair(status == 1, false));
  }
}

// Only an invalid level is reported for a value inside.
TEST(Crevin3, BoundsAndNaNAreInsideAndWriteNothing) {
  for (float v : {0.0f, 100.0f, std::nanf("")}) {
    Console c;
    const auto [status, after, ier] = check(v, 14);
    EXPECT_EQ(std::pair(status, ier), std::pair(-1, 0));
    EXPECT_TRUE(after == v || std::isnan(after));
    EXPECT_EQ(c.text(), "");
  }
  Console c("\n");
  EXPECT_EQ(check(50.0f, 7), std::tuple(-1, 50.0f, 0));
  EXPECT_EQ(c.lines(), kInvalid);
}

TEST(Errortailstop, OtherLevelsDoNothingAndQuestionsReadTheKeyboardDuringACommandFile) {
  for (int igrav : {3, -1}) {
    Console c("y\n");
    EXPECT_EQ(run_status([&] { errortailstop(igrav); }), -1);
    EXPECT_EQ(c.text(), "");
    EXPECT_EQ(c.unread(), "y\n");
  }
  Console c("n\n\n");
  iocom.IUNSTDIN = iocom.IUNCMD = 15;
  iocom.LCMDOPEN = true;
  EXPECT_EQ(run_status([] { errortailstop(0); }), 1);
  EXPECT_EQ(c.lines().at(c.lines().size() - 2), " ===> HIT RETURN TO RESUME COMMANDS");
  EXPECT_EQ(c.unread(), "");
}
