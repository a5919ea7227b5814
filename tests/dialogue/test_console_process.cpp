// The console as a person at a terminal meets it: each answer is typed only
// once its question is on the screen. Standard output here is a pipe, which
// the program's stream buffers fully; a question still in that buffer while
// the program waits would never be seen, and the wait for it times out.
#include <gtest/gtest.h>

#include "support/plotfiles.h"
#include "support/process.h"

namespace {

using namespace testing_support;

class ConsoleProcess : public PlotFileTest {};

TEST_F(ConsoleProcess, EachQuestionIsShownBeforeTheProgramWaitsForItsAnswer) {
  Interactive p;
  const std::pair<std::string, std::string> dialogue[] = {
      {" @             HIT RETURN TO CONTINUE\n", ""},
      {" Enter your choice\n", "100"},
      {" Use default settings ?\n Enter (0/1)(n/y)(N/Y) to answer\n"
       " or return for default value or h for help\n Default = Yes\n",
       ""},
      {" Enter PostScript plot file name\n or return for default value\n Default =  \n", "s.ps"},
      {" Enter your choice\n", "9999"},
      {" Enter CR = Return to close the PostScript file\n", ""},
  };
  for (const auto& [question, answer] : dialogue) {
    ASSERT_TRUE(p.wait_for(question)) << "not shown: " << question << "\nshown:\n" << p.output();
    ASSERT_TRUE(p.type(answer));
  }
  const ProcessEnd end = p.finish();
  EXPECT_EQ(std::tuple(end.exited, end.code, end.err), std::tuple(true, 0, ""));
  const Lines plot = file_lines("s.ps");
  ASSERT_FALSE(plot.empty());
  EXPECT_EQ(plot.back(), "%%EOF");
}

}  // namespace
