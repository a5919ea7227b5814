// User-to-centimetre maps of the subplots and the maps derived from them.
#include <cmath>
#include <cstdint>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/matrix.h"
#include "plot/plot.h"
#include "plot/subplot_maps.h"
#include "records/plot.h"
#include "records/sio.h"

namespace {

constexpr Stamp kSus2cm3{"sus2cm3             ", " 4.6", "2019-10-02"};

// The subplots a setter works on: all of them for modes 6 and 7, else the
// current one (none while no subplot has been selected).
struct Span {
  std::int32_t first;
  std::int32_t last;
};
Span subplots_for(std::int32_t inter) {
  if (inter == 6 || inter == 7) return {1, kMaxSubplots};
  const std::int32_t s = plot_maps::current_subplot();
  return s == 0 ? Span{1, 0} : Span{s, s};
}

bool loads_defaults(std::int32_t inter) {
  return inter >= 4 && inter <= 7;
}

// Both derived maps follow a change of the user-to-cm map; the device map
// only while a plot file is open to take it.
void after_change(std::int32_t s) {
  plot_maps::invert_map(s);
  if (iocom.LPLTOPEN) plot_maps::device_map(s);
}

// A window whose two ends coincide (or lie so close that the scale
// overflows) has no scale: it would put infinities and NaNs into the map and
// from there into the plot file.
bool has_finite_scale(float sx, float sy, float xumin, float xumax, float yumin, float yumax,
                      std::int32_t s) {
  if (std::isfinite(sx) && std::isfinite(sy)) return true;
  warninghead(kSus2cm3);
  const int u = iocom.IUNSTDOUT;
  gral::put1x(u, "user window without extent: no finite scale");
  gral::put(u, gral::Rec().X().A("xumin =").X().G(xumin, 15, 7).X().A("xumax =").X().G(xumax, 15, 7));
  gral::put(u, gral::Rec().X().A("yumin =").X().G(yumin, 15, 7).X().A("yumax =").X().G(yumax, 15, 7));
  gral::put(u, gral::Rec().X().A("subplot nb =").X().I(s, 3));
  gral::put1x(u, "===> NO ACTION: previous map kept");
  warningtail00();
  return false;
}

// The smaller magnitude of the two scales for both, each keeping its sign
// (0 counting as positive).
void equalise(float& sx, float& sy) {
  if (std::fabs(sx) > std::fabs(sy)) {
    sx = sx >= 0.0f ? std::fabs(sy) : -std::fabs(sy);
  } else {
    sy = sy >= 0.0f ? std::fabs(sx) : -std::fabs(sx);
  }
}

}  // namespace

namespace plot_maps {

void invert_map(std::int32_t s) {
  float* cmtous = plt1blk.CMTOUS.layer(s);
  float* cm0tous = &plt1blk.CM0TOUS(1, s);
  m22invert(cmtous, plt1blk.USTOCM.layer(s));
  mnpxvp(cm0tous, cmtous, &plt1blk.US0TOCM(1, s), 2, 2);
  cm0tous[0] = -cm0tous[0];
  cm0tous[1] = -cm0tous[1];
}

void device_map(std::int32_t s) {
  float* us0tode = &plt1blk.US0TODE(1, s);
  mnpxvp(us0tode, plt1blk.CMTODE.data(), &plt1blk.US0TOCM(1, s), 2, 2);
  us0tode[0] = us0tode[0] + plt1blk.CM0TODE(1, s);
  us0tode[1] = us0tode[1] + plt1blk.CM0TODE(2, s);
  mnpxmpq(plt1blk.USTODE.layer(s), plt1blk.CMTODE.data(), plt1blk.USTOCM.layer(s), 2, 2, 2);
}

}  // namespace plot_maps

void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, std::int32_t inter) {
  const Span span = subplots_for(inter);
  auto& p = plt1blk;
  for (std::int32_t s = span.first; s <= span.last; ++s) {
    if (inter == 2 || inter == 3) {
      xcm0 = p.US0TOCM(1, s);
      ycm0 = p.US0TOCM(2, s);
      xx = p.USTOCM(1, 1, s);
      xy = p.USTOCM(1, 2, s);
      yx = p.USTOCM(2, 1, s);
      yy = p.USTOCM(2, 2, s);
      if (inter == 3) return;
    } else if (loads_defaults(inter)) {
      xcm0 = 10.0f;
      ycm0 = 10.0f;
      xx = 1.0f;
      xy = 0.0f;
      yx = 0.0f;
      yy = 1.0f;
    }
    if (inter % 2 == 0) mus2cm1(xcm0, ycm0, xx, xy, yx, yy);
    p.US0TOCM(1, s) = xcm0;
    p.US0TOCM(2, s) = ycm0;
    p.USTOCM(1, 1, s) = xx;
    p.USTOCM(1, 2, s) = xy;
    p.USTOCM(2, 1, s) = yx;
    p.USTOCM(2, 2, s) = yy;
    after_change(s);
  }
}

void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, std::int32_t& ixy, std::int32_t inter) {
  const Span span = subplots_for(inter);
  auto& p = plt1blk;
  for (std::int32_t s = span.first; s <= span.last; ++s) {
    if (inter == 2 || inter == 3) {
      xcm0 = p.USMINTOCM(1, s);
      ycm0 = p.USMINTOCM(2, s);
      xlcm = p.CMAXLENGTH(1, s);
      ylcm = p.CMAXLENGTH(2, s);
      xumin = p.USEXTR(1, 1, s);
      xumax = p.USEXTR(2, 1, s);
      yumin = p.USEXTR(1, 2, s);
      yumax = p.USEXTR(2, 2, s);
      ixy = p.ISOXY(s);
      if (inter == 3) return;
    } else if (loads_defaults(inter)) {
      xcm0 = 2.0f;
      ycm0 = 2.0f;
      xlcm = 15.0f;
      ylcm = 15.0f;
      xumin = -10.0f;
      xumax = 10.0f;
      yumin = -10.0f;
      yumax = 10.0f;
      ixy = 1;
    }
    if (inter % 2 == 0) mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
    float sx = xlcm / (xumax - xumin);
    float sy = ylcm / (yumax - yumin);
    if (!has_finite_scale(sx, sy, xumin, xumax, yumin, yumax, s)) continue;

    p.USMINTOCM(1, s) = xcm0;
    p.USMINTOCM(2, s) = ycm0;
    p.CMAXLENGTH(1, s) = xlcm;
    p.CMAXLENGTH(2, s) = ylcm;
    p.USEXTR(1, 1, s) = xumin;
    p.USEXTR(2, 1, s) = xumax;
    p.USEXTR(1, 2, s) = yumin;
    p.USEXTR(2, 2, s) = yumax;
    p.ISOXY(s) = ixy;

    if (ixy == 1) equalise(sx, sy);
    p.USTOCM(1, 1, s) = sx;
    p.USTOCM(2, 1, s) = 0.0f;
    p.USTOCM(1, 2, s) = 0.0f;
    p.USTOCM(2, 2, s) = sy;
    p.US0TOCM(1, s) = xcm0 - sx * xumin;
    p.US0TOCM(2, s) = ycm0 - sy * yumin;
    after_change(s);
  }
}

void scm2us() {
  const std::int32_t s = plot_maps::current_subplot();
  if (s != 0) plot_maps::invert_map(s);
}

void sus2de() {
  const std::int32_t s = plot_maps::current_subplot();
  if (s != 0) plot_maps::device_map(s);
}
