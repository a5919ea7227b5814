#include <gtest/gtest.h>

#include <functional>

#include "gral/prompts.h"
#include "gral/units.h"
#include "support/expect.h"

using namespace testing_support;

namespace {

std::int32_t st = 0;  // every prompt's status argument

const std::string kHint = " or return for default value";

// The prompt asked with these arguments after the answer and before status.
auto ask(auto prompt, auto... args) {
  return [=](auto& v) { prompt(v, args..., st); };
}

// One question answered: what the caller gets, and the lines that carry the
// answer, in this order; the rules of dots stand only at output level 2.
void transcript(auto prompt, bool level2, const char* keyboard, auto init, const auto& value,
                const Lines& shown) {
  SCOPED_TRACE(std::string(keyboard).substr(0, 80));
  auto v = init;
  st = 77;
  const Outcome r = run_with(keyboard, [&] {
    iocom.LWITO(2) = level2;
    prompt(v);
  });
  EXPECT_EQ(std::tuple(v, st, r.unread, count(r.lines, kDots) > 0), std::tuple(value, 0, "", level2));
  EXPECT_TRUE(has_in_order(r.lines, shown));
}

// At the keyboard's end of input a question ends the run, asked once. A
// command file that runs out is closed, which turns level 2 on, and the
// question is asked again at the keyboard.
TEST(Prompts, EndOfInputEndsTheRunOrHandsTheQuestionToTheKeyboard) {
  std::string s(4, ' ');
  std::int32_t i = 0;
  bool b = false;
  const std::pair<const char*, std::function<void()>> prompts[] = {
      {" Enter name", [&] { inchar1(s, "name", st); }},
      {" Enter name", [&] { inchardef(s, "name", "a", st); }},
      {" Enter n", [&] { ininteg1(i, "n", st); }},
      {" Enter n", [&] { inintegdef(i, "n", 3, st); }},
      {" go on ?", [&] { inlogicdef(b, "go on", true, st); }}};
  TempDir dir;
  for (const auto& [question, ask] : prompts) {
    Outcome r = run_with("", ask);
    EXPECT_EQ(std::tuple(r.status, count(r.lines, question), r.lines.back()),
              std::tuple(1, 1, " ===> END OF INPUT: RUN ENDED"));
    r = run_with("1\n", [&] {
      ASSERT_TRUE(gral::open_unit(15, dir.file("empty.txt", ""), "old", "read"));
      iocom.IUNCMD = iocom.IUNSTDIN = 15;
      iocom.LCMDOPEN = true;
      iocom.LWITO(2) = false;
      ask();
    });
    EXPECT_EQ(std::tuple(r.status, r.unread, iocom.LCMDOPEN, count(r.lines, question), r.lines.back()),
              std::tuple(-1, "", false, 2, kDots))
        << question;
  }
  EXPECT_EQ(std::tuple(s, i, b), std::tuple("1   ", 1, true));
}

// Only the first 80 characters of a line are read; an empty text takes the
// answer at its own length. A blank or a carriage return first takes the
// default, cut to the answer's length.
TEST(Prompts, TextAnswersFitTheirLengthAndShowTheDefaultsCharacterCode) {
  transcript(ask(inchar1, "  name "), true, "hello world\n", std::string(8, ' '), "hello wo",
             {" Enter name", " New value = hello wo"});
  const std::string a80 = std::string(79, 'a') + "b";
  transcript(ask(inchardef, "name", "abc"), false, (a80 + "cdef\n").c_str(), std::string(), a80,
             {" Enter name", " New value = " + a80});
  transcript(ask(inchardef, "file name", "abc"), true, "\n", std::string(10, 'x'), "abc       ",
             {" Enter file name", kHint, " Default = abc", " ichar =  32 => use default value",
              " New value = abc       "});
  // A line ended by CR LF is the line without either.
  transcript(ask(inchardef, "file name", "abcdefgh"), false, "\r\n", std::string(4, 'x'), "abcd",
             {" ichar =  32 => use default value", " New value = abcd"});
}

// A leading blank takes the default; only 20 characters are read. Without a
// default, lines that hold no value are passed over silently. A value or a
// default outside the bounds is refused.
TEST(Prompts, IntegersTakeTheDefaultRetryLettersAndRefuseValuesOutside) {
  const std::string dflt = " Default =           99", inside = " inside  [-10,10]";
  // 20 characters are read: a number that runs past them is not the number
  // that the cut leaves.
  transcript(ask(inintegdef, "  your choice   ", 99), true, "00000000000000000007123\n\n7\n", 5, 7,
             {" Enter your choice", kHint, dflt, name_line("***", "inintegdef "),
              " could not read your choice", " ==> RETRYING", dflt, " New value =             7"});
  transcript(ask(inintegdef, "your choice", 99), true, "abc\n\n  7\n", 0, 99,
             {dflt, " ***          subroutine   inintegdef           ***", " could not read your choice",
              " ==> RETRYING", dflt, " New value =            99"});
  transcript(ask(ininteg1, "choice"), true, "\n   \n12 13\n", 0, 12,
             {" Enter choice", " New value =            12"});
  // Nor is a number the cut of a record longer than the 64 KiB kept.
  transcript(ask(ininteg1, "choice"), true, (std::string(65534, '0') + "100\n\n5\n").c_str(), 0, 5,
             {" Enter choice", " could not read choice", " Enter choice", " New value =             5"});
  transcript(ask(inintegvin1, "index", -10, 10), true, "\n\n-11\n\n-10\n", 0, -10,
             {inside, name_line("***", "inintegvin1"), " index =          -11", " outside [-10,10]", inside,
              " New value =           -10"});
  transcript(ask(inintegvindef, "n", 50, -10, 10), true, "\n\n25\n\n10\n", 0, 10,
             {inside, " Default =           50", name_line("***", "inintegvindef"), " n =           50",
              " outside [-10,10]", " n =           25", " New value =            10"});
}

// The default's layout counts the value the variable holds on entry; the
// interval's follows the larger bound.
TEST(Prompts, RealsShowDefaultsAndIntervalsInTheirLayouts) {
  transcript(ask(inrealdef, "depth", 15.0f), true, "\n", 0.0f, 15.0f,
             {" Enter depth", kHint, " Default =  15.0000    ", " New value =   15.0000    "});
  transcript(ask(inrealdef, "depth", 15.0f), true, "3.4028235677973366e38\n\n1234567890.123456789 m\n", 0.0f,
             1234567890.123456789f,
             {" ***          subroutine   inrealdef            ***", " could not read depth", " ==> RETRYING",
              " Default =  15.0000    ", " New value =  0.123457E+10"});
  const std::string inside = " inside  [ 0.000, 1.000]";
  transcript(
      ask(inrealvindef, "fraction", 0.5f, 0.0f, 1.0f), true, "\n", 5000.0f, 0.5f,
      {" Enter fraction", inside, kHint, " Default =              0.5    ", " New value =  0.500000    "});
  const auto own_default = [](float& v) { inrealvindef(v, "fraction", v, 0.0f, 1.0f, st); };
  transcript(own_default, true, "2\n\n0.25\n", 0.5f, 0.25f,
             {inside, " Default =  0.500", name_line("***", "inrealvindef"), " fraction =  2.00000    ",
              " outside [ 0.000, 1.000]", inside, " Default =  0.500", " New value =  0.250000    "});
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
             {" Do you want to alter this ?", " Enter (0/1)(n/y)(N/Y) to answer",
              " or return for default value or h for help", " Default = No ", " New value =  No "});
  const std::string help = " @ subroutine inlogicdef            v1.4 2024-02-05", go_on = " go on ?";
  transcript(ask(inlogicdef, "go on", true), false, "h\nx\n\nn\n", true, false,
             {go_on, help, " answer Yes    y or Y or 1    ", go_on, " incorrect answer: x",
              " ==> ASKING AGAIN", help, go_on, " New value =  No "});
  // The second prompt reads and writes the units it is given, here the
  // console; after an incorrect answer it shows its help unasked.
  transcript([](bool& v) { inlogicdef2(v, "RESUME", true, iocom.IUNSTDIN, 6, st); }, true, "x\n\nn\n", true,
             false,
             {" RESUME ?", " Enter (0/1)(n/y)(N/Y)", " Default = Yes", name_line("***", "inlogicdef2"),
              " incorrect answer: x", " ==> WILL ASK QUESTION AGAIN",
              " @ subroutine inlogicdef2           v1.0 08-03-2000", " RESUME ?", " New value =  No "});
  for (std::string answer : {"y", "Y", "1", "yes sir", "n", "N", "0", "no", " n", "\r"}) {
    bool a = false;
    run_with(answer + "\n", [&] { inlogicdef(a, "go on", true, st); });  // blank or return: yes
    EXPECT_EQ(a, answer.find_first_of("nN0") != 0) << answer;
  }
}

}  // namespace
