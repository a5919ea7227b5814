// The stress limits and the two plots drawn into a real plot file: every
// expected point is worked out here from the start-up parameters, in double
// precision, and compared on the page within 0.011 points.
#include <cmath>
#include <functional>
#include <numbers>

#include "axis/axis.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/runinfo.h"
#include "stress/limits.h"
#include "stress/plots.h"
#include "support/expect.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;
using UserPoint = std::pair<double, double>;

// Start-up parameters: 1000 m under densities 2530 and 1000 kg/m3, friction
// coefficient 0.85.
const double kG = 9.81e-6;
const double kSv = kG * 1000.0 * 2530.0;
const double kPf = kG * 1000.0 * 1000.0;
double friction_factor(double mu) {
  const double t = std::tan(std::atan(mu) / 2.0 + std::numbers::pi / 4.0);
  return t * t;
}
const double kK = friction_factor(0.85);

// Sv, the lower limit of Shmin and the upper limit of Shmax.
struct Limits {
  double s, lo, hi;
};
Limits limits(double sv, double pf, double k, bool total) {
  if (!total) return {sv - pf, (sv - pf) / k, k * (sv - pf)};
  return {sv, (k - 1.0) / k * pf + sv / k, k * sv - (k - 1.0) * pf};
}

TEST(Limits, StartUpValuesInTotalAndEffectiveStress) {
  struct Case {
    bool total;
    float s, lo, hi, breakout_a, fracture_x1, fracture_y1, fracture_x2;
  };
  // The fracture line is clipped to y = 0 at its start (total stress only)
  // and to y = 100 at its end.
  for (const Case& c : {Case{true, 24.819f, 13.020f, 79.996f, 39.873f, 3.207f, 0.0f, 36.540f},
                        Case{false, 15.009f, 3.210f, 70.186f, 33.333f, 0.0f, 10.0f, 30.0f}}) {
    SCOPED_TRACE(c.total);
    const FrictionalLimits f = frictional_limits(24.8193f, 9.81f, 4.67615f, c.total);
    EXPECT_NEAR(f.s, c.s, 5e-4f);
    EXPECT_NEAR(f.lo, c.lo, 5e-4f);
    EXPECT_NEAR(f.hi, c.hi, 5e-4f);
    const Segment b = breakout_line(100.0f, 9.81f, c.total, 0.0f, 100.0f);
    EXPECT_NEAR(b.y1, c.breakout_a, 5e-4f);
    EXPECT_NEAR(b.y2, c.breakout_a + 100.0f / 3.0f, 5e-4f);
    const Segment t = fracture_line(10.0f, 9.81f, c.total, 0.0f, 100.0f, 0.0f, 100.0f);
    EXPECT_NEAR(t.x1, c.fracture_x1, 5e-4f);
    EXPECT_NEAR(t.y1, c.fracture_y1, 5e-4f);
    EXPECT_NEAR(t.x2, c.fracture_x2, 5e-4f);
    EXPECT_EQ(t.y2, 100.0f);
  }
}

TEST(Limits, ClippingOnlyMovesThePointsAlongTheLine) {
  // Wholly below the box: the first point goes up to ya beyond xb, the
  // second stays below; with a reversed y axis the same tests apply.
  const Segment below = fracture_line(10.0f, 100.0f, true, 0.0f, 10.0f, 50.0f, 100.0f);
  EXPECT_FLOAT_EQ(below.x1, (50.0f + 190.0f) / 3.0f);
  EXPECT_EQ(below.y1, 50.0f);
  EXPECT_FLOAT_EQ(below.y2, -160.0f);
  const Segment reversed = fracture_line(10.0f, 0.0f, false, 0.0f, 100.0f, 100.0f, 0.0f);
  EXPECT_FLOAT_EQ(reversed.x1, 30.0f);
  EXPECT_EQ(reversed.y1, 100.0f);
  EXPECT_FLOAT_EQ(reversed.x2, -10.0f / 3.0f);
  EXPECT_EQ(reversed.y2, 0.0f);
}

TEST(Limits, ProfileDepthsRunFromTheUpperTop) {
  EXPECT_EQ(profile_depths(0.0f, 100.0f, 5000.0f), (std::array<float, 3>{0.0f, 100.0f, 5000.0f}));
  EXPECT_EQ(profile_depths(100.0f, 0.0f, 5000.0f), (std::array<float, 3>{0.0f, 100.0f, 5000.0f}));
  EXPECT_FALSE(usable_friction_factor(0.0f));
  EXPECT_FALSE(usable_friction_factor(INFINITY));
  EXPECT_FALSE(usable_friction_factor(NAN));
  EXPECT_TRUE(usable_friction_factor(1.0f));
}

