#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "gral/prompts.h"
#include "gral/units.h"
#include "support/console.h"

using testing_support::Console;
using testing_support::run_status;

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
const std::string kStars = " " + std::string(50, '*');
const std::string kAts = " " + std::string(50, '@');

Lines error_head(const std::string& name) {
  std::string empty = " ***" + pad(44) + "***";
  return {kStars,
          kStars,
          empty,
          " ***" + pad(10) + "subroutine " + pad(13 - static_cast<int>(name.size())) + name + pad(10) + "***",
          empty,
          " ***" + pad(19) + "ERROR " + pad(19) + "***",
          empty,
          kStars,
          kStars};
}
const Lines kErrorTail{" ===> HIT RETURN TO CONTINUE", kStars};

Lines help_table(const std::string& title, const std::string& mark_and_date) {
  return {kAts,
          " @ subroutine " + title + " " + mark_and_date,
          " @" + std::string(49, '='),
          "    To         type           ",
          " -----------------------------",
          " get help      h or H         ",
          " answer Yes    y or Y or 1    ",
          " answer No     n or N or 0    ",
          " use default   Carriage Return",
          kAts};
}
const Lines kHelp1 = help_table("inlogicdef " + pad(9), " v1.4 2024-02-05");
const Lines kHelp2 = help_table("inlogicdef2" + pad(9), " v1.0 08-03-2000");

std::string temp_path(const std::string& tag) {
  return (std::filesystem::temp_directory_path() /
          ("prompts_" + tag + "_" + std::to_string(getpid()) + ".txt"))
      .string();
}

TEST(Inchar1, TakesAsManyCharactersAsTheAnswerHolds) {
  struct Case {
    const char* keyboard;
    std::string answer, expected;
  } cases[] = {{"hello world\n", "12345678", "hello wo"},
               {"hi\n", "12345678", "hi      "},
               {"\n", "12345678", pad(8)},
               {"hello world\n", "", "hello world"}};
  for (const auto& k : cases) {
    Console c(k.keyboard);
    std::string a = k.answer;
    std::int32_t status = 0;
    inchar1(a, "  name ", status);
    EXPECT_EQ(a, k.expected);
    EXPECT_EQ(c.lines(), (Lines{kDots, " Enter name", " New value = " + k.expected, kDots}));
  }
}

TEST(Inchardef, DefaultTakenShowsTheCharacterCode) {
  Console c("\n");
  std::string a(10, 'x');
  std::int32_t status = 0;
  inchardef(a, "file name", "abc", status);
  EXPECT_EQ(a, "abc" + pad(7));
  EXPECT_EQ(c.lines(), (Lines{kDots, " Enter file name", " or return for default value", " Default = abc",
                              " ichar =  32 => use default value", " New value = abc       ", kDots}));
}

TEST(Inchardef, AnswerAndDefaultAreCutToTheAnswersLength) {
  std::string long_line = std::string(79, 'a') + "bcdef";
  struct Case {
    std::string keyboard;
    std::size_t size;
    std::string def, expected, ichar;
  } cases[] = {
      {"\r\n", 10, "abc", "abc" + pad(7), " ichar =  13 => use default value"},
      {" new\n", 10, "abc", "abc" + pad(7), " ichar =  32 => use default value"},
      {"\n", 4, "abcdefgh", "abcd", " ichar =  32 => use default value"},
      {"new\n", 10, "abc", "new" + pad(7), ""},
      {long_line + "\n", 90, "abc", std::string(79, 'a') + "b" + pad(10), ""},
  };
  for (const auto& k : cases) {
    Console c(k.keyboard);
    iocom.LWITO(2) = false;  // the default-taken line shows at every level
    std::string a(k.size, 'x');
    std::int32_t status = 0;
    inchardef(a, "file name", k.def, status);
    EXPECT_EQ(a, k.expected);
    Lines expected{" Enter file name", " New value = " + k.expected};
    if (!k.ichar.empty()) expected.insert(expected.begin() + 1, k.ichar);
    EXPECT_EQ(c.lines(), expected);
  }
}

TEST(Inlogicdef, DefaultLineAndEcho) {
  Console c("\n");
  bool a = true;
  std::int32_t status = 0;
  inlogicdef(a, "Do you want to alter this", false, status);
  EXPECT_FALSE(a);
  EXPECT_EQ(c.lines(), (Lines{kDots, " Do you want to alter this ?", " Enter (0/1)(n/y)(N/Y) to answer",
                              " or return for default value or h for help", " Default = No ",
                              " New value =  No ", kDots}));
}

TEST(Inlogicdef, OnlyTheFirstCharacterCounts) {
  struct Case {
    const char* keyboard;
    bool def, expected;
  } cases[] = {{"y\n", false, true}, {"Y\n", false, true},  {"1\n", false, true}, {"yes sir\n", false, true},
               {"n\n", true, false}, {"N\n", true, false},  {"0\n", true, false}, {"\n", true, true},
               {" n\n", true, true}, {"\r\n", false, false}};
  for (const auto& k : cases) {
    Console c(k.keyboard);
    bool a = !k.expected;
    std::int32_t status = 0;
    inlogicdef(a, "go on", k.def, status);
    EXPECT_EQ(a, k.expected) << k.keyboard;
  }
}

TEST(Inlogicdef, HelpAndIncorrectAnswers) {
  Console c("h\nx\n\nn\n");
  iocom.LWITO(2) = false;
  bool a = true;
  std::int32_t status = 0;
  inlogicdef(a, "go on", true, status);
  EXPECT_FALSE(a);
  Lines ask{" go on ?"};
  EXPECT_EQ(c.lines(), cat({ask,
                            kHelp1,
                            ask,
                            error_head("inlogicdef "),
                            {" incorrect answer: x", " ==> ASKING AGAIN"},
                            kErrorTail,
                            kHelp1,
                            ask,
                            {" New value =  No "}}));
}

