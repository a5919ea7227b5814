#include "gral/freeform.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace gral {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The first item, or false when there is none or it starts with a separator.
bool first_item(std::string_view text, std::string_view& item) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  if (i == text.size()) return false;
  if (text[i] == ',' || text[i] == '/') return false;
  std::size_t j = i;
  while (j < text.size() && !is_blank(text[j]) && text[j] != ',' && text[j] != '/') ++j;
  item = text.substr(i, j - i);
  return true;
}

std::size_t digits(std::string_view s, std::size_t i) {
  while (i < s.size() && is_digit(s[i])) ++i;
  return i;
}

}  // namespace

bool first_item_within(std::string_view line, std::size_t kept) {
  std::string_view item;
  if (!first_item(line, item)) return true;
  return static_cast<std::size_t>(item.data() - line.data()) + item.size() <= kept;
}

bool holds_no_value(std::string_view text) {
  for (char c : text)
    if (!is_blank(c)) return false;
  return true;
}

bool read_int(std::string_view text, std::int32_t& value) {
  std::string_view item;
  if (!first_item(text, item)) return false;
  std::size_t i = 0;
  if (item[0] == '+' || item[0] == '-') i = 1;
  std::size_t j = digits(item, i);
  if (j == i || j != item.size()) return false;
  std::int32_t v = 0;
  std::string_view body = item.substr(item[0] == '+' ? 1 : 0);
  auto r = std::from_chars(body.data(), body.data() + body.size(), v);
  if (r.ec != std::errc() || r.ptr != body.data() + body.size()) return false;
  value = v;
  return true;
}

bool read_real(std::string_view text, float& value) {
  std::string_view item;
  if (!first_item(text, item)) return false;
  // [sign] (digits [. [digits]] | . digits) [(E|e|D|d) [sign] digits]
  std::size_t i = 0;
  if (item[0] == '+' || item[0] == '-') i = 1;
  std::size_t j = digits(item, i);
  bool mantissa = j > i;
  if (j < item.size() && item[j] == '.') {
    std::size_t k = digits(item, j + 1);
    mantissa = mantissa || k > j + 1;
    j = k;
  }
  if (!mantissa) return false;
  std::string norm(item.substr(item[0] == '+' ? 1 : 0, j - (item[0] == '+' ? 1 : 0)));
  if (j < item.size()) {
    char e = item[j];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
    std::size_t k = j + 1;
    if (k < item.size() && (item[k] == '+' || item[k] == '-')) ++k;
    std::size_t m = digits(item, k);
    if (m == k || m != item.size()) return false;
    norm += 'e';
    norm += item.substr(j + 1);
  }
  float v = 0.0f;
  auto r = std::from_chars(norm.data(), norm.data() + norm.size(), v);
  // Out of range is either side: a value below the smallest float becomes
  // zero or the nearest subnormal, as every free-form reader has it; only
  // a value beyond the largest is unreadable.
  if (r.ec == std::errc::result_out_of_range) v = std::strtof(norm.c_str(), nullptr);
  if ((r.ec != std::errc() && r.ec != std::errc::result_out_of_range) || r.ptr != norm.data() + norm.size() ||
      !std::isfinite(v))
    return false;
  value = v;
  return true;
}

}  // namespace gral
