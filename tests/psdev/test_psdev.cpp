// The PostScript device: the plot file's life cycle, paths, colours, text.
#include <limits>
#include <optional>
#include <tuple>

#include "gral/angles.h"
#include "gral/text.h"
#include "gral/units.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "support/expect.h"
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

  // Opens name with the default page format and the scale, font and text
  // size the plot library sets.
  void open_plot(const std::string& name = "plot.ps") {
    start("y\n");
    intplinit(name_ = name, 1);
    scm2de();
    intstextfont(1);
    intstextsize(0.5f);
    gral::flush_units();
    mark_ = file_lines(name_).size();
    console_->clear();
  }

  // Closes the plot; the lines drawn since open_plot, without the trailer.
  Lines close_and_drawn() {
    intplend();
    const auto all = file_lines(name_);
    return all.size() < mark_ + 5 ? Lines{"file cut short"} : Lines(all.begin() + mark_, all.end() - 5);
  }

  std::optional<Console> console_;
  std::string name_;
  std::size_t mark_ = 0;
};

TEST_F(PsDev, DefaultsFileChoosesThePageFormatOfTheWholeFileInColourOrNot) {
  const Lines format_lines[] = {{},
                                {"%%BoundingBox:    0    0  595  842"},
                                {"%%BoundingBox:    0    0  612  792"},
                                {"%%BoundingBox:    0    0  595  842", " 595    0 translate 90 rotate"},
                                {"%%BoundingBox:    0    0  612  792", " 612    0 translate 90 rotate"}};
  // The defaults file, the answers, the format taken and the record written.
  const std::tuple<const char*, std::string, int, const char*> cases[] = {
      {nullptr, "y\n", 1, "  1 'Portrait A4'"},
      {"0\n", "y\n", 1, "  1 'Portrait A4'"},
      {"5\n", "y\n", 1, "  1 'Portrait A4'"},
      {"landscape\n", "y\n", 1, "  1 'Portrait A4'"},
      {"2\n", "y\n", 2, nullptr},
      {"\n  3 'Landscape A4'\n  \n", "y\n", 3, nullptr},
      {"  3 'Landscape A4'\n", "n\n4\n", 4, "  4 'Landscape US Letter'"},
      {"  3 'Landscape A4'\n", "n\n3\n", 3, "  3 'Landscape A4'"},
  };
  float x[] = {0.0f, 10.0f, 0.0f}, y[] = {0.0f, 0.0f, 10.0f};
  int i = 0;
  for (const auto& [file, keys, format, rewritten] : cases) {
    for (bool colour : {false, true}) {
      SCOPED_TRACE(testing::Message() << "file " << (file ? file : "missing") << " keys " << keys << colour);
      std::filesystem::remove("vondt9_ini.txt");
      if (file) std::ofstream("vondt9_ini.txt") << file;
      const auto& con = start(keys, colour);
      plt2blk.ILINECOLOR = 2;
      plt2blk.IFILLCOLOR = 16;
      std::string name = "d" + std::to_string(++i) + ".ps";
      intplinit(name, 1);
      depolygon(x, y, 3);
      intplend();
      // Answering no shows the formats.
      EXPECT_EQ(count(con.lines(), " Landscape US Letter  .................. 4"), keys[0] == 'n');
      EXPECT_EQ(count(con.lines(), " vondt9_ini.txt updated or created"), rewritten ? 1 : 0);
      EXPECT_EQ(file_lines("vondt9_ini.txt"), (rewritten ? Lines{rewritten, "  "} : split_lines(file)));
      // Black and white fills grey and writes no colour lines.
      const Lines fill =
          colour ? Lines{" 0.000  0.500  1.000 setrgbcolor fill grestore", " 1.000  0.000  0.000 setrgbcolor"}
                 : Lines{" 0.500 setgray fill grestore"};
      EXPECT_EQ(file_lines(name),
                lines({{"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)"},
                       format_lines[format],
                       colour ? Lines{" 0.000  0.000  0.000 setrgbcolor"} : Lines{},
                       {"% Ready to go", "%%Page:    1    1", "newpath", "0.00 0.00 moveto",
                        "10.00 0.00 lineto", "0.00 10.00 lineto", "closepath gsave"},
                       fill,
                       {"stroke", "showpage", "%%End Page", "%%Trailer", "%%Pages:   1", "%%EOF"}}));
    }
  }
}

