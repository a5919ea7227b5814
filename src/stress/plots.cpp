#include "stress/plots.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "axis/axis.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/text.h"
#include "plot/plot.h"
#include "records/fixedtext.h"
#include "runinfo/runinfo.h"
#include "stress/limits.h"
#include "stress/program.h"
#include "stress/zd2stressn.h"

namespace {

// Page positions in cm, those of the A4 portrait page.
constexpr float kCentreX = 10.5f;
constexpr float kTopY = 28.0f;
constexpr float kCaptionY = 26.0f;
constexpr float kRightX = 18.0f;
constexpr float kLeftX = 3.0f;

// Texts are assembled in, and drawn as, 60-character lines.
std::string line60(std::string_view text) {
  return fixed::fit(text, 60);
}

// A number with ndec decimals at its own width (at most 10 characters).
std::string number(float v, std::int32_t ndec) {
  std::string text(10, ' ');
  std::int32_t nchar = 0;
  real2charf1(text, nchar, ndec, 10, v);
  return gral::head(text, nchar);
}

void column_line(std::string_view text, std::int32_t n, float x) {
  cmplotcharinfo2(line60(text), n, x, kTopY, 1);
}

void set_alignment(std::int32_t align) {
  stextalign(align, 1);
}

// "C = 100.00 MPa", or the first, last and step of several values.
std::string strengths(std::string_view name, const fixed::Array<float, 5>& v, std::int32_t count,
                      float step) {
  if (count == 1) return std::string(name) + " = " + number(v(1), 2) + " MPa";
  return std::string(name) + " Initial = " + number(v(1), 2) + " Final = " + number(v(count), 2) +
         " Increment = " + number(step, 2) + " MPa";
}

void right_column(const VarnholtState& s) {
  column_line("Depth = " + number(s.Z, 2) + " m", 1, kRightX);
  column_line("depth top overburden = " + number(s.ZROCK, 2) + " m", 2, kRightX);
  column_line("depth top water = " + number(s.ZFLUID, 2) + " m", 3, kRightX);
  if (!s.LRHO) return;
  column_line("Rock wet density = " + number(s.RHOWET, 1) + " kg/m3", 4, kRightX);
  column_line("Rock dry density = " + number(s.RHODRY, 1) + " kg/m3", 5, kRightX);
  column_line("Water density = " + number(s.RHOF, 1) + " kg/m3", 6, kRightX);
}

void left_column(const VarnholtState& s) {
  column_line("Sv = " + number(s.SV, 3) + " MPa", 1, kLeftX);
  column_line("Pf = " + number(s.PF, 3) + " MPa", 2, kLeftX);
  column_line("Mu = " + number(s.XMU, 3), 3, kLeftX);
  column_line("Phi0 = " + number(s.PHI0, 3) + " degrees", 4, kLeftX);
  column_line("K13 = " + number(s.XK13, 3), 5, kLeftX);
  column_line(strengths("C", s.C0, s.NC0, s.DC0), 6, kLeftX);
  column_line(strengths("T", s.T0, s.NT0, s.DT0), 7, kLeftX);
}

// A window needs two distinct bounds on each axis and a finite span: the
// scaling divides by the span.
bool spans(float a, float b) {
  return a != b && std::isfinite(b - a);
}

void warn_no_window(std::int32_t axis, float a, float b) {
  warninghead(kVarnholtStamp);
  gral::say("AXIS BOUNDS DO NOT SPAN A WINDOW:");
  gral::say(gral::Rec()
                .X()
                .A("axis nb =")
                .X()
                .I(axis, 5)
                .X()
                .A("from")
                .X()
                .G(a, 14, 6)
                .X()
                .A("to")
                .X()
                .G(b, 14, 6));
  gral::say("===> BOX AND PLOT NOT DRAWN");
  warningtail00();
}

struct BoxChoice {
  std::int32_t subplot, xaxis, yaxis;
  const char* label;
};

// Subplot, box and user window of a plot; false when the axes leave no
// window to draw in.
bool frame_box(const BoxChoice& c, PlotWindow& w) {
  std::int32_t isub = c.subplot;
  ssubplot(isub, 1);
  std::int32_t ix = c.xaxis, iy = c.yaxis, border = 1, left = border, right = border, bottom = border,
               top = border, clip = 0, zerolines = 0;
  std::string label = fixed::fit(c.label, 25);
  s1bx2d(ix, iy, left, right, bottom, top, clip, zerolines, label, 1, 1);

  float xcm0 = 0.0f, ycm0 = 0.0f, xlcm = 0.0f, ylcm = 0.0f;
  float xumin = 0.0f, xumax = 0.0f, yumin = 0.0f, yumax = 0.0f;
  std::int32_t ixy = 0;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 3);
  g1axbd(w.xa, w.xb, c.xaxis);
  g1axbd(w.ya, w.yb, c.yaxis);
  if (!spans(w.xa, w.xb)) {
    warn_no_window(c.xaxis, w.xa, w.xb);
    return false;
  }
  if (!spans(w.ya, w.yb)) {
    warn_no_window(c.yaxis, w.ya, w.yb);
    return false;
  }
  sus2cm3(xcm0, ycm0, xlcm, ylcm, w.xa, w.xb, w.ya, w.yb, ixy, 1);
  d1bx2d(1);
  return true;
}

