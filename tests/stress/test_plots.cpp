// The page frame and the two plots drawn into a real plot file: every
// expected point is worked out here from the formulas, in double precision,
// and compared on the page within 0.011 points.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "axis/axis.h"
#include "stress/plots.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;
using Paths = std::vector<std::vector<std::pair<double, double>>>;
using Change = void (*)(VarnholtState&);

const double kG = 9.81e-6;

// Pages are compared in user units: subplot 1 is 15 x 15 cm from (3, 8) cm
// for 0 to 100 MPa; subplot 2 15 x 21 cm from (3, 3) cm for 0 to 500 MPa and
// 5000 m at the bottom to 0 m at the top.
struct PageMap {
  double xcm0, ycm0, xscale, yscale, yu0;
  // The page point of a user point.
  Point at(double x, double y) const { return cm_point(xcm0 + x * xscale, ycm0 + (y - yu0) * yscale); }
};
const PageMap kPolygonPage{3.0, 8.0, 0.15, 0.15, 0.0}, kDepthPage{3.0, 3.0, 0.03, -21.0 / 5000.0, 5000.0};

// The frictional limits: Sv as plotted, the lowest Shmin, the highest Shmax.
std::array<double, 3> limits(double sv, double pf, double k, bool total) {
  if (!total) return {sv - pf, (sv - pf) / k, k * (sv - pf)};
  return {sv, (k - 1.0) / k * pf + sv / k, k * sv - (k - 1.0) * pf};
}

// Code 100 in the box 0..100 x 0..100.
Paths polygon_oracle(const VarnholtState& s) {
  const double pf = s.LTOTAL ? s.PF : 0.0;
  const auto [v, lo, hi] = limits(s.SV, s.PF, s.XK13, s.LTOTAL);
  Paths p;
  if (s.LFRICT && s.LCOLOR)
    p = {{{lo, lo}, {lo, v}, {v, v}, {lo, lo}},
         {{lo, v}, {v, hi}, {v, v}, {lo, v}},
         {{v, hi}, {hi, hi}, {v, v}, {v, hi}}};
  if (s.LFRICT && !s.LCOLOR) p = {{{lo, lo}, {lo, v}, {v, hi}, {hi, hi}, {lo, lo}}};
  if (s.LLINES) p.insert(p.end(), {{{v, 0.0}, {v, 100.0}}, {{0.0, v}, {100.0, v}}});
  for (int i = 1; s.LBO && i <= s.NC0; ++i) {
    const double a = (s.C0(i) + 2.0 * pf) / 3.0;  // 3 Shmax - Shmin - 2 Pf = C0
    p.push_back({{0.0, a}, {100.0, 100.0 / 3.0 + a}});
  }
  for (int i = 1; s.LDITF && i <= s.NT0; ++i) {
    const double a = s.T0(i) - 2.0 * pf;  // 3 Shmin - Shmax - 2 Pf = -T0, clipped to the box
    p.push_back({a < 0.0 ? std::pair{-a / 3.0, 0.0} : std::pair{0.0, a}, {(100.0 - a) / 3.0, 100.0}});
  }
  return p;
}

// Code 200 down to 5000 m, from the profile's own formulas.
Paths depth_oracle(const VarnholtState& s) {
  const double zr = s.ZROCK, zf = s.ZFLUID;
  auto pf = [&](double z) { return z <= zf ? 0.0 : kG * 1000.0 * (z - zf); };
  auto sv = [&](double z) {
    if (z <= std::min(zr, zf)) return 0.0;
    if (zr >= zf) return z <= zr ? pf(z) : kG * ((z - zr) * 2530.0 + (zr - zf) * 1000.0);
    return z <= zf ? kG * 2430.0 * (z - zr) : kG * ((z - zf) * 2530.0 + (zf - zr) * 2430.0);
  };
  Paths p, curves(3);
  if (s.LPF) p.push_back({{pf(zf), zf}, {pf(5000.0), 5000.0}});
  for (double z : {std::min(zr, zf), std::max(zr, zf), 5000.0}) {
    const auto l = limits(sv(z), pf(z), s.XK13, s.LTOTAL);
    for (std::size_t c = 0; c < 3; ++c) curves[c].push_back({l[c], z});
  }
  if (s.LSV) p.push_back(curves[0]);
  if (s.LFRICTZ) p.insert(p.end(), {curves[2], curves[1]});
  return p;
}

