// The PostScript device: the plot file's life cycle, paths, colours, text.
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "gral/angles.h"
#include "gral/text.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

const float kInf = std::numeric_limits<float>::infinity(), kNan = std::numeric_limits<float>::quiet_NaN();
const std::string kFont = "14 /Helvetica findfont exch scalefont setfont";

class PsDev : public PlotFileTest {
 protected:
  // Fresh records (colour 2 red, 16 blue-green) and a console answering
  // from the script; warnings do not pause.
  Console& start(const std::string& keyboard, bool colour = true) {
    console_.emplace(keyboard);
    reset_records();
    iocom.LPAUSE = false;
    trigoset();
    plt2blk.LCOLORPLOT = colour;
    plt2blk.RED(2) = plt2blk.BLUE(16) = 100.0f;
    plt2blk.GREEN(16) = 50.0f;
    plt2blk.ILINECOLOR = plt2blk.ITEXTCOLOR = plt2blk.IFILLSTYLE = 1;
    plt2blk.ITEXTALIGN = -1;
    return *console_;
  }
  // A plot file opened on a fresh console; the opening is not on screen.
  void open_plot(const std::string& name = "plot.ps") {
    start("y\n");
    file_.emplace(name);
    console_->clear();
  }

  std::optional<Console> console_;
  std::optional<DeviceFile> file_;
};

// The colour cache writes the colour in force (kind 0), the fill colour
// only when it is not the one in force (kind 2), and stays true across a
// page break.
TEST_F(PsDev, PageBreaksCountPagesKeepTheColourCacheAndTheRunEndFinishesAnOpenPlot) {
  open_plot();
  iocom.LPLTOPEN = true;
  float x = 10.0f, y = 20.0f;
  psmoveto(x, y, 1);
  psstrokepath();
  plt2blk.IFILLCOLOR = 2;
  psrgbcolor(0);  // colour 1, in force
  psrgbcolor(2);  // red
  psrgbcolor(2);  // cached
  intnewpage();
  psrgbcolor(2);  // still cached on the new page
  psrgbcolor(0);
  plt2blk.ILINECOLOR = 2;
  psrgbcolor(1);            // cached
  psrgbcolor(7);            // no such kind
  psparams_90.IPAGE = 999;  // page numbers outgrow their fields
  intnewpage();
  psmoveto(x, y, 1);
  EXPECT_EQ(run_status([] { gral::end_run(1, false); }), 1);
  EXPECT_FALSE(psdev::plot_file_open());
  const auto all = file_lines("plot.ps");
  // clang-format off
  EXPECT_EQ(Lines(all.begin() + static_cast<long>(file_->mark()), all.end()),
            (Lines{"newpath", "10.00 20.00 moveto", "stroke", " 0.000  0.000  0.000 setrgbcolor",
                   " 1.000  0.000  0.000 setrgbcolor", "gsave showpage", "%%End Page", "grestore", "%%Page:   2   2",
                   " 1.000  0.000  0.000 setrgbcolor", "gsave showpage", "%%End Page", "grestore", "%%Page: 1000 1000",
                   "newpath", "10.00 20.00 moveto", "stroke", "showpage", "%%End Page", "%%Trailer", "%%Pages: 1000",
                   "%%EOF"}));
  // clang-format on
}

TEST_F(PsDev, PlotFileThatCouldNotBeOpenedGetsNothing) {
  start("y\nn\n");  // keep the defaults; do not stop after the failed opening
  std::string name = "no_such_dir/plot.ps";
  intplinit(name, 1);
  EXPECT_FALSE(psdev::plot_file_open());
  float x[] = {1.0f, 2.0f}, y[] = {1.0f, 2.0f};
  deline(x, y, 2);
  intnewpage();
  intplend();
  // Nor does a file opened later on the plot's unit receive the drawing.
  gral::open_unit(50, "other.txt", "unknown", "write");
  deline(x, y, 2);
  gral::close_unit(50);
  EXPECT_TRUE(file_lines("other.txt").empty());
}