bool all_finite(const float* x, const float* y, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
  return true;
}

// What a plot leaves out because a value it needs is not a finite number
// (or K not positive, which the warning says apart): said in one warning once the drawing is done, so a
// plot file never receives a non-number.
class Unplotted {
 public:
  void value(std::string_view name, float v, bool usable) {
    if (usable) return;
    values_.push_back(gral::Rec().X().A(name).X().G(v, 14, 6));
    // A finite value is refused only for not being positive (K).
    if (std::isfinite(v)) not_positive_ = true;
  }
  // Draws unless the points (or a needed value) are unusable.
  bool drawable(std::string_view what, bool usable, const float* x, const float* y, int n) {
    if (usable && all_finite(x, y, n)) return true;
    if (skipped_.empty() || skipped_.back() != what) skipped_.emplace_back(what);
    return false;
  }
  void report() const {
    if (skipped_.empty()) return;
    warninghead(kVarnholtStamp);
    gral::say(not_positive_ ? "A VALUE THE PLOT NEEDS IS NOT A FINITE POSITIVE NUMBER"
                            : "A VALUE THE PLOT NEEDS IS NOT A FINITE NUMBER");
    for (const auto& r : values_) gral::say(r);
    for (const auto& s : skipped_) gral::say("===> NOT DRAWN: " + s);
    warningtail00();
  }

 private:
  std::vector<gral::Rec> values_;
  std::vector<std::string> skipped_;
  bool not_positive_ = false;
};

void line2(VarnholtState& s, Unplotted& u, std::string_view what, const Segment& l) {
  s.XP01(1) = l.x1;
  s.XP01(2) = l.x2;
  s.YP01(1) = l.y1;
  s.YP01(2) = l.y2;
  if (u.drawable(what, true, s.XP01.data(), s.YP01.data(), 2)) usline(s.XP01.data(), s.YP01.data(), 2);
}

void put_points(VarnholtState& s, const float* x, const float* y, int n) {
  for (int i = 1; i <= n; ++i) {
    s.XP01(i) = x[i - 1];
    s.YP01(i) = y[i - 1];
  }
}

// Three triangles in their colours, the fill colour in force put back
// afterwards; or, without colour, one polygon around all three.
void regime_polygons(VarnholtState& s, Unplotted& u, const FrictionalLimits& f, bool usable) {
  float ox[5], oy[5];
  regime_outline(f, ox, oy);
  if (!u.drawable("frictional limits", usable, ox, oy, 5)) return;
  if (!s.LCOLOR) {
    put_points(s, ox, oy, 5);
    uspolygon(s.XP01.data(), s.YP01.data(), 5);
    return;
  }
  std::int32_t saved = 0;
  sfillcolor(saved, 3);
  for (const auto& t : regime_triangles(f)) {
    std::int32_t colour = t.colour;
    sfillcolor(colour, 1);
    put_points(s, t.x.data(), t.y.data(), 4);
    uspolygon(s.XP01.data(), s.YP01.data(), 4);
  }
  sfillcolor(saved, 1);
}

void warn_no_densities() {
  warninghead(kVarnholtStamp);
  gral::say("   CANNOT MAKE DEPTH PLOTS");
  gral::say("IF DENSITY * HEIGHT CALCULATIONS");
  gral::say("        ARE DISABLED");
  warningtail00();
}

void profile(VarnholtState& s, std::int32_t n) {
  std::int32_t ierr = 0;
  zd2stressn(s.SV01.data(), s.PF01.data(), ierr, s.YP01.data(), s.ZROCK, s.RHOWET, s.RHODRY, s.ZFLUID, s.RHOF,
             n);
}

