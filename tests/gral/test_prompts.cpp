#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "gral/prompts.h"
#include "gral/units.h"
#include "support/console.h"
#include "support/transcript.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

std::int32_t st = 0;  // every prompt's status argument

std::string pad(std::size_t n) {
  return std::string(n, ' ');
}
std::string temp_path(const std::string& tag) {
  return (std::filesystem::temp_directory_path() / ("prompts_" + tag + std::to_string(getpid()))).string();
}

const std::string kHint = " or return for default value";
const Lines kAskChoice{dots(), " Enter your choice", kHint, " Default =" + pad(11) + "99"};

Lines help(const std::string& title) {
  const Lines table{"    To         type           ", " -----------------------------",
                    " get help      h or H         ", " answer Yes    y or Y or 1    ",
                    " answer No     n or N or 0    ", " use default   Carriage Return"};
  return Lines{rule('@'), " @ subroutine " + title, " @" + std::string(49, '=')} + table + Lines{rule('@')};
}

// One question from its first line to the echo: what the caller gets and
// what the screen shows, with output level 2 on or off. The same question at
// the keyboard's end of input ends the run, having been asked once. From a
// command file that runs out it is asked again at the keyboard, from its
// first line, and answered the same (checked at level 2 only: closing the
// file turns level 2 on).
void expect_transcript(const char* keyboard, bool level2, auto init, auto prompt, const auto& value,
                       const Lines& screen) {
  SCOPED_TRACE(keyboard);
  const std::string question = screen.at(screen[0] == dots() ? 1 : 0);
  auto v = init;
  {
    Console c(keyboard);
    iocom.LWITO(2) = level2;
    st = 77;
    prompt(v);
    EXPECT_EQ(v, value);
    EXPECT_EQ(st, 0);
    EXPECT_EQ(c.lines(), screen);
    EXPECT_EQ(c.unread(), "");
  }
  {
    Console c("");
    iocom.LWITO(2) = level2;
    EXPECT_EQ(run_status([&] { prompt(v); }), 1);
    EXPECT_EQ(count(c.lines(), question), 1);
    EXPECT_EQ(c.lines().back(), " ===> END OF INPUT: RUN ENDED");
  }
  if (!level2) return;
  const std::string path = temp_path("cmd");
  std::ofstream{path};
  Console c(keyboard);
  ASSERT_TRUE(gral::open_unit(15, path, "old", "read"));
  iocom.IUNCMD = iocom.IUNSTDIN = 15;
  iocom.LCMDOPEN = true;
  v = init;
  prompt(v);
  std::filesystem::remove(path);
  EXPECT_EQ(v, value);
  EXPECT_FALSE(iocom.LCMDOPEN);
  const Lines l = c.lines();
  EXPECT_EQ(count(l, question), count(screen, question) + 1);
  ASSERT_GE(l.size(), screen.size());
  EXPECT_EQ(Lines(l.end() - static_cast<long>(screen.size()) + 1, l.end()),
            Lines(screen.begin() + 1, screen.end()));
}

TEST(Prompts, TextAnswersFitTheirLengthAndShowTheDefaultsCharacterCode) {
  expect_transcript("hello world\n", true, std::string(8, ' '), [](auto& v) { inchar1(v, "  name ", st); },
                    "hello wo", {dots(), " Enter name", " New value = hello wo", dots()});
  expect_transcript("hello world\n", false, std::string(), [](auto& v) { inchar1(v, "name", st); },
                    "hello world", {" Enter name", " New value = hello world"});
  expect_transcript("\n", true, std::string(10, 'x'), [](auto& v) { inchardef(v, "file name", "abc", st); },
                    "abc" + pad(7),
                    {dots(), " Enter file name", kHint, " Default = abc", " ichar =  32 => use default value",
                     " New value = abc       ", dots()});
  expect_transcript("\r\n", false, std::string(10, 'x'),
                    [](auto& v) { inchardef(v, "file name", "abc", st); }, "abc" + pad(7),
                    {" Enter file name", " ichar =  13 => use default value", " New value = abc       "});
  // A leading blank takes the default, cut to the answer's length.
  expect_transcript(" new\n", false, std::string(4, 'x'),
                    [](auto& v) { inchardef(v, "file name", "abcdefgh", st); }, "abcd",
                    {" Enter file name", " ichar =  32 => use default value", " New value = abcd"});
  // Only the first 80 characters of a line are read.
  const std::string long_answer = std::string(79, 'a') + "b";
  expect_transcript((long_answer + "cdef\n").c_str(), false, std::string(90, 'x'),
                    [](auto& v) { inchardef(v, "file name", "abc", st); }, long_answer + pad(10),
                    {" Enter file name", " New value = " + long_answer + pad(10)});
}

