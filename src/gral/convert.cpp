#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/text.h"
#include "records/sio.h"

namespace {

constexpr Stamp kCareafmpn{"careafmpn  ", " 1.2", "16-04-2010"};
constexpr Stamp kIntg2char{"intg2char  ", "3.00", "16-12-98  "};
constexpr Stamp kReal2charf1{"real2charf1", " 1.3", "30-01-2010"};

// A caller's text too short for the width it asks for (an empty string, say)
// is lengthened with blanks, so the result always has its full width.
void widen(std::string& text, std::int32_t width) {
  if (width > 0 && text.size() < static_cast<std::size_t>(width))
    text.resize(static_cast<std::size_t>(width), ' ');
}

// The result in the first columns of the text, blanks after it.
void assign(std::string& text, const std::string& result) {
  text = fixed::fit(result, text.size());
}

// Positions 1 to width become "9"; the rest of the text stays as it was.
void fill_nines(std::string& text, std::int32_t width) {
  if (width > 0) text.replace(0, static_cast<std::size_t>(width), static_cast<std::size_t>(width), '9');
}

// The body shared by the two "does not fit" frames, after its first line.
void cannot_fit_tail(std::int32_t width) {
  const int u = iocom.IUNSTDOUT;
  gral::put(u, gral::Rec().X().A("with only ").X().I(width, 20).X().A("digits"));
  gral::put1x(u, "==> NEED LONGER CHARACTER STRING");
  gral::put(u, gral::Rec().X().A("==> fill with 9 and set nchar =").X().I(width, 20));
  errortail00();
}

// 10 to the power -n: the reciprocal of a float power of ten built by
// squaring (exact up to n = 10).
float ten_to_minus(std::int32_t n) {
  float p = 1.0f;
  float base = 10.0f;
  for (std::int64_t k = n < 0 ? -std::int64_t{n} : n; k > 0; k /= 2) {
    if (k % 2 != 0) p *= base;
    base *= base;
  }
  return n < 0 ? p : 1.0f / p;
}

// Digits before the decimal point of a magnitude of at least one.
std::int32_t int_digits(float magnitude) {
  return static_cast<std::int32_t>(0.4342945f * std::log(magnitude)) + 1;
}

}  // namespace

void careafmpn(std::string& text, std::int32_t m, std::int32_t n, float value) {
  if (m >= 1 && m <= 99 && m > n) {
    widen(text, m);
    assign(text, gral::fmt_f(value, m, n));
    return;
  }
  const int u = iocom.IUNSTDOUT;
  errorhead(kCareafmpn);
  gral::put(u, gral::Rec().X().A("m =").X().I(m, 10).X().A("n =").X().I(n, 10));
  gral::put1x(u, "fm.n is not a valid format");
  gral::put1x(u, " ===> fill with X");
  errortail00();
  if (m >= 1 && m <= 99) widen(text, m);
  text.assign(text.size(), 'X');
}

void intg2char(std::string& text, std::int32_t& nchar, std::int32_t maxchar, std::int32_t value) {
  widen(text, maxchar);
  integlen(nchar, value);
  if (nchar > maxchar) {
    errorhead(kIntg2char);
    gral::say_items({"Cannot write integer =", gral::fmt_i(value, 20)});
    cannot_fit_tail(maxchar);
    fill_nines(text, maxchar);
    nchar = maxchar;
    return;
  }
  assign(text, gral::fmt_i(value, nchar));
}

void real2charf1(std::string& text, std::int32_t& nchar, std::int32_t ndec, std::int32_t nmax, float value) {
  widen(text, nmax);
  const float e = ten_to_minus(ndec) + 1e-7f;
  const float lo = value - e;
  const float hi = value + e;

  // Width of the integer part; the sign and the decimal point take one
  // column each.
  std::int32_t p = 1;
  std::int32_t sign = 0;
  if (!std::isfinite(value)) {
    p = 4;
  } else if (hi <= -1.0f) {
    p = int_digits(std::fabs(lo));
    sign = 1;
  } else if (value < 0.0f) {
    sign = 1;
  } else if (lo >= 1.0f) {
    p = int_digits(hi);
  }
  // Counted wide: a digit count near the integer range would overflow, and
  // it only has to be known to exceed nmax.
  const std::int64_t wanted = std::int64_t{p} + ndec + 1 + sign;
  nchar = static_cast<std::int32_t>(std::clamp<std::int64_t>(wanted, INT32_MIN, INT32_MAX));

  const int u = iocom.IUNSTDOUT;
  if (!std::isfinite(value)) {
    errorhead(kReal2charf1);
    gral::put(u, gral::Rec().X().A("Cannot get size of real =").X().F(value, 30, 5));
    gral::put(u, gral::Rec().X().A("set n before =").X().I(p, 20));
    gral::put(u, gral::Rec().X().A("set nchar =").X().I(nchar, 20));
    gral::put1x(u, "Watch for NaN or +/-Inf in output ?");
    errortail00();
  }

  std::int32_t d = ndec;
  if (nchar > nmax) {
    nchar = nmax;
    d = nmax - p - 2;
  }
  if (d < 0) {
    errorhead(kReal2charf1);
    gral::put(u, gral::Rec().X().A("Cannot write real =").X().F(value, 30, 5));
    cannot_fit_tail(nmax);
    fill_nines(text, nmax);
    return;
  }
  careafmpn(text, nchar, d, value);
}