TEST_F(PsDev, PageBreaksCountPagesAndTheRunEndFinishesAnOpenPlot) {
  open_plot();
  iocom.LPLTOPEN = true;
  float x = 10.0f, y = 20.0f;
  psmoveto(x, y, 1);
  intnewpage();
  psparams_90.IPAGE = 999;  // page numbers outgrow their fields
  intnewpage();
  psmoveto(x, y, 1);
  EXPECT_EQ(run_status([] { gral::end_run(1, false); }), 1);
  EXPECT_FALSE(psdev::plot_file_open());
  const auto all = file_lines("plot.ps");
  EXPECT_EQ(Lines(all.begin() + mark_, all.end()),
            (Lines{"newpath", "10.00 20.00 moveto", "stroke", "gsave showpage", "%%End Page", "grestore",
                   "%%Page:   2   2", "gsave showpage", "%%End Page", "grestore", "%%Page: 1000 1000",
                   "newpath", "10.00 20.00 moveto", "stroke", "showpage", "%%End Page", "%%Trailer",
                   "%%Pages: 1000", "%%EOF"}));
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
  EXPECT_EQ(close_and_drawn(),
            lines({{"newpath", "0.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto", "closepath",
                    "stroke"},
                   {"newpath", "100.00 0.00 moveto", "stroke", "0.57 setlinewidth"},
                   {"50.50 85.05 moveto", "0.00 0.00 lineto", "stroke"},
                   {"100.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto", "stroke"},
                   {"0.00 0.00 moveto", kFont, " 0.000  0.500  1.000 setrgbcolor", "(a) show"}}));
}

TEST_F(PsDev, CoordinatesBeyondTheBoundAreClampedInfinitiesTooNaNAndTinyTextDropped) {
  open_plot();
  float x[] = {1e8f, 99000000.0f, -kInf}, y[] = {0.0f, 1.0f, kInf};
  deline(x, y, 3);
  const auto out = console_->lines();
  // Each warning names its routine in 11 columns.
  EXPECT_EQ(count(out, " ///          subroutine   psmoveto             ///"), 1);
  EXPECT_EQ(count(out, " ///          subroutine   pslineto             ///"), 2);
  EXPECT_TRUE(has_in_order(out, {{" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05"}}));
  EXPECT_TRUE(has_in_order(out, {{" x in meters =  -Infinity", " ==> reset to xmin = -0.349E+05"}}));
  EXPECT_TRUE(has_in_order(out, {{" y in meters =   Infinity", " ==> reset to ymax =  0.349E+05"}}));
  console_->clear();
  float xn[] = {1.0f, kNan}, yn[] = {1.0f, 2.0f};
  deline(xn, yn, 2);
  depolygon(xn, yn, 2);
  detext2(xn[1], yn[1], "text");
  // A font scaled to 0 points is singular: showing with it would end the file.
  intstextsize(0.03f);
  detext2(xn[0], yn[0], "tiny");
  const Lines shown = console_->lines();
  EXPECT_EQ(count(shown, " ===> NOTHING DRAWN"), 4);
  EXPECT_EQ(count(shown, " ///          subroutine   deline               ///"), 1);
  EXPECT_EQ(count(shown, " ///          subroutine   depolygon            ///"), 1);
  EXPECT_EQ(count(shown, " ///          subroutine   detext2              ///"), 2);
  EXPECT_EQ(count(shown, " Text height is below one point"), 1);
  EXPECT_EQ(close_and_drawn(), (Lines{"newpath", " 99000000. 0.00 moveto", " 99000000. 1.00 lineto",
                                      "-99000000.  99000000. lineto", "stroke"}));
}

