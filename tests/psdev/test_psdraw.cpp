#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "psdev_fixture.h"

namespace {

using psdev_test::expect_renders;
using Lines = std::vector<std::string>;

class PsDraw : public psdev_test::PsDev {};

TEST_F(PsDraw, PolylinesAndPolygonsWithTheColourCache) {
  open_plot();
  float x1[] = {5.0f}, y1[] = {6.0f};
  deline(x1, y1, 1);
  plt2blk.ILINECOLOR = 2;
  float x[] = {0.0f, 100.0f, 50.5f}, y[] = {0.0f, 0.0f, 85.05f};
  deline(x, y, 2);
  plt2blk.IFILLCOLOR = 16;
  depolygon(x, y, 3);
  deline(x, y, 2);
  plt2blk.IFILLSTYLE = 0;
  depolygon(x, y, 3);
  deline(x, y, 0);
  depolygon(x, y, -1);
  EXPECT_EQ(close_and_drawn(),
            (Lines{"newpath", "5.00 6.00 moveto", "5.00 6.00 lineto", "stroke",
                   // red line: one colour line, then the cache holds it
                   "newpath", "0.00 0.00 moveto", "100.00 0.00 lineto", " 1.000  0.000  0.000 setrgbcolor",
                   "stroke", "newpath", "0.00 0.00 moveto", "100.00 0.00 lineto", "50.50 85.05 lineto",
                   "closepath gsave", " 0.000  0.500  1.000 setrgbcolor fill grestore", "stroke", "newpath",
                   "0.00 0.00 moveto", "100.00 0.00 lineto", "stroke", "newpath", "0.00 0.00 moveto",
                   "100.00 0.00 lineto", "50.50 85.05 lineto", "closepath", "stroke"}));
  expect_renders("plot.ps");
}

TEST_F(PsDraw, BlackAndWhiteFillsGreyWithoutColourLines) {
  open_plot(false);
  plt2blk.ILINECOLOR = 2;
  float x[] = {0.0f, 10.0f, 0.0f}, y[] = {0.0f, 0.0f, 10.0f};
  depolygon(x, y, 3);
  EXPECT_EQ(close_and_drawn(), (Lines{"newpath", "0.00 0.00 moveto", "10.00 0.00 lineto", "0.00 10.00 lineto",
                                      "closepath gsave", " 0.500 setgray fill grestore", "stroke"}));
  expect_renders("plot.ps");
}

TEST_F(PsDraw, LineWidthStrokesTheOpenPathFirst) {
  open_plot();
  float x = 1.0f, y = 1.0f;
  psmoveto(x, y, 1);
  intslinewidth(0.567f);
  intslinewidth(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(close_and_drawn(), (Lines{"newpath", "1.00 1.00 moveto", "stroke", "0.57 setlinewidth"}));
  expect_renders("plot.ps");
}

TEST_F(PsDraw, DrawWithoutMoveWarnsAndGoesOn) {
  open_plot();
  float x[] = {3.0f}, y[] = {4.0f};
  pslineto(x, y, 1);
  psstrokepath();
  EXPECT_NE(console_->text().find(" Path begins with Draw instead of Move"), std::string::npos);
  EXPECT_EQ(close_and_drawn(), (Lines{"3.00 4.00 lineto", "stroke"}));
}

TEST_F(PsDraw, CoordinatesBeyondTheBoundAreClampedInfinitiesTooNaNDropped) {
  open_plot();
  const float inf = std::numeric_limits<float>::infinity();
  float x[] = {1e8f, 99000000.0f, -inf}, y[] = {0.0f, 1.0f, inf};
  deline(x, y, 3);
  EXPECT_EQ(x[0], 9.9e7f);
  EXPECT_EQ(x[2], -9.9e7f);
  EXPECT_EQ(y[2], 9.9e7f);
  const auto out = console_->lines();
  const Lines warnings[] = {
      {" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05"},
      {" x in meters =  -Infinity", " ==> reset to xmin = -0.349E+05"},
      {" y in meters =   Infinity", " ==> reset to ymax =  0.349E+05"},
  };
  for (const auto& w : warnings) {
    EXPECT_NE(std::search(out.begin(), out.end(), w.begin(), w.end()), out.end()) << w[0];
  }
  EXPECT_EQ(std::count(out.begin(), out.end(),
                       " ///" + std::string(18, ' ') + "WARNING " + std::string(18, ' ') + "///"),
            3);

  console_->clear();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  float xn[] = {1.0f, nan}, yn[] = {1.0f, 2.0f};
  deline(xn, yn, 2);
  depolygon(xn, yn, 2);
  float tx = nan, ty = 0.0f;
  detext2(tx, ty, "text");
  const auto dropped = console_->lines();
  EXPECT_EQ(std::count(dropped.begin(), dropped.end(), " ===> NOTHING DRAWN"), 3);

  EXPECT_EQ(close_and_drawn(), (Lines{"newpath", " 99000000. 0.00 moveto", " 99000000. 1.00 lineto",
                                      "-99000000.  99000000. lineto", "stroke"}));
  expect_renders("plot.ps");
}

// The x and y of a "moveto" line.
void expect_moveto(const std::string& line, float x, float y) {
  float gx = 0.0f, gy = 0.0f;
  char op[16] = {};
  ASSERT_EQ(std::sscanf(line.c_str(), "%f %f %15s", &gx, &gy, op), 3) << line;
  EXPECT_STREQ(op, "moveto");
  EXPECT_NEAR(gx, x, 0.011f) << line;
  EXPECT_NEAR(gy, y, 0.011f) << line;
}

struct TextCase {
  std::int32_t align;
  float angle;
  float dx, dy;  // expected move from the reference point
  Lines text;    // lines after the font line
};

TEST_F(PsDraw, TextJustificationAnglesAndEscapes) {
  const std::string label = fixed::fit("Shmin (MPa)", 20);
  const TextCase cases[] = {
      {-2, 0.0f, 0.0f, 0.0f, {"(Shmin \\(MPa\\))", "dup stringwidth pop -2 div 0 rmoveto", "show"}},
      {1, 0.0f, 0.0f, 0.0f, {"(Shmin \\(MPa\\)         ) show"}},
      {3, 0.0f, 0.0f, 0.0f, {"(Shmin \\(MPa\\)         )", "dup stringwidth pop -1 div 0 rmoveto", "show"}},
      {-5, 0.0f, 0.0f, -7.0875f, {"(Shmin \\(MPa\\)) show"}},
      {-5, 90.0f, 7.0875f, 0.0f, {"(Shmin \\(MPa\\)) show", " -90.00 rotate"}},
      {-10, 0.0f, 0.0f, -14.175f, {"(Shmin \\(MPa\\))", "dup stringwidth pop -2 div 0 rmoveto", "show"}},
      {-9, 30.0f, 7.0875f, -12.2759f, {"(Shmin \\(MPa\\)) show", " -30.00 rotate"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.align << " angle " << c.angle);
    open_plot();
    plt2blk.ITEXTALIGN = c.align;
    plt2blk.TEXTANGLE = c.angle;
    float x = 100.0f, y = 200.0f;
    detext2(x, y, label);
    const auto lines = close_and_drawn();
    ASSERT_GE(lines.size(), 2u);
    expect_moveto(lines[0], 100.0f + c.dx, 200.0f + c.dy);
    std::size_t i = 1;
    if (c.angle != 0.0f) {
      EXPECT_EQ(lines[i++], c.angle == 90.0f ? "  90.00 rotate" : "  30.00 rotate");
    }
    EXPECT_EQ(lines[i++], "14 /Helvetica findfont exch scalefont setfont");
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(i), lines.end()), c.text);
    expect_renders("plot.ps");
  }
}

TEST_F(PsDraw, TextEdgeCases) {
  open_plot();
  plt2blk.ITEXTCOLOR = 2;
  float x = 10.0f, y = 10.0f;
  detext2(x, y, "a\\b(c");
  plt2blk.ITEXTALIGN = -1;
  detext2(x, y, "    ");
  plt2blk.ITEXTALIGN = 1;
  detext2(x, y, "");
  // Below one point the font would be singular: the text is left out.
  intstextsize(0.03f);
  detext2(x, y, "tiny");
  EXPECT_NE(console_->text().find(" Text height is below one point"), std::string::npos);
  EXPECT_EQ(close_and_drawn(),
            (Lines{"10.00 10.00 moveto", "14 /Helvetica findfont exch scalefont setfont",
                   " 1.000  0.000  0.000 setrgbcolor", "(a\\\\b\\(c) show", "10.00 10.00 moveto",
                   "14 /Helvetica findfont exch scalefont setfont", "( ) show", "10.00 10.00 moveto",
                   "14 /Helvetica findfont exch scalefont setfont", "() show"}));
  expect_renders("plot.ps");
}

}  // namespace
