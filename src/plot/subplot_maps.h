// Helpers shared by the plot library's map routines; not for its callers.
#pragma once

#include <cstdint>
#include <string_view>

#include "gral/format.h"
#include "records/plot.h"
#include "records/sio.h"

namespace plot_maps {

// The current subplot, or 0 while none has been selected. Indexing the maps
// with anything outside 1 to 40 would reach outside the record.
inline std::int32_t current_subplot() {
  const std::int32_t s = plt1blk.ISUBPLOT;
  return (s >= 1 && s <= kMaxSubplots) ? s : 0;
}

// Before any subplot is selected, points convert as in a subplot that was
// never set up: all to the origin.
inline void no_subplot(float* xo, float* yo, std::int32_t n) {
  for (std::int32_t i = 0; i < n; ++i) {
    xo[i] = 0.0f;
    yo[i] = 0.0f;
  }
}

// The centimetre-to-user map of subplot s, inverse of its user-to-cm map.
void invert_map(std::int32_t s);
// The user-to-device map of subplot s, composed with the device's map.
void device_map(std::int32_t s);

}  // namespace plot_maps
