// The PostScript device: the plot file's life cycle, paths, colours, text.
// Each test works in a scratch directory; every plot file it leaves there
// must render in Ghostscript.
#include <array>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gral/angles.h"
#include "gral/runend.h"
#include "gral/units.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "support/frames.h"
#include "support/plotfiles.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::count_of;
using testing_support::file_lines;

const float kInf = std::numeric_limits<float>::infinity();
const float kNan = std::numeric_limits<float>::quiet_NaN();
const std::string kFont = "14 /Helvetica findfont exch scalefont setfont";

class PsDev : public ::testing::Test {
 protected:
  void TearDown() override { dir_.render_all(); }

  // Fresh records (colour 2 red, 16 blue-green) and a console answering
  // from the script; warnings do not pause.
  testing_support::Console& start(const std::string& keyboard, bool colour = true) {
    console_.reset();
    console_.emplace(keyboard);
    iocom.LPAUSE = false;
    trigoset();
    psparams_90 = PsParams90{};
    plt2blk = Plt2Blk{};
    plt2blk.LCOLORPLOT = colour;
    plt2blk.RED(2) = plt2blk.BLUE(16) = 100.0f;
    plt2blk.GREEN(16) = 50.0f;
    plt2blk.ILINECOLOR = plt2blk.ITEXTCOLOR = plt2blk.IFILLSTYLE = 1;
    plt2blk.ITEXTALIGN = -1;
    return *console_;
  }

  // Opens name with the default page format and the scale, font and text
  // size the plot library sets.
  void open_plot(const std::string& name = "plot.ps", bool colour = true) {
    start("y\n", colour);
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

  testing_support::ScratchDir dir_;
  std::optional<testing_support::Console> console_;
  std::string name_;
  std::size_t mark_ = 0;
};

TEST_F(PsDev, PrologOfEachFormatWithAndWithoutColourAndAFilledPolygon) {
  const char* box[] = {"%%BoundingBox:    0    0  595  842", "%%BoundingBox:    0    0  612  792"};
  const char* turn[] = {" 595    0 translate 90 rotate", " 612    0 translate 90 rotate"};
  float x[] = {0.0f, 10.0f, 0.0f}, y[] = {0.0f, 0.0f, 10.0f};
  for (int format = 1; format <= 4; ++format) {
    for (bool colour : {false, true}) {
      std::ofstream("vondt9_ini.txt") << format << "\n";
      start("y\n", colour);
      plt2blk.ICURCOLOR = 7;
      plt2blk.ILINECOLOR = 2;
      plt2blk.IFILLCOLOR = 16;
      std::string name = "f" + std::to_string(format) + (colour ? "c.ps" : "bw.ps");
      intplinit(name, 1);
      // The colour cache follows the prolog's colour only in a colour plot.
      EXPECT_EQ(plt2blk.ICURCOLOR, colour ? 1 : 7) << name;
      depolygon(x, y, 3);
      intplend();
      Lines want = {"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)",
                    box[1 - format % 2]};
      if (format >= 3) want.push_back(turn[1 - format % 2]);
      if (colour) want.push_back(" 0.000  0.000  0.000 setrgbcolor");
      want.insert(want.end(), {"% Ready to go", "%%Page:    1    1", "newpath", "0.00 0.00 moveto",
                               "10.00 0.00 lineto", "0.00 10.00 lineto", "closepath gsave"});
      // Black and white fills grey and writes no colour lines.
      if (!colour) want.push_back(" 0.500 setgray fill grestore");
      if (colour)
        want.insert(want.end(),
                    {" 0.000  0.500  1.000 setrgbcolor fill grestore", " 1.000  0.000  0.000 setrgbcolor"});
      want.insert(want.end(), {"stroke", "showpage", "%%End Page", "%%Trailer", "%%Pages:   1", "%%EOF"});
      EXPECT_EQ(file_lines(name), want) << name;
    }
  }
}

TEST_F(PsDev, DefaultsFileIsReadAndRewrittenWhenInvalidOrChanged) {
  const struct {
    std::optional<std::string> file;
    std::string keyboard;
    int format;
    const char* rewritten;  // the record written, or none
  } cases[] = {
      {std::nullopt, "y\n", 1, "  1 'Portrait A4'"},
      {"0\n", "y\n", 1, "  1 'Portrait A4'"},
      {"5\n", "y\n", 1, "  1 'Portrait A4'"},
      {"landscape\n", "y\n", 1, "  1 'Portrait A4'"},
      {"\n  3 'Landscape A4'\n  \n", "y\n", 3, nullptr},
      {"  3 'Landscape A4'\n", "n\n4\n", 4, "  4 'Landscape US Letter'"},
      {"  3 'Landscape A4'\n", "n\n3\n", 3, "  3 'Landscape A4'"},
  };
  int i = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "file " << c.file.value_or("missing") << " keys " << c.keyboard);
    std::filesystem::remove("vondt9_ini.txt");
    if (c.file) std::ofstream("vondt9_ini.txt") << *c.file;
    const auto& con = start(c.keyboard);
    std::string name = "d" + std::to_string(++i) + ".ps";
    intplinit(name, 1);
    intplend();
    EXPECT_EQ(psparams_90.IPAGSIZ, c.format);
    const auto out = con.lines();
    // Answering no shows the formats.
    EXPECT_EQ(count_of(out, " Page orientation and size ....... Command") +
                  count_of(out, " Landscape US Letter  .................. 4"),
              c.keyboard[0] == 'n' ? 2 : 0);
    EXPECT_EQ(count_of(out, " updating or creating vondt9_ini.txt"), c.rewritten ? 1 : 0);
    EXPECT_EQ(count_of(out, " vondt9_ini.txt updated or created"), c.rewritten ? 1 : 0);
    EXPECT_EQ(file_lines("vondt9_ini.txt"),
              (c.rewritten ? Lines{c.rewritten, "  "} : testing_support::split_lines(*c.file)));
  }
}

