// Text lengths, base names and number-to-text conversion. Positions are
// counted from 1, as everywhere in the system's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/fixedtext.h"

// First and last non-blank positions; an all-blank text of length L gives
// L and L, an empty text 1 and 0.
void textlen(std::int32_t& first, std::int32_t& last, std::string_view text);
// Characters of n written in decimal, sign included.
void integlen(std::int32_t& length, std::int32_t n);
// Base name of a path: what follows the last "/" before the last non-blank.
void path2basename(std::int32_t& length, std::string& base, std::string_view path);
// Fm.n chosen at run time into the first m columns of text.
void careafmpn(std::string& text, std::int32_t m, std::int32_t n, float value);
// Integer in its smallest width, at most maxchar, else "9"s.
void intg2char(std::string& text, std::int32_t& nchar, std::int32_t maxchar, std::int32_t value);
// Real with ndec decimals in its smallest width, at most nmax.
void real2charf1(std::string& text, std::int32_t& nchar, std::int32_t ndec, std::int32_t nmax, float value);

namespace gral {
// The text from its first to its last non-blank character (textlen's span).
std::string trimmed(std::string_view text);
// The first n characters of a text (the caller's use of nchar).
inline std::string head(const std::string& text, std::int32_t n) {
  return text.substr(0, static_cast<std::size_t>(n > 0 ? n : 0));
}
}  // namespace gral