TEST(Inlogicdef2, EveryLineOnTheGivenUnitsAtEveryLevel) {
  std::string path = temp_path("out");
  Console c("x\n\ny\n");
  iocom.LWITO(2) = false;
  iocom.IUNSTDIN = 15;  // nothing open there: the answer must come from the unit given
  ASSERT_TRUE(gral::open_unit(20, path, "replace", "write"));
  bool a = false;
  std::int32_t status = 0;
  inlogicdef2(a, "RESUME", false, 5, 20, status);
  gral::close_unit(20);
  EXPECT_TRUE(a);
  Lines ask{" RESUME ?", " Enter (0/1)(n/y)(N/Y)", " or return for default value or h for help",
            " Default = No "};
  std::ifstream f(path);
  Lines file;
  for (std::string l; std::getline(f, l);) file.push_back(l);
  std::filesystem::remove(path);
  Lines help_body(kHelp2.begin() + 3, kHelp2.end() - 1);
  EXPECT_EQ(file, cat({{kDots},
                       ask,
                       {" incorrect answer: x", " ==> WILL ASK QUESTION AGAIN"},
                       help_body,
                       ask,
                       {" New value =  Yes", kDots}}));
  Lines help_frame(kHelp2.begin(), kHelp2.begin() + 3);
  help_frame.push_back(kAts);
  EXPECT_EQ(c.lines(), cat({error_head("inlogicdef2"), kErrorTail, help_frame}));
}

// At the keyboard's end of input every prompt ends the run after asking once.
TEST(Prompts, EndOfInputEndsTheRunAfterOneQuestion) {
  std::int32_t i = 0, status = 0;
  float r = 0.0f;
  bool b = false;
  std::string s(5, ' ');
  struct Case {
    const char* keyboard;
    std::string question_line;
    std::function<void()> call;
  } cases[] = {
      {"", " Enter q", [&] { inchar1(s, "q", status); }},
      {"", " Enter q", [&] { inchardef(s, "q", "d", status); }},
      {"\n  \n", " Enter q", [&] { ininteg1(i, "q", status); }},
      {"", " Enter q", [&] { inintegdef(i, "q", 1, status); }},
      {"\n", " Enter q", [&] { inintegvin1(i, "q", 0, 5, status); }},
      {"", " Enter q", [&] { inintegvindef(i, "q", 1, 0, 5, status); }},
      {"", " Enter q", [&] { inrealdef(r, "q", 1.0f, status); }},
      {"", " Enter q", [&] { inrealvindef(r, "q", 1.0f, 0.0f, 5.0f, status); }},
      {"", " q ?", [&] { inlogicdef(b, "q", true, status); }},
      {"", " q ?", [&] { inlogicdef2(b, "q", true, 5, 6, status); }},
  };
  for (const auto& k : cases) {
    Console c(k.keyboard);
    EXPECT_EQ(run_status(k.call), 1) << k.question_line;
    auto l = c.lines();
    EXPECT_EQ(std::count(l.begin(), l.end(), k.question_line), 1);
    EXPECT_EQ(l.back(), " ===> END OF INPUT: RUN ENDED");
  }
}

// A command file that runs out is closed and the question asked again, from
// its first line, at the keyboard.
TEST(Prompts, CommandFileRunningOutAsksAgainAtTheKeyboard) {
  std::int32_t i = 0, status = 0;
  bool b = false;
  struct Case {
    const char* file;
    const char* keyboard;
    std::string question_line;
    std::function<void()> call;
    Lines tail;
  } cases[] = {
      {"",
       "42\n",
       " Enter your choice",
       [&] { inintegdef(i, "your choice", 99, status); },
       {kDots, " Enter your choice", " or return for default value", " Default =" + pad(11) + "99",
        " New value =" + pad(12) + "42", kDots}},
      {"\n  \n",
       "42\n",
       " Enter your choice",
       [&] { ininteg1(i, "your choice", status); },
       {kDots, " Enter your choice", " New value =" + pad(12) + "42", kDots}},
      {"",
       "y\n",
       " your choice ?",
       [&] { inlogicdef2(b, "your choice", false, 15, 6, status); },
       {" your choice ?", " Enter (0/1)(n/y)(N/Y)", " or return for default value or h for help",
        " Default = No ", " New value =  Yes", kDots}},
  };
  std::string path = temp_path("cmd");
  for (const auto& k : cases) {
    std::ofstream(path) << k.file;
    Console c(k.keyboard);
    ASSERT_TRUE(gral::open_unit(15, path, "old", "read"));
    iocom.IUNCMD = 15;
    iocom.IUNSTDIN = 15;
    iocom.LCMDOPEN = true;
    iocom.LWITO(2) = false;
    i = 0;
    b = false;
    EXPECT_EQ(run_status(k.call), -1);
    EXPECT_TRUE(i == 42 || b) << k.question_line;
    EXPECT_FALSE(iocom.LCMDOPEN);
    EXPECT_EQ(iocom.IUNSTDIN, 5);
    auto l = c.lines();
    ASSERT_GE(l.size(), k.tail.size());
    EXPECT_EQ(Lines(l.end() - static_cast<long>(k.tail.size()), l.end()), k.tail);
    EXPECT_EQ(std::count(l.begin(), l.end(), k.question_line), 2);
  }
  std::filesystem::remove(path);
}

}  // namespace
