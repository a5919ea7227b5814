// The first plot the README shows a new user, answer for answer: if a
// question is added or moved, these answers stop drawing both pages and the
// README must change with the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "session.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

class FirstPlot : public PlotFileTest {};

TEST_F(FirstPlot, TheReadmeAnswersDrawBothPlots) {
  // After the header's Return: 100, its default settings, the file's name; 200 on a new page; 20 and its
  // Return; quit.
  const std::string answers = "100\n\nstress.ps\n200\n\n20\n\n9999\n";
  std::ofstream("stress.cmd") << answers;
  for (const std::string& keyboard : {"\n" + answers, std::string("\n5000\n5001\nstress.cmd\n")}) {
    SCOPED_TRACE(keyboard);
    std::filesystem::remove("stress.ps");
    EXPECT_EQ(dialogue::run(keyboard).status, 0);
    const Lines file = file_lines("stress.ps");
    EXPECT_TRUE(has_in_order(file, {{"%%Page:    1    1"},
                                    {"(varnholt_pk_1.5 Command = 100)"},
                                    {"%%Page:   2   2"},
                                    {"(varnholt_pk_1.5 Command = 200)"},
                                    {"%%Pages:   2", "%%EOF"}}));
  }
}

}  // namespace
