// PostScript device state: plot-file unit, font, page, page format and the
// font and format name tables.
#pragma once

#include <cstdint>
#include <string>

#include "records/fixedtext.h"

struct PsParams90 {
  std::int32_t IUNPS = 0;
  std::int32_t IFONT = 0;
  std::int32_t IPAGE = 0;
  std::int32_t IPAGSIZ = 0;
  fixed::Array<std::int32_t, 4> ISIZEMIN, ISIZEMAX;
  float TEXTSIZPT = 0.0f;
  bool LPATH = false;
  fixed::Array<std::string, 16> FONTS;
  fixed::Array<std::string, 4> NAMSIZE;
  PsParams90() {
    for (int i = 1; i <= 16; ++i) FONTS(i) = fixed::blanks(22);
    for (int i = 1; i <= 4; ++i) NAMSIZE(i) = fixed::blanks(20);
  }
};
inline PsParams90 psparams_90;
