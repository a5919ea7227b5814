// What the parts of the device interface share: the one way a line or a
// number reaches the plot file.
#pragma once

#include <string>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"

namespace psdev::detail {

// One line of the plot file.
void emit(std::string_view line);
void emit(const gral::Rec& rec);

// A coordinate or width as it is written into the file: two decimals in the
// smallest width of at most 10 characters.
std::string num(float v);

// Warning frame for a primitive that is not drawn because a value it holds
// cannot be written into the file.
void not_drawn(const Stamp& stamp, std::string_view why);

// Whether the file's PostScript has a current point: set by a move, lost by
// a stroke and by opening a new file.
extern bool has_current_point;

}  // namespace psdev::detail