TEST_F(PsDev, TextJustificationAnglesAndEscapes) {
  const std::string s = "(a\\\\b (MPa)", centre = "dup stringwidth pop -2 div 0 rmoveto",
                    right = "dup stringwidth pop -1 div 0 rmoveto";
  // Alignment and angle: the text at 100, 200 shifted by a half or whole text height.
  const std::tuple<std::int32_t, float, Lines> cases[] = {
      {-2, 0, {"100.00 200.00 moveto", kFont, s + ")", centre, "show"}},
      {1, 0, {"100.00 200.00 moveto", kFont, s + "           ) show"}},
      {3, 0, {"100.00 200.00 moveto", kFont, s + "           )", right, "show"}},
      {-5, 0, {"100.00 192.91 moveto", kFont, s + ") show"}},
      {-5, 90, {"107.09 200.00 moveto", "  90.00 rotate", kFont, s + ") show", " -90.00 rotate"}},
      {-10, 30, {"107.09 187.72 moveto", "  30.00 rotate", kFont, s + ")", centre, "show", " -30.00 rotate"}},
  };
  int i = 0;
  for (const auto& [align, angle, want] : cases) {
    open_plot("t" + std::to_string(++i) + ".ps");
    plt2blk.ITEXTALIGN = align;
    plt2blk.TEXTANGLE = angle;
    float x = 100.0f, y = 200.0f;
    detext2(x, y, fixed::fit("a\\b (MPa)", 20));
    EXPECT_EQ(close_and_drawn(), want);
  }
}

// A text's parentheses stand as given when they balance; a backslash and an
// unbalanced parenthesis are escaped, so every text is a PostScript string.
TEST_F(PsDev, TextsKeepBalancedParenthesesAndEscapeTheRest) {
  open_plot();
  plt2blk.ITEXTALIGN = -5;
  for (const char* text : {"Shmin (MPa)", "a(b", "a)b", "((x)", "\\", "(a)b)c(", ")("}) {
    float x = 10.0f, y = 20.0f;
    detext2(x, y, text);
  }
  Lines shows;
  for (const auto& l : close_and_drawn())
    if (l.ends_with(" show")) shows.push_back(l);
  EXPECT_EQ(shows, (Lines{"(Shmin (MPa)) show", "(a\\(b) show", "(a\\)b) show", "(\\((x)) show",
                          "(\\\\) show", "((a)b\\)c\\() show", "(\\)\\() show"}));
}

