#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "gral/format.h"
#include "gral/freeform.h"

namespace {
const float kInf = std::numeric_limits<float>::infinity();
const float kNan = std::numeric_limits<float>::quiet_NaN();
}  // namespace

TEST(Formatter, NumericFieldsRoundTiesToEvenFitOrFillWithAsterisks) {
  struct Case {
    char kind;
    float v;
    int w, d;
    const char* want;
  } cases[] = {
      {'F', 0.125f, 5, 2, " 0.12"},
      {'F', 0.375f, 6, 2, "  0.38"},
      {'F', 212.625f, 7, 2, " 212.62"},
      {'F', 2.5f, 3, 0, " 2."},
      {'F', -0.001f, 5, 2, "-0.00"},
      {'F', 0.5f, 4, 3, ".500"},
      {'F', -0.5f, 5, 3, "-.500"},
      {'F', 12345.6f, 6, 1, "******"},
      {'F', kNan, 8, 2, "     NaN"},
      {'F', kInf, 10, 2, "  Infinity"},
      {'F', kInf, 5, 2, "  Inf"},
      {'F', -kInf, 3, 2, "***"},
      {'E', 1234.6f, 12, 4, "  0.1235E+04"},
      {'E', 1234.5f, 12, 4, "  0.1234E+04"},
      {'E', -0.00125f, 12, 4, " -0.1250E-02"},
      {'E', 0.0f, 11, 4, " 0.0000E+00"},
      {'E', 1234.6f, 9, 4, ".1235E+04"},
      {'G', 0.5f, 12, 6, "0.500000    "},
      {'G', 15.0f, 12, 6, " 15.0000    "},
      {'G', 0.0f, 15, 3, "      0.000    "},
      {'G', 150.0f, 14, 4, "     150.0    "},
      {'G', 0.05f, 14, 4, "    0.5000E-01"},
      {'G', 12346.0f, 14, 4, "    0.1235E+05"},
      {'G', 9.9996f, 12, 4, "   10.00    "},
      {'G', -2.0f, 12, 6, "-2.00000    "},
  };
  for (const auto& c : cases) {
    std::string got = c.kind == 'F'   ? gral::fmt_f(c.v, c.w, c.d)
                      : c.kind == 'E' ? gral::fmt_e(c.v, c.w, c.d)
                                      : gral::fmt_g(c.v, c.w, c.d);
    EXPECT_EQ(got, c.want) << c.kind << c.w << "." << c.d << " of " << c.v;
  }
  EXPECT_EQ(
      gral::Rec().X().A("Default =").X().I(99, 12).L(true, 2).A("abcdef", 3).A("ab", 4).I(-450, 3).str(),
      " Default =           99 Tabc  ab***");
}

TEST(Formatter, FixedFormAgreesWithPrintfOnTheFloatsBinaryValue) {
  std::uint32_t state = 12345u;
  auto next = [&state] { return state = state * 1664525u + 1013904223u; };
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = next();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v) || std::fabs(v) > 1e9f)
      v = static_cast<float>(static_cast<std::int32_t>(bits)) / 1024.0f;
    int d = static_cast<int>(next() % 9);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%#.*f", d, static_cast<double>(v));
    ASSERT_EQ(gral::fmt_f(v, static_cast<int>(std::strlen(buf)), d), buf) << v << " d=" << d;
  }
}

TEST(FreeForm, OnlyCompleteNumbersOfTheAskedTypeAreRead) {
  struct Case {
    const char* text;
    bool int_ok;
    int i;
    bool real_ok;
    float r;
  } cases[] = {
      {"7", true, 7, true, 7.0f},
      {"  -12 x", true, -12, true, -12.0f},
      {"+3,8", true, 3, true, 3.0f},
      {"7/", true, 7, true, 7.0f},
      {"2147483648", false, 0, true, 2147483648.0f},
      {"7.5", false, 0, true, 7.5f},
      {".5", false, 0, true, 0.5f},
      {"5.", false, 0, true, 5.0f},
      {"1.5D2", false, 0, true, 150.0f},
      {"-1e3", false, 0, true, -1000.0f},
      {"7abc", false, 0, false, 0},
      {",7", false, 0, false, 0},
      {"", false, 0, false, 0},
      {"inf", false, 0, false, 0},
      {"nan", false, 0, false, 0},
      {"1e39", false, 0, false, 0},  // overflow fails; underflow gives zero or the nearest subnormal
      {"1e-50", false, 0, true, 0.0f},
      {"-1D-60", false, 0, true, -0.0f},
      {"1e-40", false, 0, true, 1e-40f},
      {"1.4e-45", false, 0, true, 1.4e-45f},
      {"1e", false, 0, false, 0},
      {"0x10", false, 0, false, 0},
      {"1.2.3", false, 0, false, 0},
      {"-", false, 0, false, 0},
  };
  for (const auto& c : cases) {
    std::int32_t i = -999;
    float r = -999.0f;
    EXPECT_EQ(gral::read_int(c.text, i), c.int_ok) << c.text;
    EXPECT_EQ(i, c.int_ok ? c.i : -999) << c.text;
    EXPECT_EQ(gral::read_real(c.text, r), c.real_ok) << c.text;
    EXPECT_EQ(r, c.real_ok ? c.r : -999.0f) << c.text;
  }
}