class Plots : public PlotOnFakeHost {
 protected:
  // Start-up values: 1000 m under densities 2530 and 1000 kg/m3, friction
  // coefficient 0.85.
  void start_up(Change change = [](VarnholtState&) {}) {
    s_ = VarnholtState{};
    const double t = std::tan(std::atan(0.85) / 2.0 + std::numbers::pi / 4.0);
    s_.SV = static_cast<float>(kG * 1000.0 * 2530.0), s_.PF = static_cast<float>(kG * 1000.0 * 1000.0);
    s_.XK13 = static_cast<float>(t * t), s_.XMU = 0.85f, s_.PHI0 = 40.36454f;
    change(s_);
    // The subplots as the program places them, subplot 1 current.
    place(2, {3.0f, 3.0f, 15.0f, 21.0f, 0.0f, 500.0f, 5000.0f, 0.0f}, 0);
    place(1, {3.0f, 8.0f, 15.0f, 15.0f, 0.0f, 100.0f, 0.0f, 100.0f}, 1);
  }
  void polygon() { plot_shmax_shmin(s_, {0.0f, 100.0f, 0.0f, 100.0f, true}); }
  // Both plots on one page, the polygon's paths first.
  PageMarks both() {
    return drawn([this] {
      polygon();
      std::int32_t two = 2;
      ssubplot(two, 1);
      plot_stress_depth(s_, {0.0f, 500.0f, 5000.0f, 0.0f, true});
    });
  }
  static void place(std::int32_t isub, std::array<float, 8> v, std::int32_t ixy) {
    ssubplot(isub, 1);
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], ixy, 1);
  }

  VarnholtState s_;
};

TEST_F(Plots, BothPlotsFollowTheirFlagsAndValues) {
  // Changes to the start-up state, each drawn on its own page. Code 32
  // governs the polygon, code 43 the depth plot's limit curves.
  const std::pair<const char*, Change> variants[] = {
      {"start-up", [](VarnholtState&) {}},
      {"no colour, effective", [](VarnholtState& s) { s.LCOLOR = s.LTOTAL = false; }},
      {"code 32 off", [](VarnholtState& s) { s.LFRICT = false; }},
      {"code 43 off", [](VarnholtState& s) { s.LFRICTZ = false; }},
      {"no lines", [](VarnholtState& s) { s.LLINES = s.LSV = false; }},
      {"no breakout, fracture, Pf", [](VarnholtState& s) { s.LBO = s.LDITF = s.LPF = false; }},
      {"K = 1", [](VarnholtState& s) { s.XK13 = 1.0f; }},
      {"water table at 100 m", [](VarnholtState& s) { s.ZFLUID = 100.0f; }},
      {"100 m of water, effective", [](VarnholtState& s) { s.ZROCK = 100.0f, s.LTOTAL = false; }},
      {"five strengths each", [](VarnholtState& s) {
         s.NC0 = s.NT0 = 5;
         for (int i = 1; i <= 5; ++i)
           s.C0(i) = 60.0f + 20.0f * static_cast<float>(i), s.T0(i) = 5.0f * static_cast<float>(i);
       }}};
  for (const auto& [name, change] : variants) {
    SCOPED_TRACE(name);
    start_up(change);
    const PageMarks page = both();
    // Each plot's paths in its subplot.
    PageMarks want{{}, page.texts};
    for (const auto& [m, paths] :
         {std::pair{kPolygonPage, polygon_oracle(s_)}, {kDepthPage, depth_oracle(s_)}})
      for (const auto& path : paths) {
        auto& points = want.paths.emplace_back();
        for (auto [x, y] : path) points.push_back(m.at(x, y));
      }
    expect_marks(page, want);
  }
  // The oracles agree with the figures worked out by hand: regime corners,
  // breakout intercept, and the curves' ends at 5000 m.
  start_up();
  const Paths p = polygon_oracle(s_), d = depth_oracle(s_);
  EXPECT_NEAR(p[0][0].first, 13.020, 5e-4);
  EXPECT_NEAR(p[2][1].first, 79.996, 5e-4);
  EXPECT_NEAR(p[5][0].second, 39.873, 5e-4);
  for (auto [i, v] : {std::pair{0, 49.05}, {1, 124.10}, {2, 399.98}, {3, 65.10}})
    EXPECT_NEAR(d[static_cast<std::size_t>(i)].back().first, v, 5e-3);
}

