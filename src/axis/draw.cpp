// Drawing of annotated axes and of the box whose sides they are. Everything
// goes through the plot library: lines and text in centimetres, lines in
// user units, and the text attributes, which are put back afterwards.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "axis/axis.h"
#include "gral/angles.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/matrix.h"
#include "gral/text.h"
#include "plot/plot.h"
#include "records/axis.h"

namespace {

constexpr Stamp kCmaxis11{"cmaxis11   ", " 3.2", "2017-12-26"};
constexpr Stamp kCmtic2{"cmtic2     ", " 4.1", "2012-05-09"};
constexpr Stamp kD1bx2d{"d1bx2d     ", " 2.1", "2012-05-09"};
constexpr Stamp kG1axbd{"g1axbd     ", " 1.3", "2012-05-04"};

// More marks than this on one axis are a mistyped increment or sub-interval
// count, not a plot: they would take for ever and cover the axis in ink.
constexpr double kMaxMarks = 10000.0;
// Whole numbers are written through a 32-bit integer.
constexpr float kIntegerRange = 2147483648.0f;
constexpr std::int32_t kMaxChars = 20;

// A value truncated toward zero; beyond the integer range it stops at the
// range's end, so no conversion overflows.
std::int32_t whole(float v) {
  if (std::isnan(v)) return 0;
  if (v >= kIntegerRange) return 2147483647;
  if (v <= -kIntegerRange) return -2147483647 - 1;
  return static_cast<std::int32_t>(v);
}

// The text of one annotation number and its length.
std::string number_text(float value, std::int32_t ndig, std::int32_t& nchar) {
  std::string text(kMaxChars, ' ');
  if (ndig == 0)
    intg2char(text, nchar, kMaxChars, whole(value));
  else
    real2charf1(text, nchar, ndig, kMaxChars, value);
  return gral::head(text, nchar);
}

// Estimated width, in characters, of the widest number of the axis.
float number_width(float wau1, float wau2, std::int32_t ndig) {
  std::int32_t n1 = 0, n2 = 0;
  number_text(std::fabs(wau1), ndig, n1);
  number_text(std::fabs(wau2), ndig, n2);
  float w = static_cast<float>(std::max(n1, n2));
  if (ndig != 0) w = w - 0.5f;
  if (wau1 < 0.0f || wau2 < 0.0f) w = w - 0.5f;
  return w;
}

// Angle and justification of a text running along the axis, upright, on
// the side the ticks point to.
void along_axis(float axis_angle, float tick_angle, float& angle, std::int32_t& align) {
  moducr(&angle, &axis_angle, 360.0f, 1);
  const bool upright = angle > -90.0f && angle <= 90.0f;
  if (!upright) {
    const float a = angle;
    moducr(&angle, &a, 180.0f, 1);
  }
  const bool ticks_left = tick_angle >= 0.0f;
  align = (upright == ticks_left) ? -2 : -10;
}

void line2(float x1, float y1, float x2, float y2) {
  const float x[2] = {x1, x2}, y[2] = {y1, y2};
  cmline(x, y, 2);
}

// Why an axis gets no ticks or numbers, or nothing when it gets them.
const char* why_no_tics(float wau1, float wau2, float waud, float increment, float ratio,
                        std::int32_t nasubint, std::int32_t ndig) {
  // The ratio, not the bounds: a range far below its increment leaves a
  // ratio of 0 too, and the tick spacing would divide by it.
  if (wau2 - wau1 == 0.0f || ratio == 0.0f) return "Identical annotation bounds:";
  if (!std::isfinite(wau1) || !std::isfinite(wau2) || !std::isfinite(waud) || !std::isfinite(wau2 - wau1))
    return "Annotation range not finite:";
  const double marks = (std::fabs(static_cast<double>(ratio)) + 1.0) * std::max(nasubint, 1);
  if (!std::isfinite(increment) || !(marks <= kMaxMarks)) return "Too many tic marks:";
  if (ndig == 0 && (std::fabs(wau1) >= kIntegerRange || std::fabs(wau2) >= kIntegerRange))
    return "Annotation beyond integer range:";
  return nullptr;
}

void skip_tics(const char* why, float wau1, float wau2, float waud) {
  warninghead(kCmaxis11);
  gral::say(why);
  gral::say_items({"initial value      =", gral::fmt_f(wau1, 9, 3)});
  gral::say_items({"final   value      =", gral::fmt_f(wau2, 9, 3)});
  gral::say_items({"increment          =", gral::fmt_f(waud, 9, 3)});
  gral::say("=> SKIPPING TICS");
  warningtail00();
}

}  // namespace

