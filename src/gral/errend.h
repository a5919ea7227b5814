// Error endings and the range check with its severity levels.
#pragma once

#include <cstdint>
#include <string_view>

// Ends an error frame by stop level: 0 ask RESUME, 1 ask STOP, 2 stop; any
// other level writes nothing. Returns only when the run goes on.
void errortailstop(std::int32_t igrav);

// Checks value against [vmin, vmax]; ier 0 inside, 1 below, 2 above.
// gravity 0..4 reports; 10..14 also resets the value to the broken bound.
void crevin3(float& value, float vmin, float vmax, std::string_view name, std::string_view routine,
             std::int32_t gravity, std::int32_t& ier);
