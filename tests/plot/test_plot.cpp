// The plot library: drawing through the chunk buffer into a real plot file,
// the user-to-centimetre maps and their dialogue, subplots.
#include <functional>
#include <tuple>

#include "support/plotpage.h"

namespace {

using namespace testing_support;

struct Window {
  float xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax;
  std::int32_t ixy;
};
// The window as the setter leaves it.
Window set(Window w, std::int32_t inter = 1) {
  sus2cm3(w.xcm0, w.ycm0, w.xlcm, w.ylcm, w.xumin, w.xumax, w.yumin, w.yumax, w.ixy, inter);
  return w;
}

class Plot : public PlotPageTest {
 protected:
  // A console answering from the script, with subplot 1 selected and
  // warnings not pausing.
  Console& start(const std::string& keyboard = "") {
    console_.emplace(keyboard);
    plt1blk.ISUBPLOT = 1;
    iocom.LPAUSE = false;
    return *console_;
  }
  std::optional<Console> console_;
};

TEST_F(Plot, LinesAndPolygonsGoThroughTheBufferInOverlappingChunks) {
  for (int n : {1, 2, 501, 502, 1503}) {
    for (bool polygon : {false, true}) {
      SCOPED_TRACE(testing::Message() << n << (polygon ? " polygon" : " line"));
      // Chunk k holds points 500k + 1 to min(n, 500k + 501); a line of one
      // point is drawn to itself.
      std::vector<std::vector<long>> want, got;
      for (int first = 1; first == 1 || first < n; first += 500) {
        want.emplace_back();
        for (int i = first; i <= std::min(n, first + 500); ++i) want.back().push_back(i);
      }
      if (n == 1 && !polygon) want[0].push_back(1);
      // A pausing warning before every polygon after the first.
      const long splits = polygon && n > 501 ? static_cast<long>(want.size()) - 1 : 0;
      Console& c = start("\n" + std::string(splits, '\n') + "rest\n");
      open_plot(0, 1000, 0, 100);
      plt2blk.IFILLSTYLE = 1;
      iocom.LPAUSE = splits > 0;
      // Point i at (i / 2, i mod 97): its number comes back from its x.
      std::vector<float> x, y;
      for (int i = 1; i <= n; ++i) {
        x.push_back(0.5f * i);
        y.push_back(static_cast<float>(i % 97));
      }
      c.clear();
      (polygon ? uspolygon : usline)(x.data(), y.data(), n);
      EXPECT_EQ(count(c.lines(), n == 502 ? " Polygone vertices =    502" : " Polygone vertices =   1503"),
                splits);
      EXPECT_EQ(c.unread(), "rest\n") << "each warning paused";
      float worst = 0.0f;
      for (const auto& path : close_plot().paths) {
        got.emplace_back();
        for (const auto& [px, py] : path) {
          const long i = std::lround((px / 28.35f - 2.0f) * 200.0f);
          got.back().push_back(i);
          worst = std::max({worst, std::fabs(px - 28.35f * (2.0f + 0.005f * i)),
                            std::fabs(py - 28.35f * (3.0f + 0.1f * static_cast<float>(i % 97)))});
        }
      }
      EXPECT_EQ(got, want);
      EXPECT_LT(worst, 0.011f) << "points";
      // Each chunk is finished before the next begins.
      EXPECT_EQ(count(page_, "stroke"), static_cast<long>(want.size()));
      EXPECT_EQ(count(page_, "closepath gsave"), polygon ? static_cast<long>(want.size()) : 0);
    }
  }
}

TEST_F(Plot, WindowGivesScalesReversedAndEqualScalesAndAWindowWithoutExtentIsRefused) {
  // The window, then the x and y scales and the origin in cm it leaves.
  const std::tuple<Window, float, float, float, float> cases[] = {
      {{0, 0, 15, 15, 0, 100, 0, 50, 1}, 0.15f, 0.15f, 0, 0},      // equal scales shorten y
      {{0, 0, 15, 15, 0, 100, 0, 50, 0}, 0.15f, 0.3f, 0, 0},       //
      {{1, 3, 10, 21, 0, 10, 5000, 0, 0}, 1.0f, -0.0042f, 1, 24},  // depth axis downwards
      {{0, 0, 10, 5, 20, 0, 0, 20, 1}, -0.25f, 0.25f, 5, 0},       // reversed x keeps its sign
      {{0, 0, 10, 10, 3, 3, 1, 2, 0}, -0.25f, 0.25f, 5, 0},        // refused: the map is kept
      {{0, 0, 10, 10, 0, 1, -2, -2, 1}, -0.25f, 0.25f, 5, 0},      //
  };
  Console& c = start();
  for (const auto& [w, sx, sy, x0, y0] : cases) {
    SCOPED_TRACE(testing::Message() << w.xumin << ".." << w.xumax << ", " << w.yumin << ".." << w.yumax);
    set(w);
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(1, 1, 1), sx);
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(2, 2, 1), sy);
    EXPECT_NEAR(plt1blk.US0TOCM(1, 1), x0, 1e-5f);
    EXPECT_NEAR(plt1blk.US0TOCM(2, 1), y0, 1e-4f);
    // The inverse undoes the map.
    EXPECT_NEAR(plt1blk.CM0TOUS(2, 1) + plt1blk.CMTOUS(2, 2, 1) * y0, 0.0f, 1e-4f);
  }
  EXPECT_EQ(set({}, 3).xumin, 20.0f) << "the window is kept too";
  EXPECT_TRUE(has_in_order(c.lines(), {{" user window without extent: no finite scale",
                                        " xumin =    3.000000     xumax =    3.000000    "}}));
  EXPECT_EQ(count(c.lines(), " ===> NO ACTION: previous map kept"), 2);
}