// From user units of a subplot to device points.
struct PageMap {
  double xcm0, ycm0, xscale, yscale, xu0, yu0;
  UserPoint operator()(UserPoint u) const {
    return {(xcm0 + (u.first - xu0) * xscale) * 28.35, (ycm0 + (u.second - yu0) * yscale) * 28.35};
  }
};
// Subplot 1: 15 x 15 cm from (3, 8) cm, 0 to 100 MPa on both axes.
const PageMap kPolygonPage{3.0, 8.0, 0.15, 0.15, 0.0, 0.0};
// Subplot 2: 15 x 21 cm from (3, 3) cm, 0 to 500 MPa across, 5000 m at the
// bottom to 0 m at the top.
const PageMap kDepthPage{3.0, 3.0, 15.0 / 500.0, -21.0 / 5000.0, 0.0, 5000.0};

using Paths = std::vector<std::vector<UserPoint>>;

void expect_paths(const PageMarks& page, const PageMap& map, const Paths& want) {
  ASSERT_EQ(page.paths.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "path " << i);
    ASSERT_EQ(page.paths[i].size(), want[i].size());
    for (std::size_t j = 0; j < want[i].size(); ++j) {
      const UserPoint p = map(want[i][j]);
      EXPECT_NEAR(page.paths[i][j].x, p.first, 0.011) << j;
      EXPECT_NEAR(page.paths[i][j].y, p.second, 0.011) << j;
    }
  }
}

// No non-number reaches the file, whatever the values.
void expect_only_numbers(const Lines& file) {
  for (const auto& l : file) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf"}) EXPECT_EQ(l.find(bad), std::string::npos) << l;
  }
}

class Plots : public PlotFileTest {
 protected:
  void SetUp() override {
    PlotFileTest::SetUp();
    start_up_state();
    gral::set_platform(&host_);
    runinfo3com.IROUTLEV = 1;
    runinfo3com.IRUNINFO = 2;
    runinfo3com.ROUTNAME(1) = "varnholt_pk";
    runinfo3com.ROUTVERS(1) = " 1.5";
    runinfo3com.OSVERS = "Linux_6.1.0-1";
    runinfo3com.HARDWINFO = fixed::fit("x86", 30);
  }
  void TearDown() override {
    gral::set_platform(nullptr);
    PlotFileTest::TearDown();
  }
  void start_up_state() {
    s_ = VarnholtState{};
    s_.SV = static_cast<float>(kSv);
    s_.PF = static_cast<float>(kPf);
    s_.XK13 = static_cast<float>(kK);
    s_.XMU = 0.85f;
    s_.PHI0 = 40.36454f;
  }

  // Draws into a plot file of its own, subplots placed as at start-up, and
  // reads back its page; the console is kept in screen_.
  PageMarks drawn(const std::function<void()>& draw, const std::string& keyboard = "") {
    Console c("\n" + keyboard);
    std::string name = "t" + std::to_string(++files_) + ".ps";
    open_plot_file(name);
    place(2, {3.0f, 3.0f, 15.0f, 21.0f, 0.0f, 500.0f, 5000.0f, 0.0f}, 0);
    place(1, {3.0f, 8.0f, 15.0f, 15.0f, 0.0f, 100.0f, 0.0f, 100.0f}, 1);
    draw();
    const PageMarks page = close_plot_file(name);
    screen_ = c.lines();
    file_ = file_lines(name);
    expect_only_numbers(file_);
    return page;
  }
  PageMarks polygon() {
    return drawn([this] { plot_shmax_shmin(s_, {0.0f, 100.0f, 0.0f, 100.0f, true}); });
  }
  PageMarks depth(const std::string& keyboard = "") {
    std::int32_t two = 2;
    return drawn(
        [&] {
          ssubplot(two, 1);
          plot_stress_depth(s_, {0.0f, 500.0f, 5000.0f, 0.0f, true});
        },
        keyboard);
  }

  // The texts of a framed page for the request code.
  Lines framed(std::int32_t code) {
    s_.ICHOICE = code;
    Lines texts;
    marks_ = drawn([this] {
      PlotWindow w;
      // An alignment of the user's, which the frame puts back.
      plt2blk.ITEXTALIGN = 9;
      frame_plot_page(s_, w);
      EXPECT_EQ(plt2blk.ITEXTALIGN, 9);
      EXPECT_EQ(plt2blk.TEXTSIZE, 0.5f);
    });
    for (const auto& t : marks_.texts) texts.push_back(t.text);
    return texts;
  }
  PageMarks marks_;

