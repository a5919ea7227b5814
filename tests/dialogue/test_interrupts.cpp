// Ctrl-C, SIGTERM and a closed terminal while the program waits at its menu
// with two plots drawn: the run ends as at the end of its input, the plot
// file finished so that every plot drawn renders, and the program dies by
// the signal that came, so that a shell loop running it stops. While the
// program waits, the file on disk already holds what is drawn, for a viewer
// to show. Nothing holds an interrupt up, and nothing but an interrupt that
// is wanted ends the run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

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

// The plot file ends with its trailer after `pages` pages, and renders.
void expect_finished(const std::string& file, const std::string& pages) {
  const Lines plot = file_lines(file);
  ASSERT_GT(plot.size(), 5u);
  EXPECT_EQ(Lines(plot.end() - 5, plot.end()),
            (Lines{"showpage", "%%End Page", "%%Trailer", pages, "%%EOF"}));
  expect_renders(file);
}

TEST_F(Interrupts, EndTheRunWithEveryPlotKept) {
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    Interactive p;
    draw_both_plots(p);
    ASSERT_TRUE(p.signal(sig));
    const ProcessEnd end = p.finish();
    EXPECT_EQ(std::tuple(end.exited, end.signal, end.err), std::tuple(false, sig, ""));
    EXPECT_TRUE(
        has_in_order(split_lines(end.out), {{" ===> INTERRUPTED: RUN ENDED"}, {" @ PROGRAM varnholt_pk"}}));
    expect_finished("s.ps", "%%Pages:   2");
  }
}

// Ctrl-C at a terminal reaches the whole job: a shell loop that runs the
// program stops at the first, seeing the program die by it.
TEST_F(Interrupts, AShellLoopStopsAtOneCtrlC) {
  Interactive p({.shell = "for i in 1 2 3; do \"$VPK\"; done"});
  draw_both_plots(p);
  ASSERT_TRUE(p.signal_group(SIGINT));
  const ProcessEnd end = p.finish();
  EXPECT_EQ(std::tuple(end.exited, end.signal, end.err), std::tuple(false, SIGINT, ""));
  EXPECT_EQ(count(split_lines(end.out), " @             HIT RETURN TO CONTINUE"), 1);
  expect_finished("s.ps", "%%Pages:   2");
}

// Started with the signal ignored (nohup, a script's background job), the
// program ignores it too and its answers are all used.
TEST_F(Interrupts, ASignalIgnoredAtTheStartStaysIgnored) {
  for (const int sig : {SIGHUP, SIGINT}) {
    SCOPED_TRACE(sig);
    Interactive p({.ignored = {sig}});
    draw_both_plots(p);
    ASSERT_TRUE(p.signal(sig));
    ASSERT_TRUE(p.type("9999"));
    ASSERT_TRUE(p.wait_for(" Enter CR = Return to close the PostScript file\n"));
    ASSERT_TRUE(p.type(""));
    const ProcessEnd end = p.finish();
    EXPECT_EQ(std::tuple(end.exited, end.code, end.err), std::tuple(true, 0, ""));
    expect_finished("s.ps", "%%Pages:   2");
  }
}

// Back to back, the first of two signals is the one the program dies by.
TEST_F(Interrupts, TheFirstOfTwoSignalsDecides) {
  for (int run = 0; run < 10; ++run) {
    Interactive p;
    ASSERT_TRUE(p.wait_for(" @             HIT RETURN TO CONTINUE\n"));
    ASSERT_TRUE(p.signal(SIGINT) && p.signal(SIGTERM));
    EXPECT_EQ(p.finish().signal, SIGINT) << run;
  }
}

// A console that nobody reads (a pager left alone, a stalled pipe) holds up
// neither the signal nor the plot file: what the console does not take is
// dropped, and the run ends at once. The signal comes while the program
// waits for the console to take more.
TEST_F(Interrupts, AConsoleNobodyReadsHoldsNothingUp) {
  Interactive p;
  ASSERT_TRUE(p.wait_for(" @             HIT RETURN TO CONTINUE\n"));
  const std::string console = p.file_of(1);
  std::string answers = "\n10\n\ns.ps\n100\n2\n";
  // Each menu code that is none shows the menu again: far more than a pipe holds.
  for (int i = 0; i < 100; ++i) answers += "1\n";
  ASSERT_TRUE(p.type(answers));
  ASSERT_TRUE(p.blocked_in([&](const BlockedCall& c) { return c.polls(console); }));
  ASSERT_TRUE(p.signal(SIGTERM));
  EXPECT_TRUE(p.ends_within(std::chrono::milliseconds(1000)));
  EXPECT_EQ(p.finish().signal, SIGTERM);
  expect_finished("s.ps", "%%Pages:   1");
}

// An answer is a line: what was typed of one not yet ended when the signal
// comes, while the program waits for the rest, is no plot file name, however
// long.
TEST_F(Interrupts, AHalfTypedLineIsNoAnswer) {
  for (const std::string& half : {std::string("stre"), std::string(70000, 'a')}) {
    SCOPED_TRACE(half.size());
    Interactive p;
    for (const auto& [question, answer] : {std::pair{" @             HIT RETURN TO CONTINUE\n", ""},
                                           {" Enter your choice\n", "100"},
                                           {" Default = Yes\n", ""}}) {
      ASSERT_TRUE(p.wait_for(question)) << "not shown: " << question;
      ASSERT_TRUE(p.type(answer));
    }
    ASSERT_TRUE(p.wait_for(" Enter PostScript plot file name\n"));
    ASSERT_TRUE(p.type(half, std::chrono::milliseconds(5000), false));
    const std::string keyboard = p.file_of(0);
    ASSERT_TRUE(p.blocked_in([&](const BlockedCall& c) { return c.polls(keyboard); }));
    ASSERT_TRUE(p.signal(SIGINT));
    EXPECT_EQ(p.finish().signal, SIGINT);
    // A name is read at 80 characters.
    EXPECT_FALSE(std::filesystem::exists(half.substr(0, 80)));
  }
}

