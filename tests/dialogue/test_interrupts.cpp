// Ctrl-C, SIGTERM and a closed terminal while the program waits at its menu
// with two plots drawn: the run ends as at the end of its input, the plot
// file finished so that every plot drawn renders, and the exit status tells
// which signal came. While the program waits, the file on disk already holds
// what is drawn, for a viewer to show.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/plotfiles.h"
#include "support/process.h"

namespace {

using namespace testing_support;

class Interrupts : public PlotFileTest {};

// Both plots into s.ps, each answer typed once its question is shown; the
// program is left waiting at the menu after each plot.
void draw_both_plots(Interactive& p) {
  const std::pair<std::string, std::string> dialogue[] = {
      {" @             HIT RETURN TO CONTINUE\n", ""},
      {" Enter your choice\n", "100"},
      {" Default = Yes\n", ""},
      {" Enter PostScript plot file name\n", "s.ps"},
      {" Enter your choice\n", "200"},
      {" append to the current window / file ........2\n", ""},
  };
  for (const auto& [question, answer] : dialogue) {
    ASSERT_TRUE(p.wait_for(question)) << "not shown: " << question;
    if (answer == "200") {
      // The first plot is on disk while the program waits.
      const Lines first = file_lines("s.ps");
      EXPECT_EQ(count(first, "%%Page:    1    1"), 1);
      EXPECT_EQ(count(first, "(Shmax (MPa))"), 2);
    }
    ASSERT_TRUE(p.type(answer));
  }
  // The new-page question has a choice of its own: the main menu's follows.
  ASSERT_TRUE(p.wait_for(" QUIT PROGRAM ........................9999\n"));
  ASSERT_TRUE(p.wait_for(" Enter your choice\n"));
}

TEST_F(Interrupts, EndTheRunWithEveryPlotKept) {
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    Interactive p;
    draw_both_plots(p);
    ASSERT_TRUE(p.signal(sig));
    const ProcessEnd end = p.finish();
    EXPECT_EQ(std::tuple(end.exited, end.code, end.err), std::tuple(true, 128 + sig, ""));
    EXPECT_TRUE(
        has_in_order(split_lines(end.out), {{" ===> INTERRUPTED: RUN ENDED"}, {" @ PROGRAM varnholt_pk"}}));
    const Lines plot = file_lines("s.ps");
    ASSERT_GT(plot.size(), 5u);
    EXPECT_EQ(Lines(plot.end() - 5, plot.end()),
              (Lines{"showpage", "%%End Page", "%%Trailer", "%%Pages:   2", "%%EOF"}));
    expect_renders("s.ps");
  }
}

// A command file is read without waiting for the keyboard; one that is a
// FIFO whose writer is slow to answer is read with a wait, and the signal
// ends that wait too. SIGQUIT keeps its default.
TEST_F(Interrupts, EndAReplayedCommandFileToo) {
  ASSERT_EQ(mkfifo("slow.cmd", 0600), 0);
  // The writer is there before the program opens the file: a FIFO without
  // one reads as empty. Opened for reading too, it opens without waiting.
  const int writer = open("slow.cmd", O_RDWR);
  ASSERT_GE(writer, 0);
  Interactive p;
  for (const auto& [question, answer] : {std::pair{" @             HIT RETURN TO CONTINUE\n", ""},
                                         {" Enter your choice\n", "5000"},
                                         {" Enter your choice\n", "5001"},
                                         {" Enter alternate standard input file name\n", "slow.cmd"}}) {
    ASSERT_TRUE(p.wait_for(question)) << "not shown: " << question;
    ASSERT_TRUE(p.type(answer));
  }
  ASSERT_EQ(write(writer, "51\n", 3), 3);
  // The console is written through only before the keyboard is read: give
  // the program the time to reach the depth question's read.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  ASSERT_TRUE(p.signal(SIGTERM));
  const ProcessEnd end = p.finish();
  close(writer);
  EXPECT_EQ(std::tuple(end.exited, end.code, end.err), std::tuple(true, 143, ""));

  Interactive quit;
  ASSERT_TRUE(quit.wait_for(" @             HIT RETURN TO CONTINUE\n"));
  ASSERT_TRUE(quit.signal(SIGQUIT));
  EXPECT_EQ(quit.finish().signal, SIGQUIT);
}

}  // namespace
