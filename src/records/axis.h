// Axes and the box: up to 15 axes and one box.
#pragma once

#include <cstdint>
#include <string>

#include "records/fixedtext.h"

constexpr int kMaxAxes = 15;

struct AxisBlk7a {
  fixed::Array<float, kMaxAxes> USA1, USA2, WAU1, WAU2, WAUD, WALAS, WAOUS;
  fixed::Array<std::int32_t, kMaxAxes> NAWDIG, NASUBINT, NLABINTK, IUSWDTYP;
  std::int32_t IBXAXIS = 0, IBYAXIS = 0, IBCLIP = 0, IBZEROLIN = 0;
  fixed::Array<std::int32_t, 6> IBBORDER;
};
inline AxisBlk7a axisblk7a;

struct AxisBlk7b {
  fixed::Array<std::string, kMaxAxes> WALAB;
  std::string BOXLAB = fixed::blanks(25);
  AxisBlk7b() {
    for (int i = 1; i <= kMaxAxes; ++i) WALAB(i) = fixed::blanks(30);
  }
};
inline AxisBlk7b axisblk7b;