// The regimes are filled in colours 16, 3 and 13, then the fill colour in
// force comes back; without colour one polygon is filled in it.
TEST_F(Plots, TrianglesInTheirColoursThenTheFillColourInForce) {
  for (bool colour : {true, false}) {
    start_up();
    s_.LCOLOR = colour;
    std::int32_t after = -1;
    drawn([&] {
      plt2blk.NBCOLOR = 18, plt2blk.LCOLORPLOT = true, plt2blk.IFILLSTYLE = 1, plt2blk.IFILLCOLOR = 8;
      for (auto [i, rgb] : {std::pair{3, "0 100 0"}, {8, "80 80 80"}, {13, "100 50 0"}, {16, "0 50 100"}})
        std::istringstream(rgb) >> plt2blk.RED(i) >> plt2blk.GREEN(i) >> plt2blk.BLUE(i);
      polygon();
      after = plt2blk.IFILLCOLOR;
    });
    EXPECT_EQ(lines_with(file_, "", "fill grestore"),
              (colour ? Lines{" 0.000  0.500  1.000 setrgbcolor fill grestore",
                              " 0.000  1.000  0.000 setrgbcolor fill grestore",
                              " 1.000  0.500  0.000 setrgbcolor fill grestore"}
                      : Lines{" 0.800  0.800  0.800 setrgbcolor fill grestore"}));
    EXPECT_EQ(after, 8);
  }
}

// What cannot be drawn is left out, said in a warning of the main program:
// K = 0 (a friction angle of -90 degrees) leaves out the polygon and the
// limit curves; an infinite Sv all but the breakout and fracture lines, which
// need only Pf; a wet density that overflows every depth curve but Pf's; no
// densities the whole depth plot.
TEST_F(Plots, WhatCannotBeDrawnIsLeftOutWithAWarning) {
  const std::string head = " A VALUE THE PLOT NEEDS IS NOT A FINITE NUMBER",
                    positive = " A VALUE THE PLOT NEEDS IS NOT A FINITE POSITIVE NUMBER",
                    k0 = " K  =   0.000000    ", sv = " Sv =       Infinity",
                    limits = " ===> NOT DRAWN: frictional limits",
                    curves = " ===> NOT DRAWN: Shmax and Shmin curves";
  const std::tuple<Change, std::size_t, std::vector<Lines>> cases[] = {
      {[](VarnholtState& s) { s.XK13 = 0.0f; }, 4 + 2, {{positive, k0, limits}, {positive, k0, curves}}},
      {[](VarnholtState& s) { s.SV = INFINITY; }, 2 + 4, {{head, sv, limits, " ===> NOT DRAWN: Sv lines"}}},
      {[](VarnholtState& s) { s.RHOWET = 3e38f; }, 7 + 1, {{head, sv, " ===> NOT DRAWN: Sv curve", curves}}},
      {[](VarnholtState& s) { s.LRHO = false; },
       7,
       {{"    CANNOT MAKE DEPTH PLOTS", " IF DENSITY * HEIGHT CALCULATIONS", "         ARE DISABLED"}}},
  };
  for (const auto& [change, paths, shown] : cases) {
    start_up(change);
    EXPECT_EQ(both().paths.size(), paths);
    auto blocks = shown;
    blocks.insert(blocks.begin(), warning_head("varnholt_pk"));
    EXPECT_TRUE(has_in_order(screen_, blocks)) << paths;
  }
}