  VarnholtState s_;
  Lines screen_, file_;
  FakeHost host_;

 private:
  void place(std::int32_t isub, std::array<float, 8> v, std::int32_t ixy) {
    ssubplot(isub, 1);
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], ixy, 1);
  }
  int files_ = 0;
};

// The regime triangles, Sv lines, breakout and fracture lines of code 100
// for Sv, Pf and K, from the formulas.
Paths polygon_paths(const Limits& l, bool colour, double a_breakout, UserPoint fracture1,
                    UserPoint fracture2) {
  const double s = l.s, lo = l.lo, hi = l.hi;
  Paths p;
  if (colour) {
    p = {{{lo, lo}, {lo, s}, {s, s}, {lo, lo}},
         {{lo, s}, {s, hi}, {s, s}, {lo, s}},
         {{s, hi}, {hi, hi}, {s, s}, {s, hi}}};
  } else {
    p = {{{lo, lo}, {lo, s}, {s, hi}, {hi, hi}, {lo, lo}}};
  }
  p.push_back({{s, 0.0}, {s, 100.0}});
  p.push_back({{0.0, s}, {100.0, s}});
  p.push_back({{0.0, a_breakout}, {100.0, 100.0 / 3.0 + a_breakout}});
  p.push_back({fracture1, fracture2});
  return p;
}

TEST_F(Plots, StressPolygonInTotalAndEffectiveStressWithAndWithoutColour) {
  const Limits total = limits(kSv, kPf, kK, true), effective = limits(kSv, kPf, kK, false);
  // Fracture line y = 3x + T0 - 2 Pf, clipped to the box at y = 0 and 100.
  const UserPoint t1{(2.0 * kPf - 10.0) / 3.0, 0.0}, t2{(100.0 - 10.0 + 2.0 * kPf) / 3.0, 100.0};
  const UserPoint e1{0.0, 10.0}, e2{30.0, 100.0};
  for (bool colour : {true, false}) {
    SCOPED_TRACE(colour);
    s_.LCOLOR = colour;
    s_.LTOTAL = true;
    expect_paths(polygon(), kPolygonPage, polygon_paths(total, colour, (100.0 + 2.0 * kPf) / 3.0, t1, t2));
    s_.LTOTAL = false;
    expect_paths(polygon(), kPolygonPage, polygon_paths(effective, colour, 100.0 / 3.0, e1, e2));
  }
}

// The fill lines of a page, in order.
Lines fills(const Lines& file) {
  Lines f;
  for (const auto& l : file)
    if (l.ends_with("fill grestore")) f.push_back(l);
  return f;
}

TEST_F(Plots, TrianglesInTheirColoursThenTheFillColourInForce) {
  // A colour plot, filled polygons, fill colour 8 (grey 20 %).
  auto colour = [](int i, float r, float g, float b) {
    plt2blk.RED(i) = r;
    plt2blk.GREEN(i) = g;
    plt2blk.BLUE(i) = b;
  };
  auto start_up_attributes = [&] {
    plt2blk.NBCOLOR = 18;
    plt2blk.LCOLORPLOT = true;
    plt2blk.IFILLSTYLE = 1;
    plt2blk.IFILLCOLOR = 8;
    colour(3, 0, 100, 0);
    colour(8, 80, 80, 80);
    colour(13, 100, 50, 0);
    colour(16, 0, 50, 100);
  };
  s_.LLINES = s_.LBO = s_.LDITF = false;
  std::int32_t after = -1;
  drawn([&] {
    start_up_attributes();
    plot_shmax_shmin(s_, {0.0f, 100.0f, 0.0f, 100.0f, true});
    after = plt2blk.IFILLCOLOR;
  });
  EXPECT_EQ(fills(file_), (Lines{" 0.000  0.500  1.000 setrgbcolor fill grestore",
                                 " 0.000  1.000  0.000 setrgbcolor fill grestore",
                                 " 1.000  0.500  0.000 setrgbcolor fill grestore"}));
  EXPECT_EQ(after, 8);
  s_.LCOLOR = false;
  drawn([&] {
    start_up_attributes();
    plot_shmax_shmin(s_, {0.0f, 100.0f, 0.0f, 100.0f, true});
  });
  EXPECT_EQ(fills(file_), (Lines{" 0.800  0.800  0.800 setrgbcolor fill grestore"}));
}

