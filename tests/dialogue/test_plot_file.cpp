// The plot file from the main menu: opened, opened again, closed, closed
// again; the attributes menu changing what the next page gets; both plots
// paging through the new-page menu as a new user draws them, typed and from
// a command file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "session.h"
#include "support/plotpage.h"

namespace {

using dialogue::run;
using namespace testing_support;

class PlotFile : public PlotFileTest {};

// The file ends with its trailer and the page count.
bool finished(const std::string& file, const std::string& pages) {
  const auto all = file_lines(file);
  return all.size() > 5 &&
         Lines(all.end() - 5, all.end()) == Lines{"showpage", "%%End Page", "%%Trailer", pages, "%%EOF"};
}

TEST_F(PlotFile, OpenTwiceCloseTwiceAndInputEndingWithTheFileOpen) {
  // 10, the page format and the name; 10 and the warning's pause; 20 and its Return; 20 and the pause; quit.
  auto s = run("\n10\ny\nf1.ps\n10\n\n20\n\n20\n\n9999\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(has_in_order(
      s.lines, {{" UPDATING PLOT ATTRIBUTESS"},
                {" Plot file or window is already opened", " ==> appending to current plot file/window"},
                {" The PostScript plot file is closed"},
                {" The plot window or file is already closed"},
                {dialogue::kTrailer}}));
  EXPECT_TRUE(finished("f1.ps", "%%Pages:   1"));
  EXPECT_EQ(count(file_lines("f1.ps"), "0.57 setlinewidth"), 1);
  EXPECT_EQ(run("\n200\ny\nf6.ps\n").status, 0);
  EXPECT_TRUE(finished("f6.ps", "%%Pages:   1"));
}

TEST_F(PlotFile, AttributesMenuChangesWhatTheNextPageGets) {
  // 10 opens f4.ps; 12: line width 0.1 cm, font 6, line colour 2 and colour 2 made (30, 20, 10) %; 100 on a
  // new page (0), then 200 in a new file (1), which gets the width and the font again.
  run("\n10\ny\nf4.ps\n12\n10\n0.1\n30\n6\n12\n2\n50\n200\n2\n30\n30\n20\n10\n99\n99\n99\n"
      "100\n0\n200\n1\n\ny\nf5.ps\n9999\n\n");
  const auto f4 = file_lines("f4.ps"), f5 = file_lines("f5.ps");
  EXPECT_EQ(count(page_lines(f4, 1), "2.84 setlinewidth"), 1);
  EXPECT_GT(count(page_lines(f4, 2), "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_GT(count(page_lines(f4, 2), " 0.300  0.200  0.100 setrgbcolor"), 0);
  EXPECT_EQ(count(f5, "2.84 setlinewidth"), 1);
  EXPECT_GT(count(f5, "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_TRUE(finished("f4.ps", "%%Pages:   2") && finished("f5.ps", "%%Pages:   1"));
}

TEST_F(PlotFile, BothPlotsPagedThroughTheNewPageMenuTypedAndFromACommandFile) {
  // 100 opens run.ps; 100 again on a new page (0); 200 on the same page (2); 200 and a new file (1): run.ps
  // is closed before f3.ps is named; 20 and its Return close f3.ps; quit.
  const std::string answers = "100\ny\nrun.ps\n100\n0\n200\n2\n200\n1\n\ny\nf3.ps\n20\n\n9999\n";
  std::ofstream("plots.cmd") << answers;
  for (const std::string& keyboard : {"\n" + answers, std::string("\n5000\n5001\nplots.cmd\n")}) {
    SCOPED_TRACE(keyboard);
    const auto s = run(keyboard);
    EXPECT_EQ(s.status, 0);
    // Typed, the new-page menu advises three times, and the new file's name is asked after the old one
    // closed.
    EXPECT_TRUE(keyboard.starts_with("\n5000") ||
                (count(s.lines, " IT IS SUGGESTED TO CLEAR THE PLOT") == 3 &&
                 has_in_order(s.lines, {{" New value =             1"},
                                        {" Enter CR = Return to close the PostScript file"},
                                        {" The PostScript plot file is closed"},
                                        {" Enter PostScript plot file name", " or return for default value",
                                         " Default = Next_plot"}})));
    EXPECT_TRUE(finished("run.ps", "%%Pages:   2") && finished("f3.ps", "%%Pages:   1"));
    // Each page carries its own command and axes, and one polygon in its three regimes.
    for (auto [n, shown] :
         {std::pair{1, Lines{"varnholt_pk_1.5 Command = 100", "Shmin (MPa)", "Shmax (MPa)"}},
          {2, {"varnholt_pk_1.5 Command = 200", "Stress (MPa)", "Depth (m)"}}}) {
      const Lines page = page_lines(file_lines("run.ps"), n), texts = texts_of(marks_of(page));
      for (const auto& t : shown) EXPECT_GT(std::ranges::count(texts, t), 0) << n << t;
      EXPECT_EQ(lines_with(page, "", "fill grestore").size(), 3u);
    }
  }
}

}  // namespace
