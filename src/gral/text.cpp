#include "gral/text.h"

void textlen(std::int32_t& first, std::int32_t& last, std::string_view text) {
  first = 1;
  last = static_cast<std::int32_t>(text.size());
  while (first < last && text[static_cast<std::size_t>(first - 1)] == ' ') ++first;
  while (first < last && text[static_cast<std::size_t>(last - 1)] == ' ') --last;
}

void integlen(std::int32_t& length, std::int32_t n) {
  std::int64_t v = n;
  length = v < 0 ? 2 : 1;
  if (v < 0) v = -v;
  while (v >= 10) {
    v /= 10;
    ++length;
  }
}

void path2basename(std::int32_t& length, std::string& base, std::string_view path) {
  std::int32_t first = 0, last = 0;
  textlen(first, last, path);
  std::string result;
  if (first != last) {
    std::int32_t i = last - 1;
    while (i >= first && path[static_cast<std::size_t>(i - 1)] != '/') --i;
    std::int32_t from = i >= first ? i + 1 : first;
    result = std::string(
        path.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(last - from + 1)));
  } else {
    result = path.empty() ? std::string(" ") : std::string(1, path[static_cast<std::size_t>(first - 1)]);
  }
  length = static_cast<std::int32_t>(result.size());
  // An unsized result text takes the base name at its own length.
  base = base.empty() ? result : fixed::fit(result, base.size());
}

namespace gral {
std::string trimmed(std::string_view text) {
  std::int32_t first = 0, last = 0;
  textlen(first, last, text);
  if (last < first) return std::string();
  return std::string(
      text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}
}  // namespace gral