TEST_F(Plot, SubplotNumbersOutsideTheRangeAreRefusedInTheSelectingModes) {
  const std::string change = "              CHANGING SUBPLOT";
  // isub and inter with subplot 3 current, the subplot then current, isub handed back, the refusal or change
  // shown.
  const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::string> cases[] = {
      {41, 1, 3, 41, " trying to set subplot nb =  41"},
      {0, 1, 3, 0, " trying to set subplot nb =   0"},
      {-1, 0, 3, -1, " trying to set subplot nb =  -1"},
      {41, 5, 1, 1, ""},
      {7, 8, 7, 7, change},
      {40, -1, 40, 40, ""},
      {9, 3, 3, 3, ""},
      {9, 2, 3, 3, change},
  };
  for (const auto& [given, inter, current, handed_back, shown] : cases) {
    SCOPED_TRACE(testing::Message() << "isub " << given << " inter " << inter);
    Console& c = start();
    plt1blk.ISUBPLOT = 3;
    std::int32_t isub = given;
    ssubplot(isub, inter);
    EXPECT_EQ(std::make_pair(plt1blk.ISUBPLOT, isub), std::make_pair(current, handed_back));
    Lines seen = lines_with(c.lines(), " trying to set subplot nb");
    if (count(c.lines(), change)) seen.push_back(change);
    EXPECT_EQ(seen, shown.empty() ? Lines{} : Lines{shown});
  }
}