TEST_F(PsDev, PathsStrokedBeforeOtherOutputAndDrawsWithoutAPathBeginAtTheirFirstPoint) {
  open_plot();
  float x[] = {0.0f, 100.0f, 50.5f}, y[] = {0.0f, 0.0f, 85.05f};
  plt2blk.IFILLSTYLE = 0;
  depolygon(x, y, 3);
  deline(x, y, 0);
  depolygon(x, y, -1);
  psmoveto(x[1], y[1], 1);
  intslinewidth(0.567f);
  intslinewidth(kNan);
  psmoveto(x[2], y[2], 0);  // a current point, but no path begun
  pslineto(x, y, 1);
  psstrokepath();
  pslineto(x + 1, y + 1, 2);  // no current point at all
  plt2blk.ITEXTCOLOR = 16;
  detext2(x[0], y[0], "a");
  EXPECT_EQ(count(console_->lines(), " Path begins with Draw instead of Move"), 2);
  EXPECT_EQ(file_->drawn(),
            lines({{"newpath", "0.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto", "closepath",
                    "stroke"},
                   {"newpath", "100.00 0.00 moveto", "stroke", "0.57 setlinewidth"},
                   {"50.50 85.05 moveto", "0.00 0.00 lineto", "stroke"},
                   {"100.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto", "stroke"},
                   {"0.00 0.00 moveto", kFont, " 0.000  0.500  1.000 setrgbcolor", "(a) show"}}));
}

// A file that cannot be written is reported where the failure is first seen,
// in the middle of a page, and once: neither the records that follow nor the
// closing report it again.
TEST_F(PsDev, PlotFileThatCannotBeWrittenIsReportedOnceWhereTheFailureIsSeen) {
  start("y\n\n");  // keep the defaults; the frame's pause
  iocom.LPAUSE = true;
  std::string name = "/dev/full";
  intplinit(name, 1);
  // Some 200 KB of points: the file's buffer fills again and again.
  std::vector<float> x(10000), y(10000);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = float(i % 500), y[i] = float(i / 20);
  deline(x.data(), y.data(), 10000);
  const Lines drawing = console_->lines();
  intplend();
  EXPECT_TRUE(has_in_order(
      drawing,
      {error_frame("intplinit  ", {" COULD NOT WRITE PostScript plot FILE", " File name = /dev/full",
                                   " Reason = No space left on device", " ===> PLOT FILE INCOMPLETE"})}));
  EXPECT_EQ(count(console_->lines(), " COULD NOT WRITE PostScript plot FILE"), 1);
  EXPECT_FALSE(psdev::plot_file_open());
}

// Each warning names its routine in 11 columns.
TEST_F(PsDev, CoordinatesBeyondTheBoundAreClampedInfinitiesTooNaNAndTinyTextDropped) {
  open_plot();
  float x[] = {1e8f, 99000000.0f, -kInf}, y[] = {0.0f, 1.0f, kInf};
  deline(x, y, 3);
  EXPECT_TRUE(
      has_in_order(console_->lines(), {{" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05"},
                                       {" x in meters =  -Infinity", " ==> reset to xmin = -0.349E+05"},
                                       {" y in meters =   Infinity", " ==> reset to ymax =  0.349E+05"}}));
  float xn[] = {1.0f, kNan}, yn[] = {1.0f, 2.0f};
  deline(xn, yn, 2);
  depolygon(xn, yn, 2);
  detext2(xn[1], yn[1], "text");
  // A font scaled to 0 points is singular: showing with it would end the file.
  intstextsize(0.03f);
  detext2(xn[0], yn[0], "tiny");
  EXPECT_EQ(lines_with(console_->lines(), " ///          subroutine").size(), 7u);
  EXPECT_EQ(count(console_->lines(), " ===> NOTHING DRAWN"), 4);
  EXPECT_EQ(count(console_->lines(), " Text height is below one point"), 1);
  EXPECT_EQ(file_->drawn(), (Lines{"newpath", " 99000000. 0.00 moveto", " 99000000. 1.00 lineto",
                                   "-99000000.  99000000. lineto", "stroke"}));
}

