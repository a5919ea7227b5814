// The plot file from the main menu: opened, opened again, closed, closed
// again; plot requests paging through the new-page menu; the attributes
// menu changing what the next page gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "session.h"
#include "support/plotfiles.h"

namespace {

using dialogue::run;
using testing_support::count;
using testing_support::file_lines;
using testing_support::Lines;

class PlotFile : public testing_support::PlotFileTest {};

// The file ends with its trailer and the page count.
bool finished(const std::string& file, const std::string& pages) {
  const auto all = file_lines(file);
  return all.size() > 5 &&
         Lines(all.end() - 5, all.end()) == Lines{"showpage", "%%End Page", "%%Trailer", pages, "%%EOF"};
}

TEST_F(PlotFile, OpenTwiceCloseTwice) {
  // Header; 10, the page format and the name; 10 and the warning's pause;
  // 20 and its Return; 20 and the pause; quit.
  auto s = run("\n10\ny\nf1.ps\n10\n\n20\n\n20\n\n9999\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(
      s.shows({{" Enter PostScript plot file name"},
               {" UPDATING PLOT ATTRIBUTESS"},
               {" ///          subroutine plinit                 ///"},
               {" Plot file or window is already opened", " ==> appending to current plot file/window"},
               {" Enter CR = Return to close the PostScript file"},
               {" The PostScript plot file is closed"},
               {" ///          subroutine plend                  ///"},
               {" The plot window or file is already closed"},
               {dialogue::kTrailer}}));
  EXPECT_TRUE(finished("f1.ps", "%%Pages:   1"));
  EXPECT_EQ(count(file_lines("f1.ps"), "0.57 setlinewidth"), 1);
}

TEST_F(PlotFile, PlotRequestsPageThroughTheNewPageMenu) {
  // 100 opens f2.ps; 100 again, a new page (0); 200 on the same page (2);
  // 200 and a new file (1): f2.ps is closed before f3.ps is named; 9999
  // closes f3.ps.
  auto s = run("\n100\ny\nf2.ps\n100\n0\n200\n2\n200\n1\n\ny\nf3.ps\n9999\n\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(count(s.lines, " IT IS SUGGESTED TO CLEAR THE PLOT"), 3);
  EXPECT_TRUE(s.shows(
      {{" New value =             1"},
       {" Enter CR = Return to close the PostScript file"},
       {" The PostScript plot file is closed"},
       {" Enter PostScript plot file name", " or return for default value", " Default = Next_plot"}}));
  EXPECT_TRUE(finished("f2.ps", "%%Pages:   2"));
  EXPECT_EQ(count(file_lines("f2.ps"), "%%Page:   2   2"), 1);
  EXPECT_TRUE(finished("f3.ps", "%%Pages:   1"));
}

TEST_F(PlotFile, AttributesMenuChangesWhatTheNextPageGets) {
  // 10 opens f4.ps; 12: line width 0.1 cm, font 6, line colour 2 and
  // colour 2 made (30, 20, 10) %; 100 on a new page (0), then 200 in a new
  // file (1), which gets the width and the font again.
  auto s =
      run("\n10\ny\nf4.ps\n12\n10\n0.1\n30\n6\n12\n2\n50\n200\n2\n30\n30\n20\n10\n99\n99\n99\n"
          "100\n0\n200\n1\n\ny\nf5.ps\n9999\n\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(s.shows({{" |   2 |  Red     |   30.0 |   20.0 |   10.0 |"}}));
  const auto f4 = file_lines("f4.ps");
  const auto page2 = std::find(f4.begin(), f4.end(), "%%Page:   2   2");
  EXPECT_EQ(count(Lines(f4.begin(), page2), "2.84 setlinewidth"), 1);
  const Lines drawn(page2, f4.end());
  EXPECT_GT(count(drawn, "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_GT(count(drawn, " 0.300  0.200  0.100 setrgbcolor"), 0);
  EXPECT_TRUE(finished("f4.ps", "%%Pages:   2"));
  const auto f5 = file_lines("f5.ps");
  EXPECT_EQ(count(f5, "2.84 setlinewidth"), 1);
  EXPECT_GT(count(f5, "14 /Times-Bold findfont exch scalefont setfont"), 0);
  EXPECT_TRUE(finished("f5.ps", "%%Pages:   1"));
}

TEST_F(PlotFile, InputEndingWithThePlotOpenFinishesTheFile) {
  auto s = run("\n200\ny\nf6.ps\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(finished("f6.ps", "%%Pages:   1"));
}

TEST_F(PlotFile, ColourTableFromAFileIsShownAndUsed) {
  // Three colours, colour 3 sea blue; the polygon's regimes are filled in
  // colours 16, 3 and 13, that is 1, 3 and 1 of the shorter table.
  std::ofstream("colours.txt") << "3\n0 100 100 100 White\n1 0 0 0 Black\n2 100 0 0 Red\n"
                                  "3 10 20 30 \"Sea blue\"\n";
  auto s = run("\n12\n50\n300\ncolours.txt\n\n99\n99\n100\ny\nf7.ps\n\n\n\n\n9999\n\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_TRUE(
      s.shows({{" |   3 |  Sea blue|   10.0 |   20.0 |   30.0 |",
                " -------------------------------------------", " change nb of colors ..........100    3"}}));
  EXPECT_EQ(count(file_lines("f7.ps"), " 0.100  0.200  0.300 setrgbcolor fill grestore"), 1);
}

}  // namespace
