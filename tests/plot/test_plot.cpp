// The plot library: drawing through the chunk buffer into a real plot file,
// the frame conversions, the user-to-centimetre maps and their dialogue,
// subplots and scaling. Every plot file written must render in Ghostscript.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "gral/format.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "support/frames.h"
#include "support/plotfiles.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::Console;
using testing_support::count_of;

struct Window {
  float xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax;
  std::int32_t ixy;
};
// The window as the setter leaves it.
Window set(Window w, std::int32_t inter = 1) {
  sus2cm3(w.xcm0, w.ycm0, w.xlcm, w.ylcm, w.xumin, w.xumax, w.yumin, w.yumax, w.ixy, inter);
  return w;
}
void select(std::int32_t s) {
  ssubplot(s, 1);
}

class Plot : public ::testing::Test {
 protected:
  void SetUp() override {
    plt1blk = Plt1Blk{};
    plt2blk = Plt2Blk{};
    select(1);
  }
  void TearDown() override { dir_.render_all(); }

  // Opens a black-and-white t.ps as plot opening does (the keyboard's first
  // line keeps the default page format), with 0..1000 by 0..100 user units
  // on 10 x 10 cm from (1, 2) cm.
  void open_plot() {
    std::string name = "t.ps";
    intplinit(name, 3);
    iocom.LPLTOPEN = true;
    iocom.LPAUSE = false;
    plt2blk.IFILLSTYLE = plt2blk.ITEXTALIGN = 1;
    splotscaling(7);
    intstextfont(1);
    intstextsize(0.5f);
    set({1, 2, 10, 10, 0, 1000, 0, 100, 0});
  }

  // Closes and renders the plot, and gives the lines drawn on its page. The
  // file goes, so that a loop writes a new one each time.
  Lines close_plot() {
    intplend();
    iocom.LPLTOPEN = false;
    const auto all = testing_support::file_lines("t.ps");
    testing_support::expect_renders("t.ps");
    std::filesystem::remove("t.ps");
    const auto page = std::find(all.begin(), all.end(), "%%Page:    1    1");
    return page == all.end() ? Lines{} : Lines(page + 1, std::find(page, all.end(), "showpage"));
  }

  testing_support::ScratchDir dir_;
};

TEST_F(Plot, LinesAndPolygonsGoThroughTheBufferInOverlappingChunks) {
  for (int n : {0, 1, 2, 501, 502, 1503}) {
    for (bool polygon : {false, true}) {
      SCOPED_TRACE(testing::Message() << n << (polygon ? " polygon" : " line"));
      Console c("\n");
      open_plot();
      // Point i at (i / 2, i mod 97): its number comes back from its x.
      std::vector<float> x, y;
      for (int i = 1; i <= n; ++i) x.push_back(0.5f * i), y.push_back(static_cast<float>(i % 97));
      const auto x0 = x;
      c.clear();
      (polygon ? uspolygon : usline)(x.data(), y.data(), n);
      const auto out = c.lines();
      const auto page = close_plot();
      EXPECT_EQ(x, x0) << "the caller's points are not touched";
      // Chunk k holds points 500k + 1 to min(n, 500k + 501); a line of one
      // point is drawn to itself.
      std::vector<std::vector<long>> want, got;
      for (int first = 1; n >= 1 && (first == 1 || first < n); first += 500) {
        want.emplace_back();
        for (int i = first; i <= std::min(n, first + 500); ++i) want.back().push_back(i);
      }
      if (n == 1 && !polygon) want[0].push_back(1);
      float worst = 0.0f;
      for (const auto& l : page) {
        if (l == "newpath") got.emplace_back();
        float px = 0, py = 0;
        std::string op;
        if (!(std::istringstream(l) >> px >> py >> op) || got.empty()) continue;
        const long i = std::lround((px / 28.35f - 1.0f) * 200.0f);
        got.back().push_back(i);
        worst = std::max({worst, std::fabs(px - 28.35f * (1.0f + 0.005f * i)),
                          std::fabs(py - 28.35f * (2.0f + 0.1f * static_cast<float>(i % 97)))});
      }
      EXPECT_EQ(got, want);
      EXPECT_LT(worst, 0.011f) << "points";
      EXPECT_EQ(count_of(page, "closepath gsave"), polygon ? static_cast<long>(want.size()) : 0);
      // A warning before every polygon after the first.
      const long splits = polygon && n > 501 ? static_cast<long>(want.size()) - 1 : 0;
      EXPECT_EQ(count_of(out, " Polygone vertices =" + gral::fmt_i(n, 7)), splits);
      EXPECT_EQ(count_of(out, " ==> Decomposing in smaller polygons"), splits);
      EXPECT_EQ(count_of(out, " is =      1 > nx =" + gral::fmt_i(n, 7)), n < 1 ? 1 : 0);
    }
  }
}