TEST_F(Plots, FrameCarriesRunInformationCaptionAndBothColumns) {
  start_up();
  auto framed = [&](std::int32_t code) {
    s_.ICHOICE = code;
    const PageMarks m = drawn([this] {
      PlotWindow w;
      plt2blk.ITEXTALIGN = 9;  // the user's, put back afterwards
      frame_plot_page(s_, w);
      EXPECT_EQ(std::pair(plt2blk.ITEXTALIGN, plt2blk.TEXTSIZE), std::pair(9, 0.5f));
    });
    EXPECT_TRUE(m.paths.empty());  // no box for a code without a plot
    return m;
  };
  const Lines run_info = {"Run on 2024-09-13 at 10:11:12", "System : Linux_6.1.0-1 x86",
                          "varnholt_pk_1.5 Command = 150"};
  const Lines depths = {"Depth = 1000.00 m", "depth top overburden = 0.00 m", "depth top water = 0.00 m"};
  const Lines friction = {"Sv = 24.819 MPa", "Pf = 9.810 MPa", "Mu = 0.850", "Phi0 = 40.365 degrees",
                          "K13 = 4.676"};
  const PageMarks m = framed(150);
  EXPECT_EQ(texts_of(m), lines({run_info,
                                {"Total stress"},
                                depths,
                                {"Rock wet density = 2530.0 kg/m3", "Rock dry density = 2430.0 kg/m3",
                                 "Water density = 1000.0 kg/m3"},
                                friction,
                                {"C = 100.00 MPa", "T = 10.00 MPa"}}));
  // Centred on 10.5 cm, the right-hand column ending at 18 cm, the left-hand
  // one starting at 3 cm; half-size lines 0.375 cm apart from 28 cm down,
  // the caption at full size at 26 cm.
  std::vector<std::pair<double, double>> at = {{10.5, 28.0}, {10.5, 27.625}, {10.5, 27.25}, {10.5, 26.0}};
  for (int n = 0; n < 13; ++n) at.push_back({n < 6 ? 18.0 : 3.0, 28.0 - 0.375 * (n < 6 ? n : n - 6)});
  ASSERT_EQ(m.texts.size(), at.size());
  for (std::size_t i = 0; i < at.size(); ++i)
    EXPECT_TRUE(near(m.texts[i].at, cm_point(at[i].first, at[i].second)) &&
                m.texts[i].across == (i < 4    ? -0.5f
                                      : i < 10 ? -1.0f
                                               : 0.0f))
        << i;
  for (auto [line, n] : {std::pair{"7 /Helvetica findfont exch scalefont setfont", 16},
                         {"14 /Helvetica findfont exch scalefont setfont", 1}})
    EXPECT_EQ(count(file_, line), n) << line;

  // Without densities the right-hand column keeps its three depths; several
  // strengths show first, last and step, cut at 60 characters.
  s_.LRHO = s_.LTOTAL = false;
  s_.NC0 = 3, s_.C0(1) = 50.0f, s_.C0(3) = 100.0f, s_.DC0 = 25.0f;
  s_.NT0 = 5, s_.T0(1) = 1000000.0f, s_.T0(5) = 5000000.0f, s_.DT0 = 1000000.0f;
  EXPECT_EQ(texts_of(framed(150)), lines({run_info,
                                          {"Effective stress"},
                                          depths,
                                          friction,
                                          {"C Initial = 50.00 Final = 100.00 Increment = 25.00 MPa",
                                           "T Initial = 1000000.00 Final = 5000000.00 Increment = 100000"}}));
}

// An axis with equal bounds: the page is framed, with neither box nor plot.
TEST_F(Plots, AxisWithEqualBoundsLeavesOutBoxAndPlot) {
  start_up();
  float a = 50.0f, b = 50.0f, wau1 = a, wau2 = b, waud = 5.0f, walas = 0.5f;
  std::string label = fixed::fit("Axis", 60);
  std::int32_t nawdig = 0, nasubint = 5, nlabintk = 2;
  const PageMarks m = drawn(
      [&] {
        s1axis1(a, b, wau1, wau2, waud, walas, label, nawdig, nasubint, nlabintk, 1, 1);
        PlotWindow w;
        s_.ICHOICE = 100;
        frame_plot_page(s_, w);
        plot_shmax_shmin(s_, w);
      },
      std::string(8, '\n'));
  EXPECT_EQ(std::pair(m.texts.size(), m.paths.size()), std::pair(std::size_t{17}, std::size_t{0}));
  EXPECT_TRUE(has_in_order(
      screen_, {warning_head("varnholt_pk"),
                {" AXIS BOUNDS DO NOT SPAN A WINDOW:",
                 " axis nb =     1 from    50.0000     to    50.0000    ", " ===> BOX AND PLOT NOT DRAWN"}}));
}

}  // namespace
