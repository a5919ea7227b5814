#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gral/errend.h"
#include "gral/pictures.h"
#include "support/console.h"

using testing_support::Console;
using testing_support::run_status;
using Lines = std::vector<std::string>;

namespace {

const std::string kPause = " ===> HIT RETURN TO CONTINUE";
const std::string kStarRule = " " + std::string(50, '*');
const std::string kSlashRule = " " + std::string(50, '/');
const std::string kDots = " " + std::string(42, '.');

Lines warning_head() {
  return {kSlashRule, " ///          subroutine   crevin3              ///",
          " ///" + std::string(18, ' ') + "WARNING " + std::string(18, ' ') + "///", kSlashRule};
}

Lines error_head() {
  const std::string empty = " ***" + std::string(44, ' ') + "***";
  return {kStarRule, kStarRule,
          empty,     " ***          subroutine   crevin3              ***",
          empty,     " ***" + std::string(19, ' ') + "ERROR " + std::string(19, ' ') + "***",
          empty,     kStarRule,
          kStarRule};
}

// The yes/no dialogue of an error question with its default yes.
Lines question(const std::string& q, bool answer) {
  return {kDots,
          " " + q + " ?",
          " Enter (0/1)(n/y)(N/Y)",
          " or return for default value or h for help",
          " Default = Yes",
          std::string(" New value =  ") + (answer ? "Yes" : "No "),
          kDots};
}

Lines sad_face() {
  Console c;
  sorryface();
  return c.lines();
}

template <class... T>
Lines L(const T&... s) {
  return Lines{std::string(s)...};
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// G14.4 of the values used below.
const std::string kG150 = "     150.0    ";
const std::string kG100 = "     100.0    ";
const std::string kG0 = "    0.0000    ";
const std::string kGm5 = "    -5.000    ";

Lines body(int gravity, const std::string& value, const std::string& rel, const std::string& bound,
           const std::string& verdict) {
  char level[4];
  std::snprintf(level, sizeof level, "%3d", gravity);
  return {" Problem in subroutine: scolortable", std::string(" Gravity level [0-4]U[10,14] = ") + level,
          " red (%) = " + value + " outside [ " + kG0 + " , " + kG100 + " ]",
          " red (%) = " + value + " " + rel + " " + bound, verdict};
}

}  // namespace

TEST(Crevin3, ResetAboveInWarningFrame) {
  Console c("\n");
  float v = 150.0f;
  std::int32_t ier = -1;
  crevin3(v, 0.0f, 100.0f, "red (%)  ", "  scolortable  ", 10, ier);
  EXPECT_EQ(v, 100.0f);
  EXPECT_EQ(ier, 2);
  EXPECT_EQ(c.lines(), warning_head() + body(10, kG150, ">", kG100, " ==> RESET red (%) = " + kG100) +
                           L(kPause, kSlashRule));
  EXPECT_EQ(c.unread(), "");
}

TEST(Crevin3, LevelsThatLetTheRunGoOn) {
  struct Case {
    int gravity;
    float value;
    float after;
    int ier;
    bool warning;
    Lines body;
  };
  const std::vector<Case> cases = {
      {0, 150.0f, 150.0f, 2, true, body(0, kG150, ">", kG100, " ==> UNALTERED red (%) = " + kG150)},
      {1, 150.0f, 150.0f, 2, false, body(1, kG150, ">", kG100, " ==> UNALTERED red (%) = " + kG150)},
      {11, -5.0f, 0.0f, 1, false, body(11, kGm5, "<", kG0, " ==> RESET red (%) = " + kG0)},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.gravity);
    Console c("\n");
    float v = k.value;
    std::int32_t ier = -1;
    EXPECT_EQ(run_status([&] { crevin3(v, 0.0f, 100.0f, "red (%)", "scolortable", k.gravity, ier); }), -1);
    EXPECT_EQ(v, k.after);
    EXPECT_EQ(ier, k.ier);
    Lines tail = {kPause, k.warning ? kSlashRule : kStarRule};
    EXPECT_EQ(c.lines(), (k.warning ? warning_head() : error_head()) + k.body + tail);
  }
}

TEST(Crevin3, InsideWritesNothing) {
  // Both bounds belong to the interval, and a NaN compares neither way.
  for (float v0 : {0.0f, 100.0f, 50.0f, std::nanf("")}) {
    for (int gravity : {0, 4, 14}) {
      Console c;
      float v = v0;
      std::int32_t ier = -1;
      EXPECT_EQ(run_status([&] { crevin3(v, 0.0f, 100.0f, "x", "r", gravity, ier); }), -1);
      EXPECT_EQ(ier, 0);
      EXPECT_TRUE(v == v0 || (std::isnan(v) && std::isnan(v0)));
      EXPECT_EQ(c.text(), "");
    }
  }
}