// The plot library's frames name their routine in 20 columns, of which a
// warning or error head shows the first 13.
TEST_F(Plot, ScalingUnitsAndBufferFramesNameTheirRoutineAndRefuseWhatTheyCannotDo) {
  float v0[2] = {9, 9}, v[4] = {9, 9, 9, 9}, x[2] = {1, 2}, xb[2], yb[2];
  std::int32_t nchunk = 0, is = 5;
  // clang-format off
  const std::vector<std::pair<std::function<void()>, std::vector<Lines>>> cases = {
      {[] { splotscaling(3); }, {{" ///          subroutine splotscaling           ///"},
        {" inter =   3", " Accepted values = 4,5,7", " ===> NO ACTION"}}},
      {[] { splotscaling(7); }, {{" TRYING TO UPDATE PLOT SCALING", " WITH CLOSED PLOT FILE", " ===> NO ACTION"}}},
      {[] { splotscaling(5); }, {{" @ subroutine splotscaling          v1.2 2024-02-19"},
        {" INITIALIZING SUBPLOT SCALING", "  1: CM <-> DE untouched (plot file closed)", "  2: US <-> CM initializing",
        "  3: US <-> DE: untouched (plot file closed)"}, {" @ subroutine ssubplot              v1.4 2019-09-29"},
        {" INITIALISING SUBPLOT =   1"}}},
      {[&] { splotunits(v0, v, 2, 2); }, {{" inter =      2", " imat  =      2", " ===> NO ACTION"}}},
      {[&] { buffer2(xb, yb, 2, nchunk, x, x, 2, is); }, {{" ***          subroutine buffer2                ***"},
        {" is =      5 > nx =      2", " attempt to read past array"}}},
  };
  // clang-format on
  for (const auto& [act, shown] : cases) {
    Console& c = start();
    act();
    EXPECT_TRUE(has_in_order(c.lines(), shown)) << shown[0][0];
  }
  EXPECT_EQ((std::vector<float>{v0[0], v0[1], v[0], v[3]}), (std::vector<float>{9, 9, 9, 9})) << "untouched";
  // Maps 1 and 3 of the current subplot, offset then matrix column by column.
  plt1blk.ISUBPLOT = 2;
  for (std::int32_t i = 1; i <= 2; ++i) {
    plt1blk.US0TOCM(i, 2) = static_cast<float>(i);
    plt1blk.US0TODE(i, 2) = static_cast<float>(100 + i);
    for (std::int32_t j = 1; j <= 2; ++j) {
      plt1blk.USTOCM(i, j, 2) = static_cast<float>(10 * i + j);
      plt1blk.USTODE(i, j, 2) = static_cast<float>(110 + 10 * i + j);
    }
  }
  splotunits(v0, v, 1, 3);
  const std::vector<float> map1{v0[0], v0[1], v[0], v[1], v[2], v[3]};
  splotunits(v0, v, 3, 2);
  EXPECT_EQ(map1, (std::vector<float>{1, 2, 11, 21, 12, 22}));
  EXPECT_EQ((std::vector<float>{v0[0], v0[1], v[0], v[1], v[2], v[3]}),
            (std::vector<float>{101, 102, 121, 131, 122, 132}));
  EXPECT_EQ(pltcharblk.SUBPLOTITLE(40), "Subplot_40          ");
}

// Centimetres go to points through the device scale alone; a text keeps its
// trailing blanks.
TEST_F(Plot, CentimetreLinesAndTextsReachThePageInPoints) {
  start("\n\n");
  open_plot(0, 1, 0, 1);
  float x[] = {1.0f, 3.0f}, y[] = {2.0f, 4.0f};
  cmline(x, y, 2);
  cmtext2(1.0f, 2.0f, "ab  ");
  close_plot();
  EXPECT_EQ(page_,
            (Lines{"newpath", "28.35 56.70 moveto", "85.05 113.40 lineto", "stroke", "28.35 56.70 moveto",
                   "14 /Helvetica findfont exch scalefont setfont", "(ab  ) show"}));
}