TEST_F(Plots, AxisWithEqualBoundsFramesThePageAndDrawsNoBox) {
  // Axis 1 from 50 to 50: the page gets its frame, neither box nor plot.
  auto axis = [](std::int32_t k, float a, float b) {
    float wau1 = a, wau2 = b, waud = 5.0f, walas = 0.5f;
    std::string label = fixed::fit("Axis", 60);
    std::int32_t nawdig = 0, nasubint = 5, nlabintk = 2;
    s1axis1(a, b, wau1, wau2, waud, walas, label, nawdig, nasubint, nlabintk, k, 1);
  };
  s_.ICHOICE = 100;
  const PageMarks m = drawn(
      [&] {
        axis(1, 50.0f, 50.0f);
        axis(2, 0.0f, 100.0f);
        PlotWindow w;
        frame_plot_page(s_, w);
        EXPECT_FALSE(w.drawable);
        plot_shmax_shmin(s_, w);
      },
      std::string(8, '\n'));
  EXPECT_TRUE(m.paths.empty());
  EXPECT_EQ(m.texts.size(), 17u);
  EXPECT_TRUE(has_in_order(
      screen_, {warning_head("varnholt_pk"),
                {" AXIS BOUNDS DO NOT SPAN A WINDOW:",
                 " axis nb =     1 from    50.0000     to    50.0000    ", " ===> BOX AND PLOT NOT DRAWN"},
                tail('/')}));
}

TEST_F(Plots, EachFlagLeavesOutItsOwnLinesOnly) {
  const Paths all = polygon_paths(limits(kSv, kPf, kK, true), true, (100.0 + 2.0 * kPf) / 3.0,
                                  {(2.0 * kPf - 10.0) / 3.0, 0.0}, {(90.0 + 2.0 * kPf) / 3.0, 100.0});
  struct Case {
    bool VarnholtState::*flag;
    std::size_t first, count;  // the paths it governs
  };
  for (const Case& c : {Case{&VarnholtState::LFRICT, 0, 3}, Case{&VarnholtState::LLINES, 3, 2},
                        Case{&VarnholtState::LBO, 5, 1}, Case{&VarnholtState::LDITF, 6, 1}}) {
    start_up_state();
    s_.*c.flag = false;
    Paths want = all;
    want.erase(want.begin() + static_cast<long>(c.first),
               want.begin() + static_cast<long>(c.first + c.count));
    SCOPED_TRACE(c.first);
    expect_paths(polygon(), kPolygonPage, want);
  }
}

TEST_F(Plots, OneLinePerStrengthInForce) {
  // Five values each; a sixth element beyond the count is never drawn.
  s_.NC0 = s_.NT0 = 5;
  s_.LFRICT = s_.LLINES = false;
  for (int i = 1; i <= 5; ++i) {
    s_.C0(i) = 60.0f + 20.0f * static_cast<float>(i);
    s_.T0(i) = 5.0f * static_cast<float>(i);
  }
  Paths want;
  for (int i = 1; i <= 5; ++i) {
    const double a = (60.0 + 20.0 * i + 2.0 * kPf) / 3.0;
    want.push_back({{0.0, a}, {100.0, 100.0 / 3.0 + a}});
  }
  for (int i = 1; i <= 5; ++i) {
    const double a = 5.0 * i - 2.0 * kPf;
    // Clipped at its start only while it starts below the box.
    want.push_back({a < 0.0 ? UserPoint{-a / 3.0, 0.0} : UserPoint{0.0, a}, {(100.0 - a) / 3.0, 100.0}});
  }
  expect_paths(polygon(), kPolygonPage, want);
}

TEST_F(Plots, FrictionFactorOneCollapsesThePolygonOntoSv) {
  s_.XK13 = 1.0f;
  s_.LLINES = s_.LBO = s_.LDITF = false;
  const double s = static_cast<float>(kSv);
  const UserPoint p{s, s};
  expect_paths(polygon(), kPolygonPage, {{p, p, p, p}, {p, p, p, p}, {p, p, p, p}});
}