// A text's parentheses stand as given when they balance; a backslash and an
// unbalanced parenthesis are escaped, so every text is a PostScript string.
TEST_F(PsDev, TextJustificationAnglesAndEscapes) {
  const std::string s = "(a\\\\b (MPa)", centre = "dup stringwidth pop -2 div 0 rmoveto",
                    right = "dup stringwidth pop -1 div 0 rmoveto";
  // Alignment, angle and text: the text at 100, 200 shifted by a half or whole text height.
  // clang-format off
  const std::tuple<std::int32_t, float, const char*, Lines> cases[] = {
      {-2, 0, "a\\b (MPa)", {"100.00 200.00 moveto", kFont, s + ")", centre, "show"}},
      {1, 0, "a\\b (MPa)", {"100.00 200.00 moveto", kFont, s + "           ) show"}},
      {3, 0, "a\\b (MPa)", {"100.00 200.00 moveto", kFont, s + "           )", right, "show"}},
      {-5, 90, "a)b", {"107.09 200.00 moveto", "  90.00 rotate", kFont, "(a\\)b) show", " -90.00 rotate"}},
      {-10, 30, "((x)", {"107.09 187.72 moveto", "  30.00 rotate", kFont, "(\\((x))", centre, "show", " -30.00 rotate"}},
  };
  // clang-format on
  int i = 0;
  for (const auto& [align, angle, text, want] : cases) {
    open_plot("t" + std::to_string(++i) + ".ps");
    plt2blk.ITEXTALIGN = align;
    plt2blk.TEXTANGLE = angle;
    float x = 100.0f, y = 200.0f;
    detext2(x, y, fixed::fit(text, 20));
    EXPECT_EQ(file_->drawn(), want);
  }
  // Fonts 2 to 16 in turn, each reaching the file with the next text.
  open_plot();
  plt2blk.ITEXTALIGN = -5;
  const char* texts[] = {"Shmin (MPa)", "a(b", "\\", "(a)b)c(", ")("};
  for (std::int32_t f = 2; f <= 16; ++f) {
    intstextfont(f);
    float x = 10.0f, y = 20.0f;
    detext2(x, y, texts[(f - 2) % 5]);
  }
  Lines fonts;
  for (const char* f :
       {"Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique", "Times-Roman", "Times-Bold",
        "Times-Italic", "Times-BoldItalic", "Courier", "Courier-Bold", "Courier-Oblique",
        "Courier-BoldOblique", "Symbol", "Symbol-Bold", "Symbol-Oblique", "Symbol-BoldOblique"})
    fonts.push_back("14 /" + std::string(f) + " findfont exch scalefont setfont");
  const Lines drawn = file_->drawn(), escaped = {"(Shmin (MPa)) show", "(a\\(b) show", "(\\\\) show",
                                                 "((a)b\\)c\\() show", "(\\)\\() show"};
  EXPECT_EQ(lines_with(drawn, "14 /"), fonts);
  EXPECT_EQ(lines_with(drawn, "("), lines({escaped, escaped, escaped}));
}