// The opening dialogue: banner and defaults at output level 2 only, the
// format menu on "no", the defaults file rewritten or its failure reported,
// and an even option asking for the plot file's name.
TEST_F(PsDev, OpeningDialogueByOutputLevelAnswerDefaultsFileAndOption) {
  const Lines banner = {" @ subroutine intplinit             v9.1 2024-05-29",
                        " @=================================================",
                        " @                                                @",
                        " @               Vectral PS Library               @",
                        " @          Version 10.2  on  2024-05-29          @",
                        " @             Origins and credits :              @",
                        " @    dorvex  by  K. Lindor    on  1987-02-16     @",
                        " @    vondt   by  T. Marsolan  on  1994-12-17     @",
                        " @                                                @",
                        " ==================================================",
                        kDashes,
                        "              Default Settings:",
                        kDashes};
  const Lines asked = {kDashes, kDots, " Use default settings ?"};
  const Lines formats = {kDashes,
                         "         Updating Default Settings:",
                         kDashes,
                         " Page orientation and size ....... Command",
                         " Portrait A4          .................. 1",
                         " Portrait US Letter   .................. 2",
                         " Landscape A4         .................. 3",
                         " Landscape US Letter  .................. 4",
                         " Enter command",
                         " inside  [1,4]",
                         " New value =             3",
                         kDashes,
                         " updating or creating vondt9_ini.txt",
                         " vondt9_ini.txt updated or created",
                         kDashes};
  const Lines not_saved = {" Could not update or create vondt9_ini.txt",
                           " => altered defaults are not saved for next run", " => Proceeding", kDashes};
  const Lines opening = {
      " @ subroutine opef1                 v1.1 2024-05-29",
      " @=================================================", " OPENING PostScript plot FILE"};
  const Lines quiet_question = {
      " @=================================================", " Use default settings ?", " New value =  No "};
  struct Case {
    const char* defaults;  // the defaults file, or nullptr for a directory in its place
    bool level2;
    std::int32_t iopt;
    std::string keys;
    std::vector<Lines> shown;
    const char* named;  // the plot file written
  } const cases[] = {
      {"2\n",
       true,
       1,
       "y\n\n",
       {banner, {" Orientation and size = Portrait US Letter  "}, asked, opening},
       "p1.ps"},
      {"2\n", false, 1, "n\n3\n\n", {quiet_question, formats, opening}, "p2.ps"},
      {nullptr,
       true,
       1,
       "y\ny\n\n",
       {asked, {kDashes, " updating or creating vondt9_ini.txt"}, not_saved, opening},
       "p3.ps"},
      {"1\n", true, 2, "y\nnamed.ps\n\n", {asked, opening, {" Enter PostScript plot file name"}}, "named.ps"},
  };
  int i = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    std::filesystem::remove_all("vondt9_ini.txt");
    if (c.defaults)
      std::ofstream("vondt9_ini.txt") << c.defaults;
    else
      std::filesystem::create_directory("vondt9_ini.txt");
    const Console& con = start(c.keys);
    iocom.LWITO(2) = c.level2;
    std::string name = fixed::fit("p" + std::to_string(++i) + ".ps", 20);
    intplinit(name, c.iopt);
    intplend();
    EXPECT_TRUE(has_in_order(con.lines(), c.shown));
    EXPECT_EQ(gral::trimmed(name), c.named) << "the name handed back";
    EXPECT_TRUE(std::filesystem::exists(c.named));
  }
  std::filesystem::remove_all("vondt9_ini.txt");
}

// Every font reaches the file with the next text; the colour cache writes
// the colour in force (kind 0), the fill colour only when it is not the one
// in force (kind 2), and stays true across a page break.
TEST_F(PsDev, FontsTwoToSixteenAndTheColourCacheAcrossAPage) {
  open_plot();
  const char* fonts[] = {"/Helvetica-Bold", "/Helvetica-Oblique", "/Helvetica-BoldOblique", "/Times-Roman",
                         "/Times-Bold",     "/Times-Italic",      "/Times-BoldItalic",      "/Courier",
                         "/Courier-Bold",   "/Courier-Oblique",   "/Courier-BoldOblique",   "/Symbol",
                         "/Symbol-Bold",    "/Symbol-Oblique",    "/Symbol-BoldOblique"};
  Lines want;
  for (std::int32_t f = 2; f <= 16; ++f) {
    intstextfont(f);
    float x = 10.0f, y = 10.0f;
    detext2(x, y, "a");
    want.insert(want.end(),
                {"10.00 10.00 moveto", std::string("14 ") + fonts[f - 2] + " findfont exch scalefont setfont",
                 "(a) show"});
  }
  plt2blk.IFILLCOLOR = 2;
  psrgbcolor(0);  // colour 1, in force
  psrgbcolor(2);  // red
  psrgbcolor(2);  // cached
  intnewpage();
  psrgbcolor(2);  // still cached on the new page
  psrgbcolor(0);
  plt2blk.ILINECOLOR = 2;
  psrgbcolor(1);  // cached
  psrgbcolor(7);  // no such kind
  want.insert(want.end(),
              {" 0.000  0.000  0.000 setrgbcolor", " 1.000  0.000  0.000 setrgbcolor", "gsave showpage",
               "%%End Page", "grestore", "%%Page:   2   2", " 1.000  0.000  0.000 setrgbcolor"});
  EXPECT_EQ(close_and_drawn(), want);
}

}  // namespace