TEST(Crevin3, StoppingLevelsEndThroughTheErrorEnding) {
  // The decision lines themselves are checked with errortailstop below; here
  // the level picks the ending, the reset and the exit status.
  struct Case {
    int gravity;
    std::string keyboard;
    int status;
    float after;
    std::string decision;
  };
  const std::string resume = " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED";
  const std::string quit = " UNRECOVERABLE ERROR ==> QUITTING ADVISED";
  const std::vector<Case> cases = {
      {2, "\n\n", -1, -5.0f, resume},
      {2, "n\n\n", 1, -5.0f, resume},
      {12, "y\n\n", -1, 0.0f, resume},
      {12, "n\n\n", 1, 0.0f, resume},
      {3, "y\n\n", 1, -5.0f, quit},
      {13, "n\n\n", -1, 0.0f, quit},
      {4, "\n", 1, -5.0f, " UNRECOVERABLE ERROR"},
      {14, "\n", 1, 0.0f, " UNRECOVERABLE ERROR"},
  };
  const std::size_t face = sad_face().size();
  for (const auto& k : cases) {
    SCOPED_TRACE(k.gravity);
    SCOPED_TRACE(k.keyboard);
    Console c(k.keyboard);
    float v = -5.0f;
    std::int32_t ier = -1;
    EXPECT_EQ(run_status([&] { crevin3(v, 0.0f, 100.0f, "red (%)", "scolortable", k.gravity, ier); }),
              k.status);
    EXPECT_EQ(ier, 1);
    EXPECT_EQ(v, k.after);
    const std::string verdict =
        k.gravity >= 10 ? " ==> RESET red (%) = " + kG0 : " ==> UNALTERED red (%) = " + kGm5;
    const Lines start = error_head() + body(k.gravity, kGm5, "<", kG0, verdict);
    const Lines out = c.lines();
    const std::size_t at = start.size() + (k.decision == resume ? 0 : face);
    ASSERT_GT(out.size(), at + 1);
    EXPECT_EQ(Lines(out.begin(), out.begin() + static_cast<long>(start.size())), start);
    EXPECT_EQ(out.at(at), k.decision);
    EXPECT_EQ(out.back(), kStarRule);
    EXPECT_EQ(c.unread(), "");
  }
}

TEST(Crevin3, InvalidLevelWarnsAndCountsAsThree) {
  const Lines face = sad_face();
  const Lines invalid = warning_head() + L(" gravity =   7 not in [0,4]U[10,14]", " ==> Do as if gravity = 3",
                                           kPause, kSlashRule);
  {
    Console c("\n");
    float v = 50.0f;
    std::int32_t ier = -1;
    crevin3(v, 0.0f, 100.0f, "red (%)", "scolortable", 7, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_EQ(c.lines(), invalid);
  }
  Console c("\nn\n\n");
  float v = 150.0f;
  std::int32_t ier = -1;
  EXPECT_EQ(run_status([&] { crevin3(v, 0.0f, 100.0f, "red (%)", "scolortable", 7, ier); }), -1);
  EXPECT_EQ(v, 150.0f);
  EXPECT_EQ(ier, 2);
  EXPECT_EQ(c.lines(),
            invalid + error_head() + body(7, kG150, ">", kG100, " ==> UNALTERED red (%) = " + kG150) + face +
                L(" UNRECOVERABLE ERROR ==> QUITTING ADVISED") + question("STOP", false) +
                L(" ENTERING THE TWILIGHT ZONE OF COMPUTING !",
                  " THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE", " RESUMING EXECUTION", kPause, kStarRule));
}

TEST(Errortailstop, LevelsWithoutPause) {
  const Lines face = sad_face();
  const Lines advice = {" Copying the above information", " and sending it to the program author",
                        " might be helpful"};
  struct Case {
    int igrav;
    std::string keyboard;
    int status;
    Lines out;
  };
  const std::vector<Case> cases = {
      {0, "y\n", -1,
       L(" RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED") + question("RESUME", true) +
           L(" RESUMING EXECUTION", kStarRule)},
      {0, "0\n", 1,
       L(" RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED") + question("RESUME", false) +
           L(" EXECUTION STOPPED BY USER", " AFTER RECOVERABLE ERROR", kStarRule)},
      {1, "\n", 1,
       face + L(" UNRECOVERABLE ERROR ==> QUITTING ADVISED") + question("STOP", true) +
           L(" EXECUTION STOPPED BY USER", " AFTER UNRECOVERABLE ERROR") + advice + L(kStarRule)},
      {1, "N\n", -1,
       face + L(" UNRECOVERABLE ERROR ==> QUITTING ADVISED") + question("STOP", false) +
           L(" ENTERING THE TWILIGHT ZONE OF COMPUTING !", " THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE",
             " RESUMING EXECUTION", kStarRule)},
      {2, "y\n", 1,
       face + L(" UNRECOVERABLE ERROR", " EXECUTION STOPPED BY PROGRAM") + advice + L(kStarRule)},
      {3, "y\n", -1, {}},
      {-1, "y\n", -1, {}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.igrav);
    Console c(k.keyboard);
    iocom.LPAUSE = false;
    EXPECT_EQ(run_status([&] { errortailstop(k.igrav); }), k.status);
    EXPECT_EQ(c.lines(), k.out);
    // Level 2 asks nothing; the other levels take exactly their answer.
    EXPECT_EQ(c.unread(), k.igrav >= 2 || k.igrav < 0 ? k.keyboard : "");
  }
}

TEST(Errortailstop, StopFinishesThePlotWithoutTrailer) {
  Console c;
  iocom.LPAUSE = false;
  iocom.LPLTOPEN = true;
  bool finished = false, trailer = false;
  gral::run_end_hooks().finish_plot = [&] { finished = true; };
  gral::run_end_hooks().trailer = [&] { trailer = true; };
  EXPECT_EQ(run_status([] { errortailstop(2); }), 1);
  EXPECT_TRUE(finished);
  EXPECT_FALSE(trailer);
}

TEST(Errortailstop, QuestionsReadTheKeyboardDuringACommandFile) {
  Console c("n\n\n");
  iocom.IUNSTDIN = 15;
  iocom.IUNCMD = 15;
  iocom.LCMDOPEN = true;
  EXPECT_EQ(run_status([] { errortailstop(0); }), 1);
  const Lines out = c.lines();
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out.at(out.size() - 3), " AFTER RECOVERABLE ERROR");
  EXPECT_EQ(out.at(out.size() - 2), " ===> HIT RETURN TO RESUME COMMANDS");
  EXPECT_EQ(c.unread(), "");
}