// The opening: banner and defaults at output level 2 only, the format menu
// on "no", the defaults file read, rewritten or its failure reported, an
// even option asking for the name; and the page format and colour of the
// whole file.
TEST_F(PsDev, OpeningByDefaultsFileAnswerOutputLevelAndOption) {
  // clang-format off
  const Lines banner = {" @ subroutine intplinit             v9.1 2024-05-29", " @               Vectral PS Library               @",
      " @          Version 10.2  on  2024-05-29          @"}, defaults = {"              Default Settings:", kDashes,
      " Orientation and size = Portrait US Letter  ", kDashes, kDots, " Use default settings ?"};
  const Lines opening = {" @ subroutine opef1                 v1.1 2024-05-29",
                         " @=================================================", " OPENING PostScript plot FILE"};
  const std::string a4 = "%%BoundingBox:    0    0  595  842", us = "%%BoundingBox:    0    0  612  792",
                    turn_a4 = " 595    0 translate 90 rotate", turn_us = " 612    0 translate 90 rotate";
  // The defaults file (none when null, a directory when "/"), the keys, output level 2, colour, the
  // option; the page set-up lines of the file, the defaults record written, if any, and what is shown.
  using Case = std::tuple<const char*, std::string, bool, bool, std::int32_t, Lines, const char*, std::vector<Lines>>;
  const Case cases[] = {
      {nullptr, "y\n", true, false, 1, {a4}, "  1 'Portrait A4'", {}},
      {"0\n", "y\n", true, true, 1, {a4}, "  1 'Portrait A4'", {}},
      {"5\n", "y\n", true, false, 1, {a4}, "  1 'Portrait A4'", {}},
      {"landscape\n", "y\n", true, true, 1, {a4}, "  1 'Portrait A4'", {}},
      {"2\n", "y\n", true, false, 1, {us}, nullptr, {{banner[0]}, {banner[1]}, {banner[2]}, defaults, opening}},
      {"\n  3 'Landscape A4'\n  \n", "y\n", true, true, 1, {a4, turn_a4}, nullptr, {}},
      {"  3 'Landscape A4'\n", "n\n4\n", true, false, 1, {us, turn_us}, "  4 'Landscape US Letter'", {}},
      {"  3 'Landscape A4'\n", "n\n3\n", false, true, 1, {a4, turn_a4}, "  3 'Landscape A4'",
       {{" Use default settings ?", " New value =  No "}, {" Landscape US Letter  .................. 4", " Enter command"}, {" New value =             3"}, opening}},
      {"/", "y\ny\n\n", true, false, 1, {a4}, nullptr,
       {{kDashes, " updating or creating vondt9_ini.txt"}, {" Could not update or create vondt9_ini.txt",
        " => altered defaults are not saved for next run", " => Proceeding", kDashes}, opening}},
      {"1\n", "y\nnamed.ps\n", true, true, 2, {a4}, nullptr, {opening, {" Enter PostScript plot file name"}}},
  };
  // clang-format on
  float x[] = {0.0f, 10.0f, 0.0f}, y[] = {0.0f, 0.0f, 10.0f};
  int i = 0;
  for (const auto& [defaults, keys, level2, colour, iopt, format, record, shown] : cases) {
    SCOPED_TRACE(testing::Message() << "file " << (defaults ? defaults : "missing") << " keys " << keys);
    std::filesystem::remove_all("vondt9_ini.txt");
    const bool directory = defaults && *defaults == '/';
    if (directory) std::filesystem::create_directory("vondt9_ini.txt");
    if (defaults && !directory) std::ofstream("vondt9_ini.txt") << defaults;
    const auto& con = start(keys, colour);
    iocom.LWITO(2) = level2;
    plt2blk.ILINECOLOR = 2;
    plt2blk.IFILLCOLOR = 16;
    std::string file = "p" + std::to_string(++i) + ".ps", name = fixed::fit(file, 20);
    intplinit(name, iopt);
    depolygon(x, y, 3);
    intplend();
    EXPECT_TRUE(has_in_order(con.lines(), shown));
    // Answering no shows the formats.
    EXPECT_EQ(count(con.lines(), " Landscape US Letter  .................. 4"), keys[0] == 'n');
    EXPECT_EQ(count(con.lines(), " vondt9_ini.txt updated or created"), record ? 1 : 0);
    if (!directory) {
      EXPECT_EQ(file_lines("vondt9_ini.txt"), (record ? Lines{record, "  "} : split_lines(defaults)));
    }
    if (iopt == 2) file = "named.ps";
    EXPECT_EQ(gral::trimmed(name), file) << "the name handed back";
    // Black and white fills grey and writes no colour lines.
    // clang-format off
    const Lines fill = colour ? Lines{" 0.000  0.500  1.000 setrgbcolor fill grestore", " 1.000  0.000  0.000 setrgbcolor"}
                              : Lines{" 0.500 setgray fill grestore"};
    EXPECT_EQ(file_lines(file), lines({{"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)"}, format,
        colour ? Lines{" 0.000  0.000  0.000 setrgbcolor"} : Lines{}, {"% Ready to go", "%%Page:    1    1", "newpath",
        "0.00 0.00 moveto", "10.00 0.00 lineto", "0.00 10.00 lineto", "closepath gsave"}, fill,
        {"stroke", "showpage", "%%End Page", "%%Trailer", "%%Pages:   1", "%%EOF"}}));
    // clang-format on
  }
}

}  // namespace