TEST_F(Plot, TheSplitWarningComesBetweenThePolygons) {
  Console c("\n\nrest\n");
  open_plot();
  iocom.LPAUSE = true;
  std::vector<float> x(502, 1.0f), y(502, 2.0f);
  uspolygon(x.data(), y.data(), 502);
  EXPECT_EQ(c.unread(), "rest\n") << "the warning paused once";
  const auto page = close_plot();
  const auto stroke = std::find(page.begin(), page.end(), "stroke");
  EXPECT_EQ(std::count(stroke, page.end(), "newpath"), 1) << "the first polygon is finished first";
}

TEST_F(Plot, CentimetreLinesAndTextUseTheDeviceMap) {
  Console c("\n");
  open_plot();
  const float x[] = {1.0f, 3.0f}, y[] = {2.0f, 4.0f};
  cmline(x, y, 2);
  cmtext2(2.0f, 4.0f, "ab  ");
  EXPECT_EQ(close_plot(),
            (Lines{"newpath", "28.35 56.70 moveto", "85.05 113.40 lineto", "stroke", "56.70 113.40 moveto",
                   "14 /Helvetica findfont exch scalefont setfont", "(ab  ) show"}));
}

TEST_F(Plot, WindowGivesScalesReversedAndEqualScalesKeepTheirSigns) {
  const struct {
    const char* what;
    Window w;
    float sx, sy, x0, y0;
  } cases[] = {
      {"equal scales shorten y", {0, 0, 15, 15, 0, 100, 0, 50, 1}, 0.15f, 0.15f, 0, 0},
      {"independent scales", {0, 0, 15, 15, 0, 100, 0, 50, 0}, 0.15f, 0.3f, 0, 0},
      {"depth axis downwards", {1, 3, 10, 21, 0, 10, 5000, 0, 0}, 1.0f, -0.0042f, 1, 24},
      {"reversed x keeps its sign", {0, 0, 10, 5, 20, 0, 0, 20, 1}, -0.25f, 0.25f, 5, 0},
  };
  Console c;
  for (const auto& k : cases) {
    set(k.w);
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(1, 1, 1), k.sx) << k.what;
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(2, 2, 1), k.sy) << k.what;
    EXPECT_NEAR(plt1blk.US0TOCM(1, 1), k.x0, 1e-5f) << k.what;
    EXPECT_NEAR(plt1blk.US0TOCM(2, 1), k.y0, 1e-4f) << k.what;
    // The inverse undoes the map.
    EXPECT_NEAR(plt1blk.CM0TOUS(2, 1) + plt1blk.CMTOUS(2, 2, 1) * k.y0, 0.0f, 1e-4f) << k.what;
  }
}

TEST_F(Plot, WindowWithEqualEndsIsRefusedAndThePreviousMapKept) {
  Console c;
  iocom.LPAUSE = false;
  set({2, 2, 15, 15, -10, 10, -10, 10, 1});
  const Plt1Blk before = plt1blk;
  set({0, 0, 10, 10, 3, 3, 1, 2, 0});
  set({0, 0, 10, 10, 0, 1, -2, -2, 1});
  EXPECT_EQ(plt1blk.USTOCM.v, before.USTOCM.v);
  EXPECT_EQ(plt1blk.US0TOCM.v, before.US0TOCM.v);
  EXPECT_EQ(plt1blk.USEXTR.v, before.USEXTR.v) << "the window is kept too";
  const auto out = c.lines();
  ASSERT_EQ(out.size(), 20u);
  EXPECT_EQ(Lines(out.begin(), out.begin() + 10),
            testing_support::lines({testing_support::warning_head("sus2cm3    "),
                                    {" user window without extent: no finite scale",
                                     " xumin =    3.000000     xumax =    3.000000    ",
                                     " yumin =    1.000000     yumax =    2.000000    ", " subplot nb =   1",
                                     " ===> NO ACTION: previous map kept", testing_support::rule('/')}}));
}

TEST_F(Plot, OffsetMatrixDialogueMapModesAndConversionInPlace) {
  float a = 0, b = 0, xx = 0, xy = 0, yx = 0, yy = 0;
  {
    Console d("y\n1\n2\n3\n4\n5\n6\n");
    sus2cm1(a, b, xx, xy, yx, yy, 0);  // asks xcm0, ycm0, xx, xy, yx, yy
  }
  Console c;
  select(2);
  set({0, 0, 10, 10, 0, 10, 0, 20, 0});
  select(1);
  float x[] = {1}, y[] = {1};
  us2cm(x, y, x, y, 1);  // in subplot 1, y from the x before its conversion
  EXPECT_EQ(std::make_pair(x[0], y[0]), std::make_pair(8.0f, 13.0f));
  set({1, 1, 8, 8, 0, 4, 0, 4, 0});
  EXPECT_EQ(set({}, 3).xumax, 4.0f);
  sus2cm1(a, b, xx, xy, yx, yy, 7);  // the defaults for every subplot
  EXPECT_EQ(plt1blk.CM0TOUS(2, 40), -10.0f);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
}

