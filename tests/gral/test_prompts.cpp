#include <gtest/gtest.h>

#include "gral/prompts.h"
#include "gral/units.h"
#include "support/expect.h"

using namespace testing_support;

namespace {

std::int32_t st = 0;  // every prompt's status argument

const auto pad = [](std::size_t n) { return std::string(n, ' '); };

const std::string kHint = " or return for default value";

Lines help(const std::string& title) {
  const Lines table{"    To         type           ", " -----------------------------",
                    " get help      h or H         ", " answer Yes    y or Y or 1    ",
                    " answer No     n or N or 0    ", " use default   Carriage Return"};
  return Lines{rule('@'), " @ subroutine " + title, " @" + std::string(49, '=')} + table + Lines{rule('@')};
}

// The prompt asked with these arguments after the answer and before status.
auto ask(auto prompt, auto... args) {
  return [=](auto& v) { prompt(v, args..., st); };
}

// One question from its first line to the echo: what the caller gets and
// what the screen shows, with output level 2 on or off. The same question at
// the keyboard's end of input ends the run, having been asked once. From a
// command file that runs out it is asked again at the keyboard, from its
// first line, and answered the same (checked at level 2 only: closing the
// file turns level 2 on).
void transcript(auto prompt, bool level2, const char* keyboard, auto init, const auto& value,
                const Lines& screen) {
  SCOPED_TRACE(keyboard);
  const std::string question = screen.at(screen[0] == kDots ? 1 : 0);
  auto v = init;
  st = 77;
  const auto asked = [&] {
    iocom.LWITO(2) = level2;
    prompt(v);
  };
  Outcome r = run_with(keyboard, asked);
  EXPECT_EQ(std::tuple(v, st, r.unread), std::tuple(value, 0, ""));
  EXPECT_EQ(r.lines, screen);
  r = run_with("", asked);
  EXPECT_EQ(std::tuple(r.status, count(r.lines, question), r.lines.empty() ? "" : r.lines.back()),
            std::tuple(1, 1, " ===> END OF INPUT: RUN ENDED"));
  if (!level2) return;
  TempDir dir;
  r = run_with(keyboard, [&] {
    ASSERT_TRUE(gral::open_unit(15, dir.file("empty.txt", ""), "old", "read"));
    iocom.IUNCMD = iocom.IUNSTDIN = 15;
    iocom.LCMDOPEN = true;
    v = init;
    prompt(v);
  });
  EXPECT_EQ(std::tuple(v, iocom.LCMDOPEN, count(r.lines, question)),
            std::tuple(value, false, count(screen, question) + 1));
  ASSERT_GE(r.lines.size(), screen.size());
  EXPECT_EQ(Lines(r.lines.end() - static_cast<long>(screen.size()) + 1, r.lines.end()),
            Lines(screen.begin() + 1, screen.end()));
}

// Only the first 80 characters of a line are read; an empty text takes the
// answer at its own length. A blank or a carriage return first takes the
// default, cut to the answer's length.
TEST(Prompts, TextAnswersFitTheirLengthAndShowTheDefaultsCharacterCode) {
  transcript(ask(inchar1, "  name "), true, "hello world\n", std::string(8, ' '), "hello wo",
             {kDots, " Enter name", " New value = hello wo", kDots});
  const std::string a80 = std::string(79, 'a') + "b";
  transcript(ask(inchardef, "name", "abc"), false, (a80 + "cdef\n").c_str(), std::string(), a80,
             {" Enter name", " New value = " + a80});
  transcript(ask(inchardef, "file name", "abc"), true, "\n", std::string(10, 'x'), "abc" + pad(7),
             {kDots, " Enter file name", kHint, " Default = abc", " ichar =  32 => use default value",
              " New value = abc       ", kDots});
  transcript(ask(inchardef, "file name", "abcdefgh"), false, "\r\n", std::string(4, 'x'), "abcd",
             {" Enter file name", " ichar =  13 => use default value", " New value = abcd"});
}

// A leading blank takes the default; only 20 characters are read. Without a
// default, lines that hold no value are passed over silently. A value or a
// default outside the bounds is refused.
TEST(Prompts, IntegersTakeTheDefaultRetryLettersAndRefuseValuesOutside) {
  const Lines q{kDots, " Enter your choice", kHint, " Default =" + pad(11) + "99"};
  transcript(ask(inintegdef, "  your choice   ", 99), true, "00000000000000000007123\n", 5, 7,
             q + Lines{" New value =" + pad(13) + "7", kDots});
  transcript(ask(inintegdef, "your choice", 99), true, "abc\n\n  7\n", 0, 99,
             q + error_frame("inintegdef ", {" could not read your choice", " ==> RETRYING"}) + q +
                 Lines{" New value =" + pad(12) + "99", kDots});
  transcript(ask(ininteg1, "choice"), true, "\n   \n12 13\n", 0, 12,
             {kDots, " Enter choice", " New value =" + pad(12) + "12", kDots});
  const Lines index{kDots, " Enter index", " inside  [-10,10]"},
      n{kDots, " Enter n", " inside  [-10,10]", kHint, " Default =" + pad(11) + "50"};
  transcript(ask(inintegvin1, "index", -10, 10), true, "\n\n-11\n\n-10\n", 0, -10,
             index + error_frame("inintegvin1", {" index =" + pad(10) + "-11", " outside [-10,10]"}) + index +
                 Lines{" New value =" + pad(11) + "-10", kDots});
  transcript(ask(inintegvindef, "n", 50, -10, 10), true, "\n\n25\n\n10\n", 0, 10,
             n + error_frame("inintegvindef", {" n =" + pad(11) + "50", " outside [-10,10]"}) + n +
                 error_frame("inintegvindef", {" n =" + pad(11) + "25", " outside [-10,10]"}) + n +
                 Lines{" New value =" + pad(12) + "10", kDots});
}

// The default's layout counts the value the variable holds on entry; the
// interval's follows the larger bound.
TEST(Prompts, RealsShowDefaultsAndIntervalsInTheirLayouts) {
  transcript(ask(inrealdef, "depth", 15.0f), true, "\n", 0.0f, 15.0f,
             {kDots, " Enter depth", kHint, " Default =  15.0000    ", " New value =   15.0000    ", kDots});
  const Lines q{kDots, " Enter fraction", " inside  [ 0.000, 1.000]", kHint};
  transcript(ask(inrealvindef, "fraction", 0.5f, 0.0f, 1.0f), true, "\n", 5000.0f, 0.5f,
             q + Lines{" Default = " + pad(13) + "0.5    ", " New value =  0.500000    ", kDots});
  const auto own_default = [](float& v) { inrealvindef(v, "fraction", v, 0.0f, 1.0f, st); };
  transcript(own_default, true, "2\n\n0.25\n", 0.5f, 0.25f,
             q + Lines{" Default =  0.500"} +
                 error_frame("inrealvindef", {" fraction =  2.00000    ", " outside [ 0.000, 1.000]"}) + q +
                 Lines{" Default =  0.500", " New value =  0.250000    ", kDots});
  const std::tuple<float, float, std::string> intervals[] = {
      {-100.0f, 1.0f, " inside  [-100.00,   1.00]"},
      {0.0f, 99999.0f, " inside  [      0.0,*******]"},
      {0.0f, 9.9e9f, " inside  [          0.0, 9900000256.0]"},
      {-5.0e9f, 1.0e6f, " inside  [-5000000000.0,    1000000.0]"},
      {0.0f, 1.0e10f, " inside  [             0.0    ,             0.1E+11]"},
      {-3.0e38f, 1.0e10f, " inside  [            -0.3E+39,             0.1E+11]"}};
  for (auto [lower, upper, inside] : intervals) {
    float v = 0.0f;
    EXPECT_EQ(run_with("0\n", [&] { inrealvindef(v, "x", 0.0f, lower, upper, st); }).lines.at(2), inside);
  }
}

TEST(Prompts, YesNoReadsTheFirstCharacterAndHelpsAfterAnIncorrectAnswer) {
  transcript(ask(inlogicdef, "Do you want to alter this", false), true, "\n", true, false,
             {kDots, " Do you want to alter this ?", " Enter (0/1)(n/y)(N/Y) to answer",
              " or return for default value or h for help", " Default = No ", " New value =  No ", kDots});
  const Lines h = help("inlogicdef" + pad(12) + "v1.4 2024-02-05");
  transcript(ask(inlogicdef, "go on", true), false, "h\nx\n\nn\n", true, false,
             Lines{" go on ?"} + h + Lines{" go on ?"} +
                 error_frame("inlogicdef ", {" incorrect answer: x", " ==> ASKING AGAIN"}) + h +
                 Lines{" go on ?", " New value =  No "});
  // The second prompt reads and writes the units it is given, here the
  // console; after an incorrect answer it shows its help unasked.
  const Lines h2 = help("inlogicdef2" + pad(11) + "v1.0 08-03-2000"), q = yes_no_question("RESUME", true);
  transcript([](bool& v) { inlogicdef2(v, "RESUME", true, iocom.IUNSTDIN, 6, st); }, true, "x\n\nn\n", true,
             false,
             Lines{kDots} + q + error_head("inlogicdef2") +
                 Lines{" incorrect answer: x", " ==> WILL ASK QUESTION AGAIN"} + tail('*') + h2 + q +
                 Lines{" New value =  No ", kDots});
  for (std::string answer : {"y", "Y", "1", "yes sir", "n", "N", "0", "no", " n", "\r"}) {
    bool a = false;
    run_with(answer + "\n", [&] { inlogicdef(a, "go on", true, st); });  // blank or return: yes
    EXPECT_EQ(a, answer.find_first_of("nN0") != 0) << answer;
  }
}

}  // namespace