TEST(Prompts, IntegersTakeTheDefaultRetryLettersAndRefuseValuesOutside) {
  expect_transcript(
      "\n", true, 5, [](auto& v) { inintegdef(v, "  your choice   ", 99, st); }, 99,
      kAskChoice + Lines{" New value =" + pad(12) + "99", dots()});
  expect_transcript(
      "abc\n\n42\n", true, 0, [](auto& v) { inintegdef(v, "your choice", 99, st); }, 42,
      kAskChoice + error_frame("inintegdef ", {" could not read your choice", " ==> RETRYING"}) + kAskChoice +
          Lines{" New value =" + pad(12) + "42", dots()});
  // A leading blank takes the default; only 20 characters are read.
  expect_transcript("  7\n", false, 0, [](auto& v) { inintegdef(v, "your choice", 99, st); }, 99,
                    {" Enter your choice", " New value =" + pad(12) + "99"});
  expect_transcript("00000000000000000007123\n", false, 0,
                    [](auto& v) { inintegdef(v, "your choice", 99, st); }, 7,
                    {" Enter your choice", " New value =" + pad(13) + "7"});
  // Without a default, lines that hold no value are passed over silently.
  expect_transcript("\n   \n12 13\n", true, 0, [](auto& v) { ininteg1(v, "choice", st); }, 12,
                    {dots(), " Enter choice", " New value =" + pad(12) + "12", dots()});
  // Both bounds are inside; a value or a default outside is refused.
  const Lines ask_index{dots(), " Enter index", " inside  [-10,10]"};
  expect_transcript(
      "\n\n-11\n\n-10\n", true, 0, [](auto& v) { inintegvin1(v, "index", -10, 10, st); }, -10,
      ask_index + error_frame("inintegvin1", {" index =" + pad(10) + "-11", " outside [-10,10]"}) +
          ask_index + Lines{" New value =" + pad(11) + "-10", dots()});
  const Lines ask_n{" Enter n", " inside  [-10,10]"};
  expect_transcript(
      "\n\n10\n", false, 0, [](auto& v) { inintegvindef(v, "n", 50, -10, 10, st); }, 10,
      ask_n + error_frame("inintegvindef", {" n =" + pad(11) + "50", " outside [-10,10]"}) + ask_n +
          Lines{" New value =" + pad(12) + "10"});
  const Lines ask_color{dots(), " Enter color number", " inside  [0,18]", kHint,
                        " Default =" + pad(12) + "5"};
  expect_transcript(
      "25\n\n7\n", true, 3, [](auto& v) { inintegvindef(v, "color number", 5, 0, 18, st); }, 7,
      ask_color + error_frame("inintegvindef", {" color number =" + pad(11) + "25", " outside [0,18]"}) +
          ask_color + Lines{" New value =" + pad(13) + "7", dots()});
}

TEST(Prompts, RealsShowDefaultsAndIntervalsInTheirLayouts) {
  expect_transcript(
      "\n", true, 0.0f, [](auto& v) { inrealdef(v, "depth", 15.0f, st); }, 15.0f,
      {dots(), " Enter depth", kHint, " Default =  15.0000    ", " New value =   15.0000    ", dots()});
  const Lines ask{" Enter fraction", " inside  [ 0.000, 1.000]"};
  expect_transcript(
      "\n", true, 0.5f, [](auto& v) { inrealvindef(v, "fraction", v, 0.0f, 1.0f, st); }, 0.5f,
      Lines{dots()} + ask + Lines{kHint, " Default =  0.500", " New value =  0.500000    ", dots()});
  // The default's layout counts the value the variable holds on entry.
  expect_transcript(
      "\n", true, 5000.0f, [](auto& v) { inrealvindef(v, "fraction", 0.5f, 0.0f, 1.0f, st); }, 0.5f,
      Lines{dots()} + ask +
          Lines{kHint, " Default = " + pad(13) + "0.5    ", " New value =  0.500000    ", dots()});
  expect_transcript(
      "2\n\n0.25\n", false, 0.5f, [](auto& v) { inrealvindef(v, "fraction", v, 0.0f, 1.0f, st); }, 0.25f,
      ask + error_frame("inrealvindef", {" fraction =  2.00000    ", " outside [ 0.000, 1.000]"}) + ask +
          Lines{" New value =  0.250000    "});
}

