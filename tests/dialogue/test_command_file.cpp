// Answers replayed from a command file through the main menu's 5000.
#include <gtest/gtest.h>

#include <string>

#include "records/fixedtext.h"
#include "session.h"

namespace {

using dialogue::choice;
using dialogue::kDots;
using dialogue::Lines;
using dialogue::run;
using dialogue::TempFile;
using dialogue::value_of;

const std::string kAt = " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
const std::string kAtEq = " @=================================================";

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Lines kAltsioMenu = {
    kAt,
    " @ subroutine altsio2               v2.0 2024-06-03",
    kAtEq,
    " -------------------------------------------",
    " ALTERNATE STANDARD INPUT",
    " -------------------------------------------",
    " START COMMAND FILE ..................5001",
    " EXIT COMMAND FILE AND CONTINUE.......5002",
    " EXIT COMMAND FILE AND QUIT ..........5003",
    " EXIT THIS SUBROUTINE ..................99",
    kAt,
};

// 5000 at the keyboard, 5001, and the file name: the file is opened and
// standard input redirected.
Lines start_from_keyboard(const std::string& name) {
  return choice(5000) + kAltsioMenu +
         Lines{kDots,
               " Enter your choice",
               " or return for default value",
               " Default =           99",
               " New value =          5001",
               kDots} +
         Lines{kAt,
               " @ subroutine beginaltsi2           v4.0 2024-06-03",
               kAtEq,
               kAt,
               " @ subroutine opef1                 v1.1 2024-05-29",
               kAtEq,
               " OPENING alternate standard input FILE",
               kAt} +
         Lines{kDots,          " Enter alternate standard input file name", " or return for default value",
               " Default =  ", " New value = " + fixed::fit(name, 250),     kDots} +
         Lines{" Standard input redirected from",   "    Command file: " + name,
               " Response to error or warning",     "    remains from keyboard",
               " Level 2 standard output disabled", kAt};
}

Lines closed(const std::string& name) {
  return {kAt,
          " @ subroutine endaltsi2             v4.0 2024-06-05",
          kAtEq,
          " Command file " + name + " closed",
          " Standard input redirected from keyboard",
          " Level 2 standard output enabled"};
}

// Level 2 is off while the file is read: question and echo only.
Lines file_choice(const std::string& echo) {
  return {" Enter your choice", " New value = " + echo};
}

TEST(CommandFile, AnswersEveryQuestionThen5002GivesTheKeyboardBack) {
  TempFile f("dialogue_cmd_continue.txt", "31\nn\n60\n30\n5000\n5002\n");
  auto s = run("\n5000\n5001\n" + f.name() + "\n");
  EXPECT_EQ(s.status, 0);
  ASSERT_EQ(s.menus.size(), 5u);
  EXPECT_EQ(s.after(0), start_from_keyboard(f.name()));
  EXPECT_EQ(s.after(1),
            file_choice("           31") + (Lines{" compute total stress ?", " New value =  No "}));
  EXPECT_EQ(s.after(2),
            file_choice("           60") + (Lines{" Enter phi0 degrees", " New value =   30.0000    "}));
  EXPECT_EQ(s.after(3),
            file_choice("         5000") + kAltsioMenu + file_choice("         5002") + closed(f.name()));
  // Back at the keyboard, with level 2 again.
  Lines last = s.after(4);
  ASSERT_GE(last.size(), 3u);
  EXPECT_EQ(Lines(last.begin(), last.begin() + 3),
            (Lines{kDots, " Enter your choice", " ===> END OF INPUT: RUN ENDED"}));
  EXPECT_EQ(value_of(s.last_menu(), " Plot total stress ................... 31"), " F");
  EXPECT_EQ(value_of(s.last_menu(), "Friction angle........................ 60"), "   30.000");
}

TEST(CommandFile, QuitFromTheFileEndsTheRunLikeQuit) {
  TempFile f("dialogue_cmd_quit.txt", "5000\n5003\n");
  auto s = run("\n5000\n5001\n" + f.name() + "\n");
  EXPECT_EQ(s.status, 0);
  ASSERT_EQ(s.menus.size(), 2u);
  Lines after = s.after(1);
  Lines expected = file_choice("         5000") + kAltsioMenu + file_choice("         5003") +
                   closed(f.name()) + Lines{kAt, " @ PROGRAM varnholt_pk"};
  ASSERT_GE(after.size(), expected.size());
  EXPECT_EQ(Lines(after.begin(), after.begin() + static_cast<long>(expected.size())), expected);
  EXPECT_EQ(after.back(), kAt);
  EXPECT_FALSE(s.has(" ===> END OF INPUT: RUN ENDED"));
}

TEST(CommandFile, AFileWithoutItsClosingRecordsHandsBackToTheKeyboard) {
  TempFile f("dialogue_cmd_short.txt", "31\nn\n");
  auto s = run("\n5000\n5001\n" + f.name() + "\n9999\n");
  EXPECT_EQ(s.status, 0);
  ASSERT_EQ(s.menus.size(), 3u);
  // The choice ran out in the file: closed as by 5002, then asked again at
  // the keyboard, which quits.
  Lines expected =
      Lines{" Enter your choice"} + closed(f.name()) + choice(9999) + Lines{kAt, " @ PROGRAM varnholt_pk"};
  Lines after = s.after(2);
  ASSERT_GE(after.size(), expected.size());
  EXPECT_EQ(Lines(after.begin(), after.begin() + static_cast<long>(expected.size())), expected);
  EXPECT_FALSE(s.has(" ===> END OF INPUT: RUN ENDED"));
}

}  // namespace