// One curve of three points through the depths in YP01.
void depth_curve(VarnholtState& s, Unplotted& u, std::string_view what, bool usable) {
  if (u.drawable(what, usable, s.XP01.data(), s.YP01.data(), 3)) usline(s.XP01.data(), s.YP01.data(), 3);
}

// Sv and the frictional limits through the upper top, the lower top and ya.
void three_depth_curves(VarnholtState& s, Unplotted& u, float ya) {
  const bool total = s.LTOTAL;
  const float k = s.XK13;
  const bool k_usable = usable_friction_factor(k);
  u.value("K  =", k, k_usable || !s.LFRICTZ);
  const auto depths = profile_depths(s.ZROCK, s.ZFLUID, ya);
  for (int i = 1; i <= 3; ++i) s.YP01(i) = depths[static_cast<std::size_t>(i - 1)];
  profile(s, 3);
  u.value("Sv =", s.SV01(3), std::isfinite(s.SV01(3)));
  if (s.LSV) {
    for (int i = 1; i <= 3; ++i) s.XP01(i) = total ? s.SV01(i) : s.SV01(i) - s.PF01(i);
    depth_curve(s, u, "Sv curve", true);
  }
  if (s.LFRICTZ) {
    for (int i = 1; i <= 3; ++i) s.XP01(i) = shmax_limit(s.SV01(i), s.PF01(i), k, total);
    depth_curve(s, u, "Shmax and Shmin curves", k_usable);
    for (int i = 1; i <= 3; ++i) s.XP01(i) = shmin_limit(s.SV01(i), s.PF01(i), k, total);
    depth_curve(s, u, "Shmax and Shmin curves", k_usable);
  }
}

}  // namespace

void frame_plot_page(VarnholtState& s, PlotWindow& w) {
  std::int32_t saved = 0;
  stextalign(saved, 3);
  scmndinfo(s.ICHOICE);
  set_alignment(-2);
  cmplotruninfo2(kCentreX, kTopY);
  cmtext2(kCentreX, kCaptionY, line60(s.LTOTAL ? "Total stress" : "Effective stress"));
  set_alignment(-3);
  right_column(s);
  set_alignment(-1);
  left_column(s);
  stextalign(saved, 1);

  w = PlotWindow{};
  if (s.ICHOICE == 100) w.drawable = frame_box({1, 1, 2, "Stress range"}, w);
  if (s.ICHOICE == 200) w.drawable = frame_box({2, 3, 4, "Stress v Depth"}, w);
}

void plot_shmax_shmin(VarnholtState& s, const PlotWindow& w) {
  if (!w.drawable) return;
  const bool total = s.LTOTAL;
  const float k = s.XK13;
  const bool k_usable = usable_friction_factor(k);
  Unplotted u;
  u.value("K  =", k, k_usable || !s.LFRICT);
  u.value("Sv =", s.SV, std::isfinite(s.SV));
  u.value("Pf =", s.PF, std::isfinite(s.PF));

  if (s.LFRICT) regime_polygons(s, u, frictional_limits(s.SV, s.PF, k, total), k_usable);
  if (s.LLINES) {
    const float v = total ? s.SV : s.SV - s.PF;
    line2(s, u, "Sv lines", {v, w.ya, v, w.yb});
    line2(s, u, "Sv lines", {w.xa, v, w.xb, v});
  }
  if (s.LBO) {
    for (std::int32_t i = 1; i <= s.NC0; ++i)
      line2(s, u, "breakout limits", breakout_line(s.C0(i), s.PF, total, w.xa, w.xb));
  }
  if (s.LDITF) {
    for (std::int32_t i = 1; i <= s.NT0; ++i)
      line2(s, u, "fracture limits", fracture_line(s.T0(i), s.PF, total, w.xa, w.xb, w.ya, w.yb));
  }
  u.report();
}

void plot_stress_depth(VarnholtState& s, const PlotWindow& w) {
  if (!s.LRHO) {
    warn_no_densities();
    return;
  }
  if (!w.drawable) return;
  Unplotted u;
  if (s.LPF) {
    s.YP01(1) = s.ZFLUID;
    s.YP01(2) = w.ya;
    profile(s, 2);
    u.value("Pf =", s.PF01(2), std::isfinite(s.PF01(2)));
    if (u.drawable("Pf curve", true, s.PF01.data(), s.YP01.data(), 2))
      usline(s.PF01.data(), s.YP01.data(), 2);
  }
  // The frictional curves follow the flag the menu shows under "Stress v
  // depth" (code 43).
  if (s.LSV || s.LFRICTZ) three_depth_curves(s, u, w.ya);
  u.report();
}