void cmtic2(const float* orig, const float* dtic, const float* vtic, float subfac, std::int32_t ntics,
            std::int32_t nasubint, std::int32_t nextra) {
  if (ntics < 1) {
    warninghead(kCmtic2);
    gral::say(gral::Rec().X().A("ntics =").X().I(ntics, 6).X().A("< 1 ==> NO TICKMARKS"));
    warningtail00();
    return;
  }
  // Without sub-intervals no sub-tick is drawn, so their spacing is unused.
  float dsub[2] = {0.0f, 0.0f};
  if (nasubint != 0) {
    const float n = static_cast<float>(nasubint);
    dsub[0] = dtic[0] / n;
    dsub[1] = dtic[1] / n;
  }
  const float vsub[2] = {vtic[0] * subfac, vtic[1] * subfac};
  float tx[2] = {orig[0] - dtic[0], orig[0] - dtic[0] + vtic[0]};
  float ty[2] = {orig[1] - dtic[1], orig[1] - dtic[1] + vtic[1]};
  for (std::int32_t k = 1; k <= ntics; ++k) {
    for (int e = 0; e < 2; ++e) {
      tx[e] = tx[e] + dtic[0];
      ty[e] = ty[e] + dtic[1];
    }
    cmline(tx, ty, 2);
    float sx[2] = {tx[0], tx[0] + vsub[0]};
    float sy[2] = {ty[0], ty[0] + vsub[1]};
    // Counted without overflow: one interval or fewer has no sub-tick.
    const std::int32_t m = k == ntics ? nextra : (nasubint <= 1 ? 0 : nasubint - 1);
    for (std::int32_t i = 0; i < m; ++i) {
      for (int e = 0; e < 2; ++e) {
        sx[e] = sx[e] + dsub[0];
        sy[e] = sy[e] + dsub[1];
      }
      cmline(sx, sy, 2);
    }
  }
}