// Pf, Sv, Shmax and Shmin against depth, from the profile's formulas.
Paths depth_paths(double zrock, double zfluid, double k, bool total) {
  const double ya = 5000.0;
  auto sv = [&](double z) {
    if (zrock >= zfluid)
      return z <= zfluid  ? 0.0
             : z <= zrock ? kG * 1000.0 * (z - zfluid)
                          : kG * ((z - zrock) * 2530.0 + (zrock - zfluid) * 1000.0);
    return z <= zrock    ? 0.0
           : z <= zfluid ? kG * 2430.0 * (z - zrock)
                         : kG * ((z - zfluid) * 2530.0 + (zfluid - zrock) * 2430.0);
  };
  auto pf = [&](double z) { return z <= zfluid ? 0.0 : kG * 1000.0 * (z - zfluid); };
  const double z[3] = {std::min(zrock, zfluid), std::max(zrock, zfluid), ya};
  Paths p{{{pf(zfluid), zfluid}, {pf(ya), ya}}, {}, {}, {}};
  for (double d : z) {
    const Limits l = limits(sv(d), pf(d), k, total);
    p[1].push_back({l.s, d});
    p[2].push_back({l.hi, d});
    p[3].push_back({l.lo, d});
  }
  return p;
}

TEST_F(Plots, StressAgainstDepth) {
  struct Case {
    float zrock, zfluid;
    bool total;
  };
  for (const Case& c : {Case{0.0f, 0.0f, true}, Case{0.0f, 0.0f, false}, Case{0.0f, 100.0f, true},
                        Case{100.0f, 0.0f, false}}) {
    SCOPED_TRACE(testing::Message() << c.zrock << " " << c.zfluid << " " << c.total);
    s_.ZROCK = c.zrock;
    s_.ZFLUID = c.zfluid;
    s_.LTOTAL = c.total;
    expect_paths(depth(), kDepthPage, depth_paths(c.zrock, c.zfluid, kK, c.total));
  }
  // The oracle itself, at 5000 m in total stress.
  const Paths p = depth_paths(0.0, 0.0, kK, true);
  EXPECT_NEAR(p[0][1].first, 49.05, 0.005);
  EXPECT_NEAR(p[1][2].first, 124.10, 0.005);
  EXPECT_NEAR(p[2][2].first, 399.98, 0.005);
  EXPECT_NEAR(p[3][2].first, 65.10, 0.005);
}

TEST_F(Plots, DepthCurvesFollowTheirOwnFlags) {
  // Code 43's flag governs the frictional curves here, not code 32's.
  const Paths all = depth_paths(0.0, 0.0, kK, true);
  s_.LFRICT = false;
  expect_paths(depth(), kDepthPage, all);
  s_.LFRICTZ = false;
  expect_paths(depth(), kDepthPage, {all[0], all[1]});
  s_.LFRICTZ = true;
  s_.LSV = s_.LPF = false;
  expect_paths(depth(), kDepthPage, {all[2], all[3]});
  // K = 1: both limits lie on Sv.
  s_.XK13 = 1.0f;
  expect_paths(depth(), kDepthPage, {all[1], all[1]});
}

TEST_F(Plots, WithoutDensitiesTheDepthPlotWarnsAndDrawsNothing) {
  s_.LRHO = false;
  EXPECT_TRUE(depth().paths.empty());
  EXPECT_TRUE(has_in_order(
      screen_, {warning_head("varnholt_pk"),
                {"    CANNOT MAKE DEPTH PLOTS", " IF DENSITY * HEIGHT CALCULATIONS", "         ARE DISABLED"},
                tail('/')}));
}

TEST_F(Plots, ValuesThatAreNotFiniteLeaveOutWhatNeedsThem) {
  const Paths all = polygon_paths(limits(kSv, kPf, kK, true), true, (100.0 + 2.0 * kPf) / 3.0,
                                  {(2.0 * kPf - 10.0) / 3.0, 0.0}, {(90.0 + 2.0 * kPf) / 3.0, 100.0});
  const Lines head = warning_head("varnholt_pk") + Lines{" A VALUE THE PLOT NEEDS IS NOT A FINITE NUMBER"};
  // K = 0 (a friction angle of -90 degrees): no polygon.
  s_.XK13 = 0.0f;
  expect_paths(polygon(), kPolygonPage, {all[3], all[4], all[5], all[6]});
  EXPECT_TRUE(has_in_order(
      screen_, {head, {" K  =   0.000000    ", " ===> NOT DRAWN: frictional limits"}, tail('/')}));
  // An infinite Sv: neither polygon nor Sv lines; the other lines need only Pf.
  s_.XK13 = static_cast<float>(kK);
  s_.SV = INFINITY;
  expect_paths(polygon(), kPolygonPage, {all[5], all[6]});
  EXPECT_TRUE(has_in_order(
      screen_, {head,
                {" Sv =       Infinity", " ===> NOT DRAWN: frictional limits", " ===> NOT DRAWN: Sv lines"},
                tail('/')}));
  // In the depth plot: K = 0 leaves out both limit curves, a density that
  // overflows every curve but Pf's.
  s_.XK13 = 0.0f;
  const Paths curves = depth_paths(0.0, 0.0, kK, true);
  expect_paths(depth(), kDepthPage, {curves[0], curves[1]});
  EXPECT_TRUE(
      has_in_order(screen_, {head, {" K  =   0.000000    ", " ===> NOT DRAWN: Shmax and Shmin curves"}}));
  s_.XK13 = static_cast<float>(kK);
  s_.RHOWET = 3e38f;
  expect_paths(depth(), kDepthPage, {curves[0]});
  EXPECT_TRUE(has_in_order(screen_, {head,
                                     {" Sv =       Infinity", " ===> NOT DRAWN: Sv curve",
                                      " ===> NOT DRAWN: Shmax and Shmin curves"}}));
}