// By mode: the values handed back and stored for the current subplot (or
// all), and how many dialogues ran. Return at every question keeps values.
TEST_F(Plot, OffsetAndMatrixSetterInEveryMode) {
  // The mode; xcm0 handed back, then stored for subplots 1 and 40; dialogues run.
  const std::tuple<std::int32_t, float, float, float, long> cases[] = {
      {0, 1, 1, 7, 1},   {1, 1, 1, 7, 0},   {2, 7, 7, 7, 1},     {3, 7, 7, 7, 0},
      {4, 10, 10, 7, 1}, {5, 10, 10, 7, 0}, {6, 10, 10, 10, 40}, {7, 10, 10, 10, 0},
      {8, 1, 1, 7, 1},   {9, 1, 1, 7, 0},   {-1, 1, 1, 7, 0},
  };
  for (const auto& [inter, back, stored1, stored40, dialogues] : cases) {
    SCOPED_TRACE(inter);
    Console& con = start(std::string(40, '\n'));
    for (std::int32_t s : {1, 40}) plt1blk.US0TOCM(1, s) = 7.0f;
    float xcm0 = 1, ycm0 = 2, xx = 3, xy = 4, yx = 5, yy = 6;
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, inter);
    EXPECT_EQ(std::make_tuple(xcm0, plt1blk.US0TOCM(1, 1), plt1blk.US0TOCM(1, 40), plt1blk.ISUBPLOT),
              std::make_tuple(back, stored1, stored40, 1));
    EXPECT_EQ(count(con.lines(), " @ subroutine mus2cm1               v6.6 2019-10-02"), dialogues);
  }
}

// At output level 2 off only the heading and the questions show; a yes asks
// every value in turn. An ixy other than 0 and 1 is shown with its warning
// and refused as a default.
TEST_F(Plot, MapDialoguesAskEveryValueAndInsistOnIxy) {
  // The window dialogue shows the set-up and takes new values in order.
  start("y\n-5\n5\n-20\n20\n1\n3\n12\n8\n0\n");
  const Window w = set({}, 4);
  const auto out = console_->lines();
  // The defaults in their fields of the picture.
  EXPECT_EQ(out.at(1), " @ subroutine mus2cm3               v4.5 2019-10-02");
  EXPECT_TRUE(has_in_order(
      out, Lines{"           CONVERSION SET UP               ",
                 "    _|_________________|_  yumax =    10.000", "    -10.000            10.000",
                 "  xumax =    10.000  yumax =    10.000", "     |                 |  | ylcm =    15.000",
                 "  xcm0  =     2.000  ycm0  =     2.000", " X & Y scale imposed equal"}));
  EXPECT_EQ((std::vector<float>{w.xumin, w.xumax, w.yumin, w.yumax, w.xcm0, w.ycm0, w.xlcm, w.ylcm}),
            (std::vector<float>{-5, 5, -20, 20, 1, 3, 12, 8}));
  EXPECT_EQ(w.ixy, 0);
  Console& c = start("y\n1\n2\n3\n4\n5\n6\n");
  iocom.LWITO(2) = false;
  float a = 0, b = 0, xx = 0, xy = 0, yx = 0, yy = 0;
  mus2cm1(a, b, xx, xy, yx, yy);
  EXPECT_EQ((std::vector<float>{a, b, xx, xy, yx, yy}), (std::vector<float>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(count(c.lines(), "           CONVERSION SET UP               "), 0);
  EXPECT_TRUE(has_in_order(c.lines(), Lines{" Do you want to alter this ?", " Enter xcm0", " Enter ycm0",
                                            " Enter xx", " Enter xy", " Enter yx", " Enter yy"}));

  Console& d = start("y\n\n\n\n\n\n\n\n\n\n1\n");
  float xcm0 = 1, ycm0 = 2, xlcm = 10, ylcm = 10, xumin = 0, xumax = 5, yumin = 0, yumax = 5;
  std::int32_t ixy = 2;
  mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  EXPECT_EQ(ixy, 1);
  EXPECT_TRUE(has_in_order(d.lines(),
                           Lines{" WARNING: ixy =         2  neither 0 nor 1",
                                 "       will have same effect as ixy = 0", " Enter xumin", " Enter ylcm",
                                 " Enter Whether X scale = Y scale (0/1) ?", " New value =             1"}));
}

}  // namespace