TEST_F(Plot, WindowDialogueShowsTheSetUpAndTakesNewValuesInOrder) {
  Console c("y\n-5\n5\n-20\n20\n1\n3\n12\n8\n0\n");
  const Window w = set({}, 4);
  const auto out = c.lines();
  // The picture of the defaults, each line closed by a $.
  const std::string picture = R"( ==========================================$
           CONVERSION SET UP               $
 ==========================================$
 |  cm  |                     |user units|$
 |  on  | <------------------ |   used   |$
 | plot |                     | in calls |$
 $
  |xcm|                           |xu|$
  |   | <------------------------ |  |$
  |ycm|                           |yu|$
 ==========================================$
             Current set up:$
 ==========================================$
 ------------------------------------------$
      1 - USER UNITS IN USER SPACE         $
 ------------------------------------------$
    _|_________________|_  yumax =    10.000$
     |                 |$
     |                 |$
    _|_________________|_  yumin =   -10.000$
     |                 |$
   xumin             xumax$
    -10.000            10.000$
 $
  user limits:          xu,yu in user units$
  xumin =   -10.000  yumin =   -10.000$
  xumax =    10.000  yumax =    10.000$
 ------------------------------------------$
      2 - CM UNITS ON PLOT                 $
 ------------------------------------------$
    _|_________________|_  $
     |                 |  |$
     |                 |  | ylcm =    15.000$
    _|_________________|_ | _ ycm0 =     2.000$
     |                 |$
     <---- xlcm -------> $
     |      15.000$
   xcm0 =     2.000$
 $
  paper limits:               xcm,ycm in cm$
  xlcm  =    15.000  ylcm  =    15.000$
  xcm0  =     2.000  ycm0  =     2.000$
 ------------------------------------------$
 X & Y scale imposed equal$
 ------------------------------------------$
)";
  std::string shown;
  for (std::size_t i = 3; i < std::min(out.size(), std::size_t{48}); ++i) shown += out[i] + "$\n";
  EXPECT_EQ(out.at(1), " @ subroutine mus2cm3               v4.5 2019-10-02");
  EXPECT_EQ(shown, picture);
  EXPECT_EQ((std::vector<float>{w.xumin, w.xumax, w.yumin, w.yumax, w.xcm0, w.ycm0, w.xlcm, w.ylcm}),
            (std::vector<float>{-5, 5, -20, 20, 1, 3, 12, 8}));
  EXPECT_EQ(w.ixy, 0);
}

TEST_F(Plot, SubplotNumbersOutsideTheRangeAreRefusedInTheSelectingModes) {
  enum Shown { neither, refusal, change };  // the refusal or the change of subplot
  const struct {
    std::int32_t isub, inter, current, handed_back;  // subplot 3 current before
    Shown shown;
  } cases[] = {
      {41, 1, 3, 41, refusal}, {0, 1, 3, 0, refusal}, {-1, 0, 3, -1, refusal}, {41, 9, 3, 41, refusal},
      {41, 5, 1, 1, neither},  {7, 1, 7, 7, neither}, {7, 8, 7, 7, change},    {40, -1, 40, 40, neither},
      {9, 3, 3, 3, neither},   {9, 2, 3, 3, change},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << "isub " << k.isub << " inter " << k.inter);
    Console c;
    iocom.LPAUSE = false;
    plt1blk.ISUBPLOT = 3;
    std::int32_t isub = k.isub;
    ssubplot(isub, k.inter);
    const auto out = c.lines();
    EXPECT_EQ(std::make_pair(plt1blk.ISUBPLOT, isub), std::make_pair(k.current, k.handed_back));
    EXPECT_EQ(count_of(out, " trying to set subplot nb =" + gral::fmt_i(k.isub, 4)) +
                  count_of(out, " max subpplot nb          =  40"),
              k.shown == refusal ? 2 : 0);
    EXPECT_EQ(count_of(out, "              CHANGING SUBPLOT"), k.shown == change ? 1 : 0);
  }
}

TEST_F(Plot, ScalingNeedsAnOpenPlotToUpdateAndKeepsTheUserMaps) {
  Console c;
  iocom.LPAUSE = false;
  splotscaling(6);
  splotscaling(7);
  EXPECT_EQ(count_of(c.lines(), " Accepted values = 4,5,7") + count_of(c.lines(), " WITH CLOSED PLOT FILE"),
            2);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1) << "nothing changed";
  select(9);
  set({2, 2, 15, 15, -10, 10, -10, 10, 1});
  iocom.LPLTOPEN = true;
  splotscaling(7);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  // The map query hands back the current subplot's map; imat 2 is refused.
  float v0[2] = {7, 7}, m[4] = {7, 7, 7, 7};
  splotunits(v0, m, 2, 2);
  EXPECT_EQ(v0[0], 7.0f);
  select(9);
  splotunits(v0, m, 3, 3);
  EXPECT_FLOAT_EQ(v0[0], 28.35f * 9.5f);
  EXPECT_FLOAT_EQ(m[3], 28.35f * 0.75f);
}

}  // namespace
