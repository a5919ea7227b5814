// Console input/output state: units, open files, pause and output levels.
#pragma once

#include <cstdint>

#include "records/fixedtext.h"

struct IoCom {
  std::int32_t IUNSTDIN = 5;
  std::int32_t IUNSTDOUT = 6;
  std::int32_t IUNERRIN = 5;
  std::int32_t IUNERROUT = 6;
  std::int32_t IUNCMD = 0;
  std::int32_t ICMDINDEX = 0;
  bool LPLTOPEN = false;
  bool LCMDOPEN = false;
  bool LPAUSE = true;
  fixed::Array<bool, 3> LWITO{{true, true, false}};
};
inline IoCom iocom;
