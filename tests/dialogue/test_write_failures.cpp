// Output that cannot be written: a plot file on a full device or beyond the
// file-size limit, a console whose reader has gone, a defaults file that
// cannot be saved. The run goes on, reports the loss once, never dies of a
// signal and ends with status 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session.h"
#include "support/plotfiles.h"
#include "support/process.h"

namespace {

using namespace testing_support;

// Opens the named plot file, draws the stress polygon and, on a new page,
// the depth plot, closes the file and quits; a frame's pause, if any, takes
// the Return before 9999.
std::string drawing_both_plots(const std::string& file, const std::string& pause = "") {
  return "\n10\n\n" + file + "\n100\n2\n200\n\n20\n\n" + pause + "9999\n";
}

// Answers that are all there cost the plot file no early write: the loss is
// seen when the file is closed.
Lines not_written(const std::string& file, const std::string& reason) {
  const std::string stars = rule('*'), empty = " ***" + std::string(44, ' ') + "***";
  return {stars,
          stars,
          empty,
          " ***          subroutine   intplend             ***",
          empty,
          " ***                   ERROR                    ***",
          empty,
          stars,
          stars,
          " COULD NOT WRITE PostScript plot FILE",
          " File name = " + file,
          " Reason = " + reason,
          " ===> PLOT FILE INCOMPLETE",
          " ===> HIT RETURN TO CONTINUE",
          stars};
}

// Reported once, at the latest when the file is closed, and the run goes on
// to its trailer.
void expect_reported_once(const ProcessRun& r, const Lines& frame) {
  const Lines out = split_lines(r.out);
  EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(1, ""));
  EXPECT_EQ(count(out, " COULD NOT WRITE PostScript plot FILE"), 1);
  EXPECT_TRUE(has_in_order(out, {frame, {" The PostScript plot file is closed"}, {dialogue::kTrailer}}));
}

// Every plot file left here that has a name ending in .ps must render.
class WriteFailures : public PlotFileTest {};

TEST_F(WriteFailures, PlotFileOnAFullDeviceOrBeyondTheFileSizeLimit) {
  expect_reported_once(run_program(drawing_both_plots("/dev/full", "\n")),
                       not_written("/dev/full", "No space left on device"));
  // The console goes to a pipe, so the limit hits the plot file only: the
  // file is written up to the limit, cut in the middle of a line (and so
  // named without .ps: it need not render).
  constexpr long kLimit = 20000;
  expect_reported_once(run_program(drawing_both_plots("cut_plot", "\n"), kPipe, "keyboard.txt", kLimit),
                       not_written("cut_plot", "File too large"));
  EXPECT_EQ(std::filesystem::file_size("cut_plot"), kLimit);
  EXPECT_EQ(file_lines("cut_plot").at(0), "%!");
}

// The console's reader has gone before the first line: the run is one whose
// output was lost, yet the plot it drew is complete.
TEST_F(WriteFailures, ConsoleWhoseReaderHasGoneLeavesThePlotComplete) {
  const ProcessRun r = run_program(drawing_both_plots("both.ps"), kReaderGone);
  EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(1, ""));
  const Lines plot = file_lines("both.ps");
  ASSERT_GT(plot.size(), 5u);
  EXPECT_EQ(Lines(plot.end() - 5, plot.end()),
            (Lines{"showpage", "%%End Page", "%%Trailer", "%%Pages:   2", "%%EOF"}));
  EXPECT_EQ(count(plot, "%%Page:   2   2"), 1);
}

// The page format cannot be saved for the next run, whether the defaults
// file cannot be written (a link to a full device) or not even created (a
// directory of that name): said as when it cannot be opened, and the run's
// output is incomplete.
TEST_F(WriteFailures, DefaultsFileThatCannotBeSaved) {
  for (const bool created : {true, false}) {
    if (created) {
      std::filesystem::create_symlink("/dev/full", "vondt9_ini.txt");
    } else {
      std::filesystem::create_directory("vondt9_ini.txt");
    }
    // One that cannot be opened asks whether to resume first.
    const auto s = dialogue::run(std::string("\n10\n\n") + (created ? "" : "\n") + "f.ps\n20\n\n9999\n");
    EXPECT_EQ(s.status, 1) << created;
    EXPECT_TRUE(has_in_order(s.lines, {{" updating or creating vondt9_ini.txt"},
                                       {" Could not update or create vondt9_ini.txt",
                                        " => altered defaults are not saved for next run", " => Proceeding"},
                                       {" The PostScript plot file is closed"}}));
    EXPECT_EQ(count(s.lines, " vondt9_ini.txt updated or created"), 0);
    std::filesystem::remove("vondt9_ini.txt");
  }
}

// The keyboard's answers read from a file or a pipe: a plot file named as
// that file would cut short the answers still to come, or be read back as
// answers. So with the standard error's file, and the terminal the console
// is on, by its name /dev/tty too. Refused whatever the name, asked again,
// and the file in use is left as it was.
TEST_F(WriteFailures, PlotFileOnTheFileTheKeyboardReadsIsRefused) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"keyboard.txt", "\"$VPK\" <keyboard.txt", ""},
      {"/dev/stdin", "cat keyboard.txt | \"$VPK\"", ""},
      {"/proc/self/fd/0", "cat keyboard.txt | \"$VPK\"", ""},
      {"e.txt", "\"$VPK\" <keyboard.txt 2>e.txt", "e.txt"},
      // At a terminal of its own, whose line ends are left as the program writes them.
      {"/dev/tty", "script -qec 'stty -onlcr; \"$VPK\" <keyboard.txt' /dev/null", ""}};
  for (const auto& [name, line, in_use] : cases) {
    SCOPED_TRACE(name);
    const std::string answers = "\n10\n\n" + name + "\n\n1\nk.ps\n20\n\n9999\n";
    std::ofstream("keyboard.txt") << answers;
    const ProcessRun r = run_shell(line);
    EXPECT_EQ(std::tuple(r.status, r.err, file_text("keyboard.txt")), std::tuple(0, "", answers));
    EXPECT_EQ(file_text(in_use.empty() ? "keyboard.txt" : in_use), in_use.empty() ? answers : "");
    EXPECT_TRUE(has_in_order(split_lines(r.out), {{" COULD NOT OPEN PostScript plot FILE"},
                                                  {" The PostScript plot file is closed"}}));
  }
}

}  // namespace
