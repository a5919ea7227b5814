// One axis, its link and the box as their set-up routines take them: set through the
// routine on a copy of the values, which comes back as the routine left it,
// and read back from the records.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "axis/axis.h"
#include "records/axis.h"
#include "records/fixedtext.h"

namespace testing_support {

struct AxisValues {
  float usa1, usa2, wau1, wau2, waud, walas;
  std::string walab;
  std::int32_t nawdig, nasubint, nlabintk;
  bool operator==(const AxisValues&) const = default;
};

// s1axis1, or s1axis when the label interval is left out.
inline AxisValues set_axis(AxisValues a, std::int32_t iaxis, std::int32_t imode, bool with_interval = true) {
  if (with_interval)
    s1axis1(a.usa1, a.usa2, a.wau1, a.wau2, a.waud, a.walas, a.walab, a.nawdig, a.nasubint, a.nlabintk, iaxis,
            imode);
  else
    s1axis(a.usa1, a.usa2, a.wau1, a.wau2, a.waud, a.walas, a.walab, a.nawdig, a.nasubint, iaxis, imode);
  return a;
}

// What axis k holds, its label at 40 characters.
inline AxisValues axis_stored(std::int32_t k) {
  const auto& r = axisblk7a;
  return {r.USA1(k),
          r.USA2(k),
          r.WAU1(k),
          r.WAU2(k),
          r.WAUD(k),
          r.WALAS(k),
          fixed::fit(axisblk7b.WALAB(k), 40),
          r.NAWDIG(k),
          r.NASUBINT(k),
          r.NLABINTK(k)};
}

struct Link {
  std::int32_t type;
  float scale;
  bool operator==(const Link&) const = default;
};

// s1axuswdtyp on a copy of the link and scale.
inline Link set_link(Link l, std::int32_t iaxis, std::int32_t imode) {
  s1axuswdtyp(l.type, l.scale, iaxis, imode);
  return l;
}

// The bounds g1axbd hands back for axis k.
inline std::pair<float, float> axis_bounds(std::int32_t k) {
  float a = 1, b = 2;
  g1axbd(a, b, k);
  return {a, b};
}

struct BoxValues {
  std::int32_t x, y, left, right, bottom, top, clip, zero;
  std::string label;
  bool operator==(const BoxValues&) const = default;
};

inline BoxValues set_box(BoxValues b, std::int32_t ibox, std::int32_t imode) {
  s1bx2d(b.x, b.y, b.left, b.right, b.bottom, b.top, b.clip, b.zero, b.label, ibox, imode);
  return b;
}

// What box 1 holds, its label at 60 characters.
inline BoxValues box_stored() {
  const auto& r = axisblk7a;
  return {r.IBXAXIS,     r.IBYAXIS,     r.IBBORDER(1),
          r.IBBORDER(2), r.IBBORDER(3), r.IBBORDER(4),
          r.IBCLIP,      r.IBZEROLIN,   fixed::fit(axisblk7b.BOXLAB, 60)};
}

}  // namespace testing_support