TEST_F(PsDev, PageBreaksCountPagesAndNumbersOutgrowTheirFields) {
  open_plot();
  float x = 10.0f, y = 20.0f;
  psmoveto(x, y, 1);
  intnewpage();
  psparams_90.IPAGE = 999;
  intnewpage();
  EXPECT_EQ(close_and_drawn(),
            (Lines{"newpath", "10.00 20.00 moveto", "stroke", "gsave showpage", "%%End Page", "grestore",
                   "%%Page:   2   2", "gsave showpage", "%%End Page", "grestore", "%%Page: 1000 1000"}));
  EXPECT_EQ(file_lines("plot.ps").rbegin()[1], "%%Pages: 1000");
  // Closing asked for Return and went on at the end of the keyboard's input.
  const auto out = console_->lines();
  EXPECT_EQ(count_of(out, " Enter CR = Return to close the PostScript file"), 1);
  EXPECT_EQ(out.rbegin()[1], " The PostScript plot file is closed");
}

TEST_F(PsDev, RunEndingWithThePlotOpenFinishesTheFile) {
  open_plot();
  iocom.LPLTOPEN = true;
  float x = 1.0f, y = 2.0f;
  psmoveto(x, y, 1);
  EXPECT_EQ(testing_support::run_status([] { gral::end_run(1, false); }), 1);
  const auto all = file_lines("plot.ps");
  EXPECT_EQ(Lines(all.end() - 8, all.end()), (Lines{"newpath", "1.00 2.00 moveto", "stroke", "showpage",
                                                    "%%End Page", "%%Trailer", "%%Pages:   1", "%%EOF"}));
  EXPECT_FALSE(psdev::plot_file_open());
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

TEST_F(PsDev, ColourCacheWidthAndPathsStrokedBeforeOtherOutput) {
  open_plot();
  float x[] = {0.0f, 100.0f, 50.5f}, y[] = {0.0f, 0.0f, 85.05f};
  deline(x, y, 1);
  plt2blk.ILINECOLOR = 2;
  deline(x, y, 2);
  plt2blk.IFILLCOLOR = 16;
  depolygon(x, y, 3);
  plt2blk.IFILLSTYLE = 0;
  depolygon(x, y, 3);
  deline(x, y, 0);
  depolygon(x, y, -1);
  psmoveto(x[1], y[1], 1);
  intslinewidth(0.567f);
  intslinewidth(kNan);
  psmoveto(x[2], y[2], 0);  // a current point, but no path begun: a warning
  pslineto(x, y, 1);
  plt2blk.ITEXTCOLOR = 16;
  detext2(x[0], y[0], "a");
  EXPECT_EQ(count_of(console_->lines(), " Path begins with Draw instead of Move"), 1);
  const Lines triangle = {"newpath", "0.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto"};
  EXPECT_EQ(
      close_and_drawn(),
      testing_support::lines({{"newpath", "0.00 0.00 moveto", "0.00 0.00 lineto", "stroke"},
                              {"newpath", "0.00 0.00 moveto", "100.00 0.00 lineto",
                               " 1.000  0.000  0.000 setrgbcolor", "stroke"},
                              triangle,
                              {"closepath gsave", " 0.000  0.500  1.000 setrgbcolor fill grestore", "stroke"},
                              triangle,
                              {"closepath", "stroke", "newpath", "100.00 0.00 moveto", "stroke",
                               "0.57 setlinewidth", "50.50 85.05 moveto", "0.00 0.00 lineto", "stroke",
                               "0.00 0.00 moveto", kFont, " 0.000  0.500  1.000 setrgbcolor", "(a) show"}}));
}

TEST_F(PsDev, DrawWithNoCurrentPointBeginsAtItsFirstPointSoTheFileStillRenders) {
  open_plot();
  float x[] = {10.0f, 20.0f}, y[] = {10.0f, 30.0f};
  deline(x, y, 2);  // stroked: no current point is left
  psstrokepath();
  pslineto(x, y, 2);
  EXPECT_EQ(count_of(console_->lines(), " Path begins with Draw instead of Move"), 1);
  EXPECT_EQ(close_and_drawn(),
            (Lines{"newpath", "10.00 10.00 moveto", "20.00 30.00 lineto", "stroke", "10.00 10.00 moveto",
                   "10.00 10.00 lineto", "20.00 30.00 lineto", "stroke"}));
}

TEST_F(PsDev, CoordinatesBeyondTheBoundAreClampedInfinitiesTooNaNAndTinyTextDropped) {
  open_plot();
  float x[] = {1e8f, 99000000.0f, -kInf}, y[] = {0.0f, 1.0f, kInf};
  deline(x, y, 3);
  EXPECT_EQ((std::array{x[0], x[2], y[2]}), (std::array{9.9e7f, -9.9e7f, 9.9e7f}));
  const auto out = console_->lines();
  EXPECT_EQ(count_of(out, testing_support::warning_head("psmoveto")[2]), 3);
  for (const Lines& w : {Lines{" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05"},
                         Lines{" x in meters =  -Infinity", " ==> reset to xmin = -0.349E+05"},
                         Lines{" y in meters =   Infinity", " ==> reset to ymax =  0.349E+05"}})
    EXPECT_TRUE(testing_support::contains_block(out, w)) << w[0];
  console_->clear();
  float xn[] = {1.0f, kNan}, yn[] = {1.0f, 2.0f};
  deline(xn, yn, 2);
  depolygon(xn, yn, 2);
  detext2(xn[1], yn[1], "text");
  // A font scaled to 0 points is singular: showing with it would end the file.
  intstextsize(0.03f);
  detext2(xn[0], yn[0], "tiny");
  EXPECT_EQ(count_of(console_->lines(), " ===> NOTHING DRAWN"), 4);
  EXPECT_EQ(count_of(console_->lines(), " Text height is below one point"), 1);
  EXPECT_EQ(close_and_drawn(), (Lines{"newpath", " 99000000. 0.00 moveto", " 99000000. 1.00 lineto",
                                      "-99000000.  99000000. lineto", "stroke"}));
}

TEST_F(PsDev, TextJustificationAnglesAndEscapes) {
  const std::string s = "(a\\\\b \\(MPa\\)", centre = "dup stringwidth pop -2 div 0 rmoveto";
  const struct {
    std::int32_t align;
    float angle, dx, dy;  // the move from the reference point
    Lines after;          // the lines after the move
  } cases[] = {
      {-2, 0, 0, 0, {kFont, s + ")", centre, "show"}},
      {1, 0, 0, 0, {kFont, s + "           ) show"}},
      {3, 0, 0, 0, {kFont, s + "           )", "dup stringwidth pop -1 div 0 rmoveto", "show"}},
      {-5, 0, 0, -7.0875f, {kFont, s + ") show"}},
      {-5, 90, 7.0875f, 0, {"  90.00 rotate", kFont, s + ") show", " -90.00 rotate"}},
      {-10, 30, 7.0875f, -12.2759f, {"  30.00 rotate", kFont, s + ")", centre, "show", " -30.00 rotate"}},
  };
  int i = 0;
  for (const auto& c : cases) {
    open_plot("t" + std::to_string(++i) + ".ps");
    plt2blk.ITEXTALIGN = c.align;
    plt2blk.TEXTANGLE = c.angle;
    float x = 100.0f, y = 200.0f;
    detext2(x, y, fixed::fit("a\\b (MPa)", 20));
    const auto got = close_and_drawn();
    float gx = 0, gy = 0;
    std::string op;
    std::istringstream(got.at(0)) >> gx >> gy >> op;
    EXPECT_EQ(op, "moveto") << c.align;
    EXPECT_NEAR(gx, 100.0f + c.dx, 0.011f) << c.align;
    EXPECT_NEAR(gy, 200.0f + c.dy, 0.011f) << c.align;
    EXPECT_EQ(Lines(got.begin() + 1, got.end()), c.after) << c.align;
  }
}

}  // namespace