TEST_F(Plots, FrameCarriesRunInformationCaptionAndBothColumns) {
  const Lines run_info = {"Run on 2024-09-13 at 10:11:12", "System : Linux_6.1.0-1 x86",
                          "varnholt_pk_1.5 Command = 150"};
  const Lines depths = {"Depth = 1000.00 m", "depth top overburden = 0.00 m", "depth top water = 0.00 m"};
  const Lines densities = {"Rock wet density = 2530.0 kg/m3", "Rock dry density = 2430.0 kg/m3",
                           "Water density = 1000.0 kg/m3"};
  const Lines friction = {"Sv = 24.819 MPa", "Pf = 9.810 MPa", "Mu = 0.850", "Phi0 = 40.365 degrees",
                          "K13 = 4.676"};
  EXPECT_EQ(
      framed(150),
      lines({run_info, {"Total stress"}, depths, densities, friction, {"C = 100.00 MPa", "T = 10.00 MPa"}}));

  // Run information and caption centred on 10.5 cm, the right-hand column
  // ending at 18 cm, the left-hand one starting at 3 cm; half-size lines
  // 0.375 cm apart from 28 cm down, the caption at full size at 26 cm.
  std::vector<std::pair<double, double>> at = {{10.5, 28.0}, {10.5, 27.625}, {10.5, 27.25}, {10.5, 26.0}};
  for (int n = 0; n < 6; ++n) at.push_back({18.0, 28.0 - 0.375 * n});
  for (int n = 0; n < 7; ++n) at.push_back({3.0, 28.0 - 0.375 * n});
  ASSERT_EQ(marks_.texts.size(), at.size());
  for (std::size_t i = 0; i < at.size(); ++i) {
    EXPECT_NEAR(marks_.texts[i].at.x, at[i].first * 28.35, 0.011) << i;
    EXPECT_NEAR(marks_.texts[i].at.y, at[i].second * 28.35, 0.011) << i;
  }
  // Centred texts move back by half their width, right-aligned ones by all
  // of it; 0.25 cm is 7 points, 0.5 cm 14.
  EXPECT_EQ(count(file_, "dup stringwidth pop -2 div 0 rmoveto"), 4);
  EXPECT_EQ(count(file_, "dup stringwidth pop -1 div 0 rmoveto"), 6);
  EXPECT_EQ(count(file_, "7 /Helvetica findfont exch scalefont setfont"), 16);
  EXPECT_EQ(count(file_, "14 /Helvetica findfont exch scalefont setfont"), 1);

  // Without densities the right-hand column keeps its three depths; several
  // strengths show first, last and step, cut at 60 characters.
  s_.LRHO = s_.LTOTAL = false;
  s_.NC0 = 3;
  s_.C0(1) = 50.0f;
  s_.C0(3) = 100.0f;
  s_.DC0 = 25.0f;
  s_.NT0 = 5;
  s_.T0(1) = 1000000.0f;
  s_.T0(5) = 5000000.0f;
  s_.DT0 = 1000000.0f;
  EXPECT_EQ(framed(150), lines({run_info,
                                {"Effective stress"},
                                depths,
                                friction,
                                {"C Initial = 50.00 Final = 100.00 Increment = 25.00 MPa",
                                 "T Initial = 1000000.00 Final = 5000000.00 Increment = 100000"}}));
}

}  // namespace