void cmaxis11(float xcm1, float ycm1, float xcm2, float ycm2, float angtic, std::int32_t nasubint,
              std::int32_t nlabintk, float wau1, float wau2, float waud, std::int32_t nawdig, float walas,
              std::int32_t kaxis, std::string_view walab) {
  float size0 = 0.0f, angle0 = 0.0f;
  std::int32_t align0 = 0;
  stextsize(size0, 3);
  stextangle(angle0, 3);
  stextalign(align0, 3);

  const float hann = 0.8f * walas;
  const float ticlen = 0.5f * hann;
  const float subfac = 0.5f;
  const float oaxis[2] = {xcm1, ycm1};
  const float vaxis[2] = {xcm2 - xcm1, ycm2 - ycm1};
  float t = 0.0f;
  xy2t(&t, &vaxis[0], &vaxis[1], 1);
  const float axis_angle = deg(t);
  // A label interval below 1 would divide by zero; a negative digit count
  // means whole numbers.
  const std::int32_t every = std::max(nlabintk, 1);
  const std::int32_t ndig = std::max(nawdig, 0);
  const bool xaxis = kaxis == 2;

  line2(xcm1, ycm1, xcm2, ycm2);

  // The tick direction and the numbers' width place the label too, so they
  // are known whether or not ticks follow.
  float tick_angle = 0.0f;
  moducr(&tick_angle, &angtic, 360.0f, 1);
  const float a = rad(tick_angle + axis_angle);
  const float vtic0[2] = {std::cos(a), std::sin(a)};
  float width = 0.0f;
  if (std::isfinite(wau1) && std::isfinite(wau2)) width = 0.6f * hann * number_width(wau1, wau2, ndig);

  float increment = waud == 0.0f ? wau2 - wau1 : waud;
  float ratio = (wau2 - wau1) / increment;
  const char* why = why_no_tics(wau1, wau2, waud, increment, ratio, nasubint, ndig);
  if (!why && (waud == 0.0f || ratio < 0.0f)) {
    if (ratio < 0.0f) {
      increment = -increment;
      ratio = -ratio;
    }
    warninghead(kCmaxis11);
    gral::say("Inconsistent annotation increment:");
    gral::say_items({"initial value      =", gral::fmt_f(wau1, 9, 3)});
    gral::say_items({"final   value      =", gral::fmt_f(wau2, 9, 3)});
    gral::say_items({"increment          =", gral::fmt_f(waud, 9, 3)});
    gral::say_items({"=> RESET increment =", gral::fmt_f(increment, 9, 3)});
    warningtail00();
  }
  if (why) skip_tics(why, wau1, wau2, waud);

  if (!why) {
    const std::int32_t n = static_cast<std::int32_t>(ratio + 0.0001f);
    const std::int32_t nextra =
        static_cast<std::int32_t>(0.0001f + (ratio - static_cast<float>(n)) * static_cast<float>(nasubint));
    const std::int32_t ntics = n + 1;
    const float daxtic[2] = {vaxis[0] / ratio, vaxis[1] / ratio};
    const float vtic1[2] = {ticlen * vtic0[0], ticlen * vtic0[1]};
    cmtic2(oaxis, daxtic, vtic1, subfac, ntics, nasubint, nextra);

    float angle = 0.0f;
    std::int32_t align = 0;
    if (xaxis) {
      along_axis(axis_angle, tick_angle, angle, align);
    } else {
      // Across the axis, along the ticks, always upright.
      const float across = tick_angle + axis_angle;
      moducr(&angle, &across, 360.0f, 1);
      align = -5;
      if (!(angle > -90.0f && angle <= 90.0f)) {
        const float b = angle;
        moducr(&angle, &b, 180.0f, 1);
        align = -7;
      }
    }
    float size = hann;
    stextsize(size, 1);
    stextangle(angle, 1);
    stextalign(align, 1);
    const float first[2] = {oaxis[0] + 1.5f * ticlen * vtic0[0], oaxis[1] + 1.5f * ticlen * vtic0[1]};
    // (ntics + every - 1) / every, which overflows for a large interval.
    const std::int32_t count = 1 + (ntics - 1) / every;
    for (std::int32_t i = 0; i < count; ++i) {
      const std::int32_t k = 1 + i * every;
      const float km1 = static_cast<float>(k - 1);
      const float value = increment * km1 + wau1;
      std::int32_t nchar = 0;
      const std::string text = number_text(value, ndig, nchar);
      cmtext2(daxtic[0] * km1 + first[0], daxtic[1] * km1 + first[1], text);
    }
  }

  float angle = 0.0f;
  std::int32_t align = 0;
  along_axis(axis_angle, tick_angle, angle, align);
  const float distance = xaxis ? 2.0f * ticlen + hann : 2.0f * ticlen + width;
  const float lx = distance * vtic0[0] + (0.5f * vaxis[0] + oaxis[0]);
  const float ly = distance * vtic0[1] + (0.5f * vaxis[1] + oaxis[1]);
  float size = walas;
  stextsize(size, 1);
  stextangle(angle, 1);
  stextalign(align, 1);
  std::int32_t f = 0, l = 0;
  textlen(f, l, walab);
  if (l >= f)
    cmtext2(lx, ly, walab.substr(static_cast<std::size_t>(f - 1), static_cast<std::size_t>(l - f + 1)));

  stextsize(size0, 1);
  stextangle(angle0, 1);
  stextalign(align0, 1);
}