TEST(Prompts, YesNoReadsTheFirstCharacterAndHelpsAfterAnIncorrectAnswer) {
  expect_transcript(
      "\n", true, true, [](auto& v) { inlogicdef(v, "Do you want to alter this", false, st); }, false,
      {dots(), " Do you want to alter this ?", " Enter (0/1)(n/y)(N/Y) to answer",
       " or return for default value or h for help", " Default = No ", " New value =  No ", dots()});
  const Lines h = help("inlogicdef" + pad(12) + "v1.4 2024-02-05");
  expect_transcript(
      "h\nx\n\nn\n", false, true, [](auto& v) { inlogicdef(v, "go on", true, st); }, false,
      Lines{" go on ?"} + h + Lines{" go on ?"} +
          error_frame("inlogicdef ", {" incorrect answer: x", " ==> ASKING AGAIN"}) + h +
          Lines{" go on ?", " New value =  No "});
  // The second prompt reads the unit it is given, here standard input.
  expect_transcript(
      "n\n", true, true, [](auto& v) { inlogicdef2(v, "RESUME", true, iocom.IUNSTDIN, 6, st); }, false,
      Lines{dots()} + yes_no_question("RESUME", true) + Lines{" New value =  No ", dots()});
  for (std::string answer : {"y", "Y", "1", "yes sir", "n", "N", "0", "no", " n", "\r"}) {
    Console c(answer + "\n");
    bool a = false;
    inlogicdef(a, "go on", true, st);  // a blank or carriage return takes this default, yes
    EXPECT_EQ(a, answer.find_first_of("nN0") != 0) << answer;
  }
}

TEST(Prompts, RealIntervalLayoutFollowsTheLargerBound) {
  auto inside = [](float lower, float upper) {
    Console c("0\n");
    iocom.LWITO(2) = false;
    float v = 0.0f;
    inrealvindef(v, "x", 0.0f, lower, upper, st);
    return c.lines().at(1);
  };
  EXPECT_EQ(inside(0.0f, 9.5f), " inside  [ 0.000, 9.500]");
  EXPECT_EQ(inside(0.0f, 10.0f), " inside  [  0.000, 10.000]");
  EXPECT_EQ(inside(-100.0f, 1.0f), " inside  [-100.00,   1.00]");
  EXPECT_EQ(inside(0.0f, 1000.0f), " inside  [      0.0,1000.00]");
  EXPECT_EQ(inside(0.0f, 99999.0f), " inside  [      0.0,*******]");
  EXPECT_EQ(inside(0.0f, 2.0e6f), " inside  [          0.0,  2000000.0]");
  EXPECT_EQ(inside(0.0f, 1.0e10f), " inside  [             0.0    ,       10000000000.0]");
}

TEST(Prompts, Inlogicdef2WritesEveryLineOnTheUnitsGivenAtEveryLevel) {
  const std::string path = temp_path("out");
  Console c("x\n\ny\n");
  iocom.LWITO(2) = false;
  iocom.IUNSTDIN = 15;  // nothing open there: the answer must come from the unit given
  ASSERT_TRUE(gral::open_unit(20, path, "replace", "write"));
  bool a = false;
  inlogicdef2(a, "RESUME", false, 5, 20, st);
  gral::close_unit(20);
  EXPECT_TRUE(a);
  std::ostringstream file;
  file << std::ifstream(path).rdbuf();
  std::filesystem::remove(path);
  const Lines h = help("inlogicdef2" + pad(11) + "v1.0 08-03-2000");
  const Lines expected = Lines{dots()} + yes_no_question("RESUME", false) +
                         Lines{" incorrect answer: x", " ==> WILL ASK QUESTION AGAIN"} +
                         Lines(h.begin() + 3, h.end() - 1) + yes_no_question("RESUME", false) +
                         Lines{" New value =  Yes", dots()};
  EXPECT_EQ(split_lines(file.str()), expected);
  // The frames themselves stay on the screen.
  EXPECT_EQ(c.lines(),
            error_head("inlogicdef2") + tail('*') + Lines(h.begin(), h.begin() + 3) + Lines{rule('@')});
  iocom = IoCom{};  // the tests that follow in this program expect the records as a run starts
}

}  // namespace
