// Paths, polygons, line width and the colour cache. At most one path is open
// at a time: whatever writes something else strokes it first.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "psdev/psdev.h"
#include "psdev/psdev_internal.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "records/sio.h"

namespace {

using psdev::detail::emit;
using psdev::detail::num;

constexpr Stamp kPsmoveto{"psmoveto   ", " 9.0", "2024-05-26"};
constexpr Stamp kPslineto{"pslineto   ", " 9.0", "2024-05-26"};
constexpr Stamp kDeline{"deline     ", " 9.0", "2024-05-26"};
constexpr Stamp kDepolygon{"depolygon  ", " 9.0", "2024-05-26"};
constexpr Stamp kIntslinewidth{"intslinewidth", " 9.0", "2024-05-26"};

constexpr float kMaxCoord = 9.9e7f;
constexpr float kMetresPerPoint = 0.00035278f;
constexpr std::string_view kNanPoint = "Coordinate is not a number (NaN)";

void reset_warning(const Stamp& stamp, char axis, std::string_view bound, float old_v, float new_v) {
  warninghead(stamp);
  gral::say_items({std::string(1, axis) + " in meters =", gral::fmt_g(old_v * kMetresPerPoint, 10, 3)});
  gral::say_items({"==> reset to " + std::string(1, axis) + std::string(bound) + " =",
                   gral::fmt_g(new_v * kMetresPerPoint, 10, 3)});
  warningtail00();
}

// Infinities take the bound like any other coordinate beyond it.
void clamp_one(const Stamp& stamp, char axis, float& v) {
  if (v > kMaxCoord) {
    reset_warning(stamp, axis, "max", v, kMaxCoord);
    v = kMaxCoord;
  } else if (v < -kMaxCoord) {
    reset_warning(stamp, axis, "min", v, -kMaxCoord);
    v = -kMaxCoord;
  }
}

void clamp(const Stamp& stamp, float& x, float& y) {
  clamp_one(stamp, 'x', x);
  clamp_one(stamp, 'y', y);
}

bool any_nan(const float* x, const float* y, std::int32_t n) {
  for (std::int32_t i = 0; i < n; ++i) {
    if (std::isnan(x[i]) || std::isnan(y[i])) return true;
  }
  return false;
}

void point_line(float x, float y, std::string_view op) {
  emit(gral::Rec().A(num(x)).X().A(num(y)).X().A(op));
}

// Colour c of the table as fractions, then the operator.
void colour_line(std::int32_t c, std::string_view op = "setrgbcolor") {
  if (c < 0 || c > 18) return;
  emit(gral::Rec()
           .F(plt2blk.RED(c) / 100.0f, 6, 3)
           .X()
           .F(plt2blk.GREEN(c) / 100.0f, 6, 3)
           .X()
           .F(plt2blk.BLUE(c) / 100.0f, 6, 3)
           .X()
           .A(op));
}

}  // namespace

void psmoveto(float& x, float& y, std::int32_t mode) {
  if (!psdev::plot_file_open()) return;
  if (std::isnan(x) || std::isnan(y)) {
    psdev::detail::not_drawn(kPsmoveto, kNanPoint);
    return;
  }
  clamp(kPsmoveto, x, y);
  psstrokepath();
  if (mode == 1) {
    emit("newpath");
    point_line(x, y, "moveto");
    psparams_90.LPATH = true;
    psdev::detail::has_current_point = true;
  } else if (mode == 0) {
    point_line(x, y, "moveto");
    psdev::detail::has_current_point = true;
  }
}

void pslineto(float* x, float* y, std::int32_t n) {
  if (!psdev::plot_file_open()) return;
  if (any_nan(x, y, n)) {
    psdev::detail::not_drawn(kPslineto, kNanPoint);
    return;
  }
  if (!psparams_90.LPATH) {
    warninghead(kPslineto);
    gral::say("Path begins with Draw instead of Move");
    psparams_90.LPATH = true;
    warningtail00();
    // A lineto with no current point stops the whole file in a PostScript
    // interpreter: the path then begins at its first point.
    if (!psdev::detail::has_current_point) {
      clamp(kPslineto, x[0], y[0]);
      point_line(x[0], y[0], "moveto");
      psdev::detail::has_current_point = true;
    }
  }
  for (std::int32_t i = 0; i < n; ++i) {
    clamp(kPslineto, x[i], y[i]);
    point_line(x[i], y[i], "lineto");
  }
}

void psstrokepath() {
  if (!psdev::plot_file_open() || !psparams_90.LPATH) return;
  psrgbcolor(1);
  emit("stroke");
  psparams_90.LPATH = false;
  psdev::detail::has_current_point = false;
}

void deline(float* x, float* y, std::int32_t n) {
  if (!psdev::plot_file_open() || n < 1) return;
  if (any_nan(x, y, n)) {
    psdev::detail::not_drawn(kDeline, kNanPoint);
    return;
  }
  psmoveto(x[0], y[0], 1);
  if (n == 1) {
    pslineto(x, y, 1);
  } else {
    pslineto(x + 1, y + 1, n - 1);
  }
  psstrokepath();
}

void depolygon(float* x, float* y, std::int32_t n) {
  if (!psdev::plot_file_open() || n < 1) return;
  if (any_nan(x, y, n)) {
    psdev::detail::not_drawn(kDepolygon, kNanPoint);
    return;
  }
  psmoveto(x[0], y[0], 1);
  pslineto(x + 1, y + 1, n - 1);
  if (plt2blk.IFILLSTYLE != 0) {
    emit("closepath gsave");
    // Written directly, not through the cache: the grestore gives back the
    // colour in force before the fill.
    if (plt2blk.LCOLORPLOT) {
      colour_line(plt2blk.IFILLCOLOR, "setrgbcolor fill grestore");
    } else {
      emit(gral::Rec().F(0.5f, 6, 3).X().A("setgray fill grestore"));
    }
  } else {
    emit("closepath");
  }
  psstrokepath();
}

void intslinewidth(float w) {
  if (!psdev::plot_file_open()) return;
  if (!std::isfinite(w)) {
    psdev::detail::not_drawn(kIntslinewidth, "Line width is not a finite number");
    return;
  }
  psstrokepath();
  emit(gral::Rec().A(num(w)).X().A("setlinewidth"));
}

void psrgbcolor(std::int32_t kind) {
  if (!psdev::plot_file_open() || !plt2blk.LCOLORPLOT) return;
  auto& cur = plt2blk.ICURCOLOR;
  std::int32_t want = 0;
  switch (kind) {
    case 0:
      colour_line(cur);
      return;
    case -1:
      cur = 1;
      colour_line(cur);
      return;
    case 1:
      want = plt2blk.ILINECOLOR;
      break;
    case 2:
      want = plt2blk.IFILLCOLOR;
      break;
    case 3:
      want = plt2blk.ITEXTCOLOR;
      break;
    default:
      return;
  }
  if (want == cur) return;
  colour_line(want);
  cur = want;
}
