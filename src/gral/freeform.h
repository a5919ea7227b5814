// Free-form (list-directed) reading of the first value of a text: items are
// separated by blanks, commas or a slash. Anything that is not a complete
// number of the asked type (trailing letters, inf, nan, hexadecimal, a value
// out of range, a leading comma or slash, no item at all) is a read failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gral {

bool read_int(std::string_view text, std::int32_t& value);
bool read_real(std::string_view text, float& value);

// Whether the first item of a line ends within its first `kept` characters.
// A reader that keeps only those must not take what the cut leaves of a
// longer number for the number.
bool first_item_within(std::string_view line, std::size_t kept);

// True when the text holds nothing but blanks (a line with no value).
bool holds_no_value(std::string_view text);

}  // namespace gral
