// The plot file from the main menu: opened, opened again, closed, closed
// again; the attributes menu and a colour table changing what the next page
// gets; both plots paging through the new-page menu as a new user draws
// them, typed and from a command file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
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

TEST_F(PlotFile, AttributesMenuAndColourTableChangeWhatTheNextPageGets) {
  // 10 opens f4.ps; 12: line width 0.1 cm, font 6, line colour 2 and colour 2 made (30, 20, 10) %; 100 on a
  // new page (0), then 200 in a new file (1), which gets the width and the font again.
  auto s =
      run("\n10\ny\nf4.ps\n12\n10\n0.1\n30\n6\n12\n2\n50\n200\n2\n30\n30\n20\n10\n99\n99\n99\n"
          "100\n0\n200\n1\n\ny\nf5.ps\n9999\n\n");
  EXPECT_TRUE(has_in_order(s.lines, {{" |   2 |  Red     |   30.0 |   20.0 |   10.0 |"}}));
  const auto f4 = file_lines("f4.ps"), f5 = file_lines("f5.ps");
  EXPECT_EQ(count(page_lines(f4, 1), "2.84 setlinewidth"), 1);
  EXPECT_GT(count(page_lines(f4, 2), "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_GT(count(page_lines(f4, 2), " 0.300  0.200  0.100 setrgbcolor"), 0);
  EXPECT_EQ(count(f5, "2.84 setlinewidth"), 1);
  EXPECT_GT(count(f5, "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_TRUE(finished("f4.ps", "%%Pages:   2") && finished("f5.ps", "%%Pages:   1"));

  // A table of three colours read from a file, colour 3 sea blue: the polygon's regimes are filled in colours
  // 16, 3 and 13, that is 1, 3 and 1 of the shorter table.
  std::ofstream("colours.txt")
      << "3\n0 100 100 100 White\n1 0 0 0 Black\n2 100 0 0 Red\n3 10 20 30 \"Sea blue\"\n";
  s = run("\n12\n50\n300\ncolours.txt\n\n99\n99\n100\ny\nf7.ps\n\n\n\n\n9999\n\n");
  EXPECT_TRUE(has_in_order(s.lines, {{" |   3 |  Sea blue|   10.0 |   20.0 |   30.0 |",
                                      " -------------------------------------------",
                                      " change nb of colors ..........100    3"}}));
  EXPECT_EQ(count(file_lines("f7.ps"), " 0.100  0.200  0.300 setrgbcolor fill grestore"), 1);
}

TEST_F(PlotFile, BothPlotsPagedThroughTheNewPageMenuTypedAndFromACommandFile) {
  // 100 opens run.ps; 100 again on a new page (0); 200 on the same page (2); 200 and a new file (1): run.ps
  // is closed before f3.ps is named; 20 and its Return close f3.ps; quit.
  const std::string answers = "100\ny\nrun.ps\n100\n0\n200\n2\n200\n1\n\ny\nf3.ps\n20\n\n9999\n";
  // Shmin at 5000 m under the start-up values, in total stress.
  const double t = std::tan(std::atan(0.85) / 2.0 + std::numbers::pi / 4.0), k = t * t;
  const double shmin = (k - 1.0) / k * (9.81e-6 * 5000.0 * 1000.0) + 9.81e-6 * 5000.0 * 2530.0 / k;
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
    // Each page carries its own command, axes and parameters, and one polygon in its three regimes.
    const Lines file = file_lines("run.ps");
    for (auto [n, shown] :
         {std::pair{1, Lines{"varnholt_pk_1.5 Command = 100", "Shmin (MPa)", "Shmax (MPa)", "50"}},
          {2, {"varnholt_pk_1.5 Command = 200", "Stress (MPa)", "Depth (m)", "1000"}}}) {
      const Lines page = page_lines(file, n), texts = texts_of(marks_of(page));
      for (const auto& t :
           shown + Lines{"Total stress", "Sv = 24.819 MPa", "T = 10.00 MPa", "Depth = 1000.00 m"})
        EXPECT_GT(std::ranges::count(texts, t), 0) << n << t;
      EXPECT_EQ(lines_with(page, "", "fill grestore").size(), 3u);
    }
    // The depth plot's last curve ends at the bottom of subplot 2.
    const PageMarks p2 = marks_of(page_lines(file, 2));
    ASSERT_FALSE(p2.paths.empty());
    EXPECT_TRUE(near(p2.paths.back().back(), cm_point(3.0 + shmin * 15.0 / 500.0, 3.0)));
  }
}

}  // namespace
