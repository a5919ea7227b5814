// The console as a person at a terminal meets it: each answer is typed only
// once its question is on the screen. Standard output here is a pipe, which
// the program's stream buffers fully; a question still in that buffer while
// the program waits would never be seen, and the wait for it times out.
// And as scripts meet it: answers already there cost no early write, a file
// of answers is shared with the commands that follow, and lines may end in
// CR LF, or in a CR at the end of the input.
#include <gtest/gtest.h>

#include <filesystem>

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

// 200 plots whose answers all came at once: written in pieces of the
// buffer's size, not once for every answer read.
TEST_F(ConsoleProcess, AnswersAlreadyThereCostNoEarlyWrites) {
  Interactive p;
  std::string answers = "\n10\n\nmany.ps\n";
  for (int i = 0; i < 200; ++i) answers += "100\n\n";
  ASSERT_TRUE(p.type(answers + "20\n\n9999"));
  const ProcessEnd end = p.finish();
  EXPECT_EQ(std::tuple(end.exited, end.code, end.err), std::tuple(true, 0, ""));
  const auto bytes = std::filesystem::file_size("many.ps") + end.out.size();
  EXPECT_LE(end.writes, static_cast<long>(bytes / 65536) + 20) << bytes;
}

// Lines of bash around the program, and what they print.
TEST_F(ConsoleProcess, ScriptsAroundTheProgram) {
  const std::pair<std::string, std::string> cases[] = {
      // The answers file goes on to the next command from where the run stopped.
      {"printf '\\n9999\\nafter1\\nafter2\\n' >f; (\"$VPK\" >/dev/null; cat) <f", "after1\nafter2\n"},
      // Lines ended by CR LF, in a command file and at the keyboard.
      {"printf '100\\r\\n\\r\\ncrlf.ps\\r\\n20\\r\\n\\r\\n9999\\r\\n' >crlf.cmd\n"
       "printf '\\n5000\\n5001\\ncrlf.cmd\\n' | \"$VPK\" >/dev/null; ls crlf*",
       "crlf.cmd\ncrlf.ps\n"},
      {"printf '\\r\\n100\\r\\n\\r\\nkey.ps\\r\\n20\\r\\n\\r\\n9999\\r\\n' | \"$VPK\" >/dev/null; ls key*",
       "key.ps\n"},
      // And a CR right before the end of the input: the keyboard's last line
      // names the command file, whose own last line names the plot file.
      {"printf '100\\n\\nstress.ps\\r' >c.cmd\n"
       "printf '\\n5000\\n5001\\nc.cmd\\r' | \"$VPK\" >/dev/null; ls c.cmd stress*",
       "c.cmd\nstress.ps\n"},
  };
  for (const auto& [line, printed] : cases) {
    const ProcessRun r = run_shell(line);
    EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(0, printed, "")) << line;
  }
}

}  // namespace
