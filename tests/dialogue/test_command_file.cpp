// Answers replayed from a command file through the main menu's 5000.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "session.h"
#include "support/plotfiles.h"

namespace {

using dialogue::kAt;
using dialogue::Lines;
using testing_support::kDots;

TEST(CommandFile, AnswersQuestionsThenHandsBackOrQuits) {
  const Lines back = {" Command file dialogue_cmd.txt closed", " Standard input redirected from keyboard",
                      " Level 2 standard output enabled"};
  const Lines quit = {kAt, dialogue::kTrailer};
  // The command file, the keyboard after the file was started, and blocks of lines shown in this order.
  const std::tuple<std::string, std::string, std::vector<Lines>> cases[] = {
      // Level 2 is off while the file is read: question and echo only. 5002 gives the keyboard back.
      {"31\nn\n60\n30\n5000\n5002\n",
       "",
       {{kAt, " Enter your choice", " New value =            31", " compute total stress ?",
         " New value =  No "},
        {" Enter phi0 degrees", " New value =   30.0000    "},
        {" New value =          5002"},
        back,
        {"  Plot total stress ................... 31 F"},
        {" Friction angle........................ 60   30.000"},
        {kDots, " Enter your choice", dialogue::kEnd}}},
      {"5000\n5003\n", "", {{" New value =          5003"}, back, quit}},
      {"9999\n", "", {{" New value =          9999", kAt, dialogue::kTrailer}}},
      // The choice runs out in the file: closed as by 5002 and asked again at the keyboard.
      {"31\nn\n",
       "9999\n",
       {{kAt, " Enter your choice", kAt},
        back,
        {kDots, " Enter your choice", " New value =          9999"},
        quit}},
  };
  for (const auto& [file, keyboard, blocks] : cases) {
    SCOPED_TRACE(file);
    testing_support::TempDir dir;
    auto s = dialogue::run("\n5000\n5001\n" + dir.file("dialogue_cmd.txt", file) + "\n" + keyboard);
    EXPECT_EQ(s.status, 0);
    EXPECT_TRUE(testing_support::has_in_order(s.lines, blocks));
  }
}

// A plot file opened on the command file being replayed, by another name of
// it, would cut short the answers still to come: refused as a file that
// cannot be opened, and the file in use is left as it was. The other way,
// the open plot file replayed as a command file would feed the program its
// own PostScript: refused too.
TEST(CommandFile, PlotFileOnTheCommandFileInUseIsRefused) {
  testing_support::TempDir dir;
  const std::string answers = "100\n\n./same.cmd\nlink.cmd\ns.ps\n9999\n";
  std::filesystem::create_symlink(dir.file("same.cmd", answers), "link.cmd");
  // The keyboard answers each warning's pause and its retry question.
  auto s = dialogue::run("\n5000\n5001\nsame.cmd\n\n1\n\n1\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(testing_support::file_text("same.cmd"), answers);
  // The names are shown at the 250 characters of the opening's copy.
  const auto refused = [](const std::string& file_name_line) {
    return Lines{" COULD NOT OPEN PostScript plot FILE", file_name_line, " for unit =   50",
                 " ===> RETRYING TO OPEN THE FILE"};
  };
  EXPECT_TRUE(
      testing_support::has_in_order(s.lines, {refused(" File name = ./same.cmd" + std::string(240, ' ')),
                                              refused(" File name = link.cmd" + std::string(242, ' ')),
                                              {" New value = s.ps" + std::string(246, ' ')}}));
  testing_support::expect_renders("s.ps");

  // Refused at the keyboard, not retried, and the error's pause answered.
  s = dialogue::run("\n10\n\nopen.ps\n5000\n5001\nopen.ps\n\n0\n\n20\n\n9999\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(testing_support::has_in_order(s.lines, {{" COULD NOT OPEN alternate standard input FILE",
                                                       " File name = open.ps" + std::string(243, ' ')},
                                                      {" COULD NOT OPEN COMMAND FILE  "},
                                                      {" The PostScript plot file is closed"}}));
  testing_support::expect_renders("open.ps");
}

}  // namespace