// The host facts are asked by commands of their own at the start. A signal
// that comes while the program waits for such a command, sent to the
// program alone (a supervisor, kill, timeout) or to the whole job (a
// terminal's Ctrl-C), ends the command, sent that same signal, and the run
// at once: no warning, no fact, no temporary file left. Nor does a parent
// that ignores SIGCHLD keep the program from waiting for its commands.
// Commands that ignore the signal share one short grace before they die.
TEST_F(Interrupts, HostFactsStandUpToSignalsAtTheStart) {
  std::filesystem::create_directory("slow");
  std::ofstream("slow/sed")
      << "#!/bin/sh\nfor s in INT TERM; do trap \"echo $s >got; kill \\$!; exit\" $s; done\n"
         "touch ready; sleep 30 & wait\n";
  std::filesystem::permissions("slow/sed", std::filesystem::perms::owner_all);
  // Each writes down when the signal came; the later of the two to be ready
  // tells that both are.
  std::filesystem::create_directory("deaf");
  for (const std::string name : {"deaf/sed", "deaf/uname"}) {
    std::ofstream(name) << "#!/bin/sh\ntrap 'date +%s%N >>deaf/times; echo TERM >got; kill $!' TERM\n"
                           "touch $0_ready; [ -e deaf/sed_ready ] && [ -e deaf/uname_ready ] && touch ready\n"
                           "while :; do sleep 30 & wait; done\n";
    std::filesystem::permissions(name, std::filesystem::perms::owner_all);
  }
  struct Case {
    Start start;
    int sig;
    bool to_group;
  };
  // The command is ready to take a signal: the program waits for it.
  const auto waits_for_a_command = [](const BlockedCall& c) {
    return std::filesystem::exists("ready") && (c.number == SYS_wait4 || c.polls("anon_inode:[pidfd]"));
  };
  for (const auto& [start, sig, to_group] :
       {Case{{.path_first = "slow"}, SIGTERM, false}, Case{{.path_first = "slow"}, SIGINT, false},
        Case{{.path_first = "slow"}, SIGINT, true}, Case{{.ignored = {SIGCHLD}}, 0, false},
        Case{{.path_first = "deaf"}, SIGTERM, false}}) {
    SCOPED_TRACE(start.path_first + " " + std::to_string(sig) + (to_group ? " to the job" : ""));
    Interactive p(start);
    if (sig == 0) {
      ASSERT_TRUE(p.type("\n9999"));
    } else {
      ASSERT_TRUE(p.blocked_in(waits_for_a_command));
      ASSERT_TRUE(to_group ? p.signal_group(sig) : p.signal(sig));
      EXPECT_TRUE(p.ends_within(std::chrono::milliseconds(1000)));
    }
    const ProcessEnd end = p.finish();
    EXPECT_EQ(std::tuple(end.exited, end.signal, end.err), std::tuple(sig == 0, sig, ""));
    const Lines out = split_lines(end.out);
    EXPECT_EQ(count(out, " ===> INTERRUPTED: RUN ENDED"), sig == 0 ? 0 : 1);
    EXPECT_TRUE(std::none_of(out.begin(), out.end(), [](const std::string& l) {
      return l.find("COULD NOT") != l.npos;
    })) << end.out;
    EXPECT_EQ(count(out, " @       CPU: unknown"), sig == 0 ? 0 : 1);
    EXPECT_EQ(file_text("got"), sig == SIGINT ? "INT\n" : sig == SIGTERM ? "TERM\n" : "");
    // Both got it together, not the second after the first one's grace.
    long long first = 0, second = 0;
    std::ifstream("deaf/times") >> first >> second;
    EXPECT_LE(std::llabs(second - first), 100'000'000) << "ns apart";
    std::filesystem::remove("got");
    std::filesystem::remove("ready");
    for (const auto& entry : std::filesystem::directory_iterator("."))
      EXPECT_EQ(entry.path().filename().string().find("_tmp_"), std::string::npos) << entry.path();
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
  // The signal comes while the program waits for the file's next line.
  const std::string command_file = std::filesystem::absolute("slow.cmd").string();
  ASSERT_TRUE(p.blocked_in([&](const BlockedCall& c) { return c.polls(command_file); }));
  ASSERT_TRUE(p.signal(SIGTERM));
  const ProcessEnd end = p.finish();
  close(writer);
  EXPECT_EQ(std::tuple(end.exited, end.signal, end.err), std::tuple(false, SIGTERM, ""));

  Interactive quit;
  ASSERT_TRUE(quit.wait_for(" @             HIT RETURN TO CONTINUE\n"));
  ASSERT_TRUE(quit.signal(SIGQUIT));
  EXPECT_EQ(quit.finish().signal, SIGQUIT);
}

}  // namespace
