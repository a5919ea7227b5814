#include "gral/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "gral/units.h"

namespace gral {
namespace {

std::string stars(int w) {
  return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

std::string right(const std::string& s, int w) {
  if (w < 0) w = 0;
  if (static_cast<int>(s.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// NaN and the infinities, right-justified, the long form where it fits.
std::string non_finite(float v, int w) {
  if (std::isnan(v)) return right("NaN", w);
  std::string sign = v < 0 ? "-" : "";
  std::string full = sign + "Infinity";
  if (static_cast<int>(full.size()) <= w) return right(full, w);
  return right(sign + "Inf", w);
}

// Drops the "0" before the decimal point when the field is one short.
std::string fit_fixed(std::string s, int w) {
  if (static_cast<int>(s.size()) > w) {
    std::size_t z = (s[0] == '-') ? 1 : 0;
    if (s.size() > z + 1 && s[z] == '0' && s[z + 1] == '.') s.erase(z, 1);
  }
  return right(s, w);
}

}  // namespace

std::string fmt_a(std::string_view s, int w) {
  if (w <= 0) return std::string();
  std::size_t uw = static_cast<std::size_t>(w);
  if (s.size() >= uw) return std::string(s.substr(0, uw));
  return std::string(uw - s.size(), ' ') + std::string(s);
}

std::string fmt_i(std::int64_t v, int w) {
  return right(std::to_string(v), w);
}

namespace {

// Fixed form without printf: a float times 10**d (d <= 8) is exact in a
// double (24 + 19 significant bits), so rounding that product to the nearest
// integer, ties to even, rounds the float's exact binary value. Plot files
// write a coordinate per field, so this path carries most of the output.
bool fixed_fast(float v, int d, std::string& out) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (d > 8) return false;
  double scaled = std::fabs(static_cast<double>(v)) * kPow10[d];
  if (!(scaled < 9.0e18)) return false;
  auto n = static_cast<std::uint64_t>(std::nearbyint(scaled));
  char digits[32];
  int len = 0;
  do {
    digits[len++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  while (len < d + 1) digits[len++] = '0';  // at least "0." before the decimals
  out.clear();
  if (std::signbit(v)) out += '-';
  for (int i = len - 1; i >= d; --i) out += digits[i];
  out += '.';
  for (int i = d - 1; i >= 0; --i) out += digits[i];
  return true;
}

}  // namespace

std::string fmt_f(float v, int w, int d) {
  if (!std::isfinite(v)) return non_finite(v, w);
  if (d < 0) d = 0;
  std::string fast;
  if (fixed_fast(v, d, fast)) return fit_fixed(std::move(fast), w);
  char buf[512];
  std::snprintf(buf, sizeof buf, "%#.*f", d, static_cast<double>(v));
  return fit_fixed(buf, w);
}

std::string fmt_e(float v, int w, int d) {
  if (!std::isfinite(v)) return non_finite(v, w);
  if (d < 1) d = 1;
  std::string sign = std::signbit(v) && v != 0.0f ? "-" : "";
  if (std::signbit(v) && v == 0.0f) sign = "-";
  double a = std::fabs(static_cast<double>(v));
  std::string digits(static_cast<std::size_t>(d), '0');
  int exp10 = 0;
  if (a != 0.0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*e", d - 1, a);
    // buf: "D.DDDe+XX": the d significant digits, then the exponent.
    std::string b(buf);
    std::size_t epos = b.find('e');
    digits = b.substr(0, 1) + (d > 1 ? b.substr(2, epos - 2) : std::string());
    exp10 = std::atoi(b.c_str() + epos + 1) + 1;
  }
  char ebuf[16];
  std::snprintf(ebuf, sizeof ebuf, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
  return fit_fixed(sign + "0." + digits + ebuf, w);
}

std::string fmt_g(float v, int w, int d) {
  if (!std::isfinite(v)) return non_finite(v, w);
  if (d < 1) d = 1;
  if (v == 0.0f) return fmt_f(v, w - 4, d) + "    ";
  char buf[128];
  std::snprintf(buf, sizeof buf, "%.*e", d - 1, std::fabs(static_cast<double>(v)));
  std::string b(buf);
  int x = std::atoi(b.c_str() + b.find('e') + 1);  // rounded value in [10^x, 10^(x+1))
  if (x >= -1 && x <= d - 1) return fmt_f(v, w - 4, d - x - 1) + "    ";
  return fmt_e(v, w, d);
}

std::string fmt_l(bool v, int w) {
  return right(v ? "T" : "F", w);
}

void put(int unit, const Rec& r) {
  write_record(unit, r.str());
}
void put(int unit, std::string_view record) {
  write_record(unit, record);
}
void put1x(int unit, std::string_view text) {
  write_record(unit, " " + std::string(text));
}

}  // namespace gral
