#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gral/prompts.h"
#include "support/console.h"

using testing_support::Console;

namespace {

using Lines = std::vector<std::string>;

Lines cat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
std::string pad(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

const std::string kDots = " " + std::string(42, '.');
const std::string kHint = " or return for default value";

// Error head for a name as handed to the frame, then the caller's lines,
// then the pause and the closing rule.
Lines error_frame(const std::string& name, const Lines& body) {
  std::string rule = " " + std::string(50, '*');
  std::string empty = " ***" + pad(44) + "***";
  std::string shown = pad(13 - static_cast<int>(name.size())) + name;
  Lines head{rule,  rule,
             empty, " ***" + pad(10) + "subroutine " + shown + pad(10) + "***",
             empty, " ***" + pad(19) + "ERROR " + pad(19) + "***",
             empty, rule,
             rule};
  return cat({head, body, {" ===> HIT RETURN TO CONTINUE", rule}});
}

TEST(Inintegdef, BareReturnTakesTheDefaultInTheModelLayout) {
  Console c("\n");
  std::int32_t v = 5, status = 77;
  inintegdef(v, "  your choice   ", 99, status);
  EXPECT_EQ(v, 99);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(c.lines(), (Lines{kDots, " Enter your choice", kHint, " Default =" + pad(11) + "99",
                              " New value =" + pad(12) + "99", kDots}));
}

TEST(Inintegdef, AnswersAreReadFromTheFirstTwentyCharacters) {
  struct Case {
    const char* keyboard;
    std::int32_t expected;
  } cases[] = {
      {"7\n", 7},     {"  7\n", 99},
      {"\r\n", 99},   {"7 8\n", 7},
      {"-5,3\n", -5}, {"00000000000000000007123\n", 7},  // the rest of the line is dropped unread
  };
  for (const auto& k : cases) {
    Console c(k.keyboard);
    std::int32_t v = 0, status = 0;
    inintegdef(v, "your choice", 99, status);
    EXPECT_EQ(v, k.expected) << k.keyboard;
  }
}

TEST(Inintegdef, LettersAreReportedAndTheQuestionAskedAgain) {
  Console c("abc\n\n42\n");
  std::int32_t v = 0, status = 0;
  inintegdef(v, "your choice", 99, status);
  EXPECT_EQ(v, 42);
  Lines ask{kDots, " Enter your choice", kHint, " Default =" + pad(11) + "99"};
  EXPECT_EQ(c.lines(), cat({ask,
                            error_frame("inintegdef ", {" could not read your choice", " ==> RETRYING"}),
                            ask,
                            {" New value =" + pad(12) + "42", kDots}}));
}

TEST(Inintegdef, LevelTwoOffWritesOnlyQuestionAndEcho) {
  Console c("3\n");
  iocom.LWITO(2) = false;
  std::int32_t v = 0, status = 0;
  inintegdef(v, "your choice", 99, status);
  EXPECT_EQ(c.lines(), (Lines{" Enter your choice", " New value =" + pad(13) + "3"}));
}

TEST(Ininteg1, LinesWithoutAValueArePassedOverSilently) {
  Console c("\n   \n12 13\n");
  std::int32_t v = 0, status = 0;
  ininteg1(v, "choice", status);
  EXPECT_EQ(v, 12);
  EXPECT_EQ(c.lines(), (Lines{kDots, " Enter choice", " New value =" + pad(12) + "12", kDots}));
}

TEST(Inintegvin1, ShowsTheIntervalAndWaitsPastEmptyLines) {
  Console c("\n\n4\n");
  std::int32_t v = 0, status = 0;
  inintegvin1(v, "index", -10, 10, status);
  EXPECT_EQ(v, 4);
  EXPECT_EQ(c.lines(),
            (Lines{kDots, " Enter index", " inside  [-10,10]", " New value =" + pad(13) + "4", kDots}));
}

TEST(Inintegvindef, RefusesAValueOutsideAndAsksAgain) {
  Console c("25\n\n7\n");
  std::int32_t v = 3, status = 0;
  inintegvindef(v, "color number", 5, 0, 18, status);
  EXPECT_EQ(v, 7);
  Lines ask{kDots, " Enter color number", " inside  [0,18]", kHint, " Default =" + pad(12) + "5"};
  EXPECT_EQ(c.lines(),
            cat({ask,
                 error_frame("inintegvindef", {" color number =" + pad(11) + "25", " outside [0,18]"}),
                 ask,
                 {" New value =" + pad(13) + "7", kDots}}));
}

TEST(Inintegvindef, BoundsAreInsideAndADefaultOutsideIsRefused) {
  struct Case {
    const char* keyboard;
    std::int32_t def, expected;
    std::size_t frames;
  } cases[] = {
      {"-10\n", 0, -10, 0}, {"10\n", 0, 10, 0}, {"11\n\n-11\n\n2\n", 0, 2, 2}, {"\n\n3\n", 50, 3, 1}};
  for (const auto& k : cases) {
    Console c(k.keyboard);
    iocom.LWITO(2) = false;
    std::int32_t v = 0, status = 0;
    inintegvindef(v, "n", k.def, -10, 10, status);
    EXPECT_EQ(v, k.expected) << k.keyboard;
    std::size_t outside = 0;
    for (const auto& l : c.lines()) outside += l == " outside [-10,10]";
    EXPECT_EQ(outside, k.frames) << k.keyboard;
  }
}

TEST(Inrealdef, DefaultAndEchoInGeneralForm) {
  struct Case {
    const char* keyboard;
    float def, expected;
    const char* default_field;
  } cases[] = {{"\n", 0.5f, 0.5f, "0.500000    "},
               {"\n", 15.0f, 15.0f, " 15.0000    "},
               {"2.5e1 x\n", 0.5f, 25.0f, "0.500000    "},
               {"3\n", 0.5f, 3.0f, "0.500000    "}};
  for (const auto& k : cases) {
    Console c(k.keyboard);
    float v = 0.0f;
    std::int32_t status = 0;
    inrealdef(v, "depth", k.def, status);
    EXPECT_EQ(v, k.expected);
    auto l = c.lines();
    ASSERT_EQ(l.size(), 6u);
    EXPECT_EQ(l[3], std::string(" Default = ") + k.default_field);
  }
  Console c("\n");
  float v = 0.5f;
  std::int32_t status = 0;
  inrealdef(v, "depth", v, status);
  EXPECT_EQ(c.lines().at(4), " New value =  0.500000    ");
}

TEST(Inrealvindef, SmallIntervalLayoutAndBareReturn) {
  Console c("\n");
  float v = 0.5f;
  std::int32_t status = 0;
  inrealvindef(v, "fraction", v, 0.0f, 1.0f, status);
  EXPECT_EQ(v, 0.5f);
  EXPECT_EQ(c.lines(), (Lines{kDots, " Enter fraction", " inside  [ 0.000, 1.000]", kHint,
                              " Default =  0.500", " New value =  0.500000    ", kDots}));
}

TEST(Inrealvindef, IntervalLayoutFollowsTheLargerBound) {
  struct Case {
    float lower, upper;
    const char* line;
  } cases[] = {
      {-5000.0f, 10.0f, " inside  [  -5000.0,  10.00]"},
      {0.0f, 9.5f, " inside  [ 0.000, 9.500]"},
      {0.0f, 10.0f, " inside  [  0.000, 10.000]"},
      {-100.0f, 1.0f, " inside  [-100.00,   1.00]"},
      {0.0f, 1000.0f, " inside  [      0.0,1000.00]"},
      {0.0f, 99999.0f, " inside  [      0.0,*******]"},
      {0.0f, 2.0e6f, " inside  [          0.0,  2000000.0]"},
      {0.0f, 1.0e10f, " inside  [             0.0    ,       10000000000.0]"},
  };
  for (const auto& k : cases) {
    Console c("0\n");
    iocom.LWITO(2) = false;
    float v = 0.0f;
    std::int32_t status = 0;
    inrealvindef(v, "x", 0.0f, k.lower, k.upper, status);
    EXPECT_EQ(c.lines().at(1), k.line);
  }
}

TEST(Inrealvindef, DefaultLayoutCountsTheValueOnEntry) {
  Console c("\n");
  float v = 5000.0f;
  std::int32_t status = 0;
  inrealvindef(v, "fraction", 0.5f, 0.0f, 1.0f, status);
  EXPECT_EQ(v, 0.5f);
  EXPECT_EQ(c.lines().at(4), " Default = " + pad(13) + "0.5    ");
}

TEST(Inrealvindef, RefusesAValueOutside) {
  Console c("2\n\n0.25\n");
  iocom.LWITO(2) = false;
  float v = 0.5f;
  std::int32_t status = 0;
  inrealvindef(v, "fraction", v, 0.0f, 1.0f, status);
  EXPECT_EQ(v, 0.25f);
  Lines ask{" Enter fraction", " inside  [ 0.000, 1.000]"};
  EXPECT_EQ(c.lines(),
            cat({ask,
                 error_frame("inrealvindef", {" fraction =  2.00000    ", " outside [ 0.000, 1.000]"}),
                 ask,
                 {" New value =  0.250000    "}}));
}

}  // namespace
