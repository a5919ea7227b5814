// What the attribute set-routines of the plot library share: their body
// lines, the refusal of a mode they do not know, the warning for a resend
// while no plot file is open, and the one-line announcement of a default.
// Not for the library's callers.
#pragma once

#include <cstdint>
#include <string_view>

#include "gral/frames.h"
#include "records/sio.h"

namespace plot_attr {

// " text" and a number after one blank: an integer in w columns, a real in
// 8 columns with 3 decimals.
void say_int(std::string_view text, std::int32_t v, int w = 6);
void say_real(std::string_view text, float v);

// The frame for a mode outside the routine's range; range is the
// "Accepted range = [..]" line, or empty where the routine writes none.
void refuse_mode(const Stamp& stamp, std::int32_t inter, std::string_view range, int w = 6);

// Modes 6 and 7 resend to the device, which is impossible with no plot file.
void closed_plot_warning(const Stamp& stamp);

// Menu head and one line, with no tail: how a default is announced.
void announce(const Stamp& stamp, std::string_view text);

// The 43-dash rule of the attribute menus.
void dash_rule();

inline bool plot_open() {
  return iocom.LPLTOPEN;
}

// Modes in which a value is stored: 0, 1, 2, 4 and 5.
inline bool stores(std::int32_t inter) {
  return inter >= 0 && inter <= 5 && inter != 3;
}

}  // namespace plot_attr