void usbax6(float xa, float xb, float ya, float yb, float xwau1, float xwau2, float xwaud,
            std::string_view xwalab, std::int32_t xnawdig, float xwalas, std::int32_t xnasubint,
            std::int32_t xnlabintk, float ywau1, float ywau2, float ywaud, std::string_view ywalab,
            std::int32_t ynawdig, float ywalas, std::int32_t ynasubint, std::int32_t ynlabintk,
            std::int32_t izerolin, std::int32_t itop, std::int32_t ibottom, std::int32_t ileft,
            std::int32_t iright) {
  float v0[2] = {0.0f, 0.0f}, m[4] = {1.0f, 0.0f, 0.0f, 1.0f};
  splotunits(v0, m, 1, 3);
  float det = 0.0f;
  m22determt(det, m);
  const std::int32_t map_sign = det >= 0.0f ? 1 : -1;

  std::int32_t orientation = 4;
  if (xb >= xa && yb >= ya)
    orientation = 1;
  else if (xa >= xb && yb >= ya)
    orientation = 2;
  else if (xb >= xa && ya >= yb)
    orientation = 3;
  const std::int32_t orientation_sign = (orientation == 1 || orientation == 4) ? 1 : -1;
  const float side_angle = 90.0f * static_cast<float>(orientation_sign * map_sign);
  const bool y_ascending = orientation <= 2;
  const bool x_ascending = orientation == 1 || orientation == 3;

  auto side = [](std::int32_t flag, float xu1, float yu1, float xu2, float yu2, float angtic, bool xaxis,
                 auto&& draw_axis) {
    if (flag == 0) {
      const float x[2] = {xu1, xu2}, y[2] = {yu1, yu2};
      usline(x, y, 2);
      return;
    }
    float c1x = 0.0f, c1y = 0.0f, c2x = 0.0f, c2y = 0.0f;
    us2cm(&c1x, &c1y, &xu1, &yu1, 1);
    us2cm(&c2x, &c2y, &xu2, &yu2, 1);
    draw_axis(c1x, c1y, c2x, c2y, angtic, xaxis);
  };
  auto draw_axis = [&](float x1, float y1, float x2, float y2, float angtic, bool xaxis) {
    if (xaxis)
      cmaxis11(x1, y1, x2, y2, angtic, xnasubint, xnlabintk, xwau1, xwau2, xwaud, xnawdig, xwalas, 2, xwalab);
    else
      cmaxis11(x1, y1, x2, y2, angtic, ynasubint, ynlabintk, ywau1, ywau2, ywaud, ynawdig, ywalas, 1, ywalab);
  };
  side(y_ascending ? itop : ibottom, xa, yb, xb, yb, side_angle, true, draw_axis);
  side(y_ascending ? ibottom : itop, xa, ya, xb, ya, -side_angle, true, draw_axis);
  side(x_ascending ? ileft : iright, xa, ya, xa, yb, side_angle, false, draw_axis);
  side(x_ascending ? iright : ileft, xb, ya, xb, yb, -side_angle, false, draw_axis);

  if (izerolin != 1) return;
  if (xa < 0.0f && xb > 0.0f) {
    const float x[2] = {0.0f, 0.0f}, y[2] = {ya, yb};
    usline(x, y, 2);
  }
  if (ya < 0.0f && yb > 0.0f) {
    const float x[2] = {xa, xb}, y[2] = {0.0f, 0.0f};
    usline(x, y, 2);
  }
}

void d1bx2d(std::int32_t ibox) {
  const auto& r = axisblk7a;
  const std::int32_t i = r.IBXAXIS, j = r.IBYAXIS;
  const bool box_ok = ibox == 1;
  const bool axes_ok = i >= 1 && i <= kMaxAxes && j >= 1 && j <= kMaxAxes;
  if (!box_ok || !axes_ok) {
    // A box that was never set up names axis 0: there is nothing to frame.
    errorhead(kD1bx2d);
    gral::say_items({"trying to draw box nb =", gral::fmt_i(ibox, 4)});
    if (box_ok) {
      gral::say_items({"with X axis nb =", gral::fmt_i(i, 4)});
      gral::say_items({"and  Y axis nb =", gral::fmt_i(j, 4)});
      gral::say_items({"max axis nb =", gral::fmt_i(kMaxAxes, 4)});
    } else {
      gral::say_items({"max box nb =", gral::fmt_i(1, 4)});
    }
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }
  const auto& b = axisblk7b;
  usbax6(r.USA1(i), r.USA2(i), r.USA1(j), r.USA2(j), r.WAU1(i), r.WAU2(i), r.WAUD(i), b.WALAB(i), r.NAWDIG(i),
         r.WALAS(i), r.NASUBINT(i), r.NLABINTK(i), r.WAU1(j), r.WAU2(j), r.WAUD(j), b.WALAB(j), r.NAWDIG(j),
         r.WALAS(j), r.NASUBINT(j), r.NLABINTK(j), r.IBZEROLIN, r.IBBORDER(4), r.IBBORDER(3), r.IBBORDER(1),
         r.IBBORDER(2));
}

void g1axbd(float& usa1, float& usa2, std::int32_t iaxis) {
  if (iaxis >= 1 && iaxis <= kMaxAxes) {
    usa1 = axisblk7a.USA1(iaxis);
    usa2 = axisblk7a.USA2(iaxis);
    return;
  }
  errorhead(kG1axbd);
  gral::say_items({"trying to get bounds of axis nb =", gral::fmt_i(iaxis, 4)});
  gral::say_items({"max axis nb =", gral::fmt_i(kMaxAxes, 4)});
  gral::say("===> RETURNING [0, 10]");
  errortail00();
  usa1 = 0.0f;
  usa2 = 10.0f;
}
