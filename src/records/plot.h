// Plot library state: coordinate maps of the 40 subplots, plot attributes
// and colour table, subplot titles and colour names, and the chunk buffer
// every polyline and polygon passes through. Numbers start at 0 and texts
// all blank, so nothing undefined is ever drawn.
#pragma once

#include <cstdint>
#include <string>

#include "records/fixedtext.h"

constexpr int kMaxSubplots = 40;
constexpr int kPlotBufferSize = 501;

struct Plt1Blk {
  fixed::Array2<float, 2, kMaxSubplots> CM0TODE;
  fixed::Array2<float, 2, 2> CMTODE;
  float CMTODEF = 0.0f;
  fixed::Array2<float, 2, kMaxSubplots> US0TODE;
  fixed::Array3<float, 2, 2, kMaxSubplots> USTODE;
  fixed::Array2<float, 2, kMaxSubplots> US0TOCM;
  fixed::Array3<float, 2, 2, kMaxSubplots> USTOCM;
  fixed::Array2<float, 2, kMaxSubplots> CM0TOUS;
  fixed::Array3<float, 2, 2, kMaxSubplots> CMTOUS;
  fixed::Array2<float, 2, kMaxSubplots> USMINTOCM;
  fixed::Array3<float, 2, 2, kMaxSubplots> USEXTR;
  fixed::Array2<float, 2, kMaxSubplots> CMAXLENGTH;
  fixed::Array<std::int32_t, kMaxSubplots> ISOXY;
  std::int32_t ISUBPLOT = 0;
};
inline Plt1Blk plt1blk;

struct Plt2Blk {
  fixed::Array<float, 18, 0> RED, GREEN, BLUE;
  float LINEWIDTH = 0.0f;
  float TEXTSIZE = 0.0f;
  float TEXTANGLE = 0.0f;
  float SYMBOLSIZE = 0.0f;
  std::int32_t NBCOLOR = 0;
  std::int32_t ICURCOLOR = 0;
  bool LCOLORPLOT = false;
  std::int32_t ILINECOLOR = 0;
  std::int32_t IFILLSTYLE = 0;
  std::int32_t IFILLCOLOR = 0;
  std::int32_t ITEXTALIGN = 0;
  std::int32_t ITEXTFONT = 0;
  std::int32_t ITEXTCOLOR = 0;
  std::int32_t ISYMBOLTYPE = 0;
};
inline Plt2Blk plt2blk;

struct PltCharBlk {
  fixed::Array<std::string, kMaxSubplots> SUBPLOTITLE;
  fixed::Array<std::string, 18, 0> COLORNAM;
  PltCharBlk() {
    for (int i = 1; i <= kMaxSubplots; ++i) SUBPLOTITLE(i) = fixed::blanks(20);
    for (int i = 0; i <= 18; ++i) COLORNAM(i) = fixed::blanks(8);
  }
};
inline PltCharBlk pltcharblk;

struct PltBuff1 {
  fixed::Array<float, kPlotBufferSize> XBUF, YBUF;
};
inline PltBuff1 pltbuff1;
