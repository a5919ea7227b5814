#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>

#include "gral/format.h"
#include "gral/freeform.h"

namespace {
const float kInf = std::numeric_limits<float>::infinity(), kNan = std::numeric_limits<float>::quiet_NaN();

using Field = std::tuple<const char*, float, const char*>;  // field, value, what it shows

void expect_fields(std::span<const Field> cases) {
  for (const auto& [field, v, want] : cases) {
    int w = 0, d = 0;
    ASSERT_EQ(std::sscanf(field + 1, "%d.%d", &w, &d), 2);
    const auto fmt = field[0] == 'F' ? gral::fmt_f : field[0] == 'E' ? gral::fmt_e : gral::fmt_g;
    EXPECT_EQ(fmt(v, w, d), want) << field << " of " << v;
  }
}

}  // namespace

TEST(Formatter, NumericFieldsRoundTiesToEvenFitOrFillWithAsterisks) {
  const Field fixed[] = {
      {"F5.2", 0.125f, " 0.12"},     {"F6.2", 0.375f, "  0.38"},   {"F7.2", 212.625f, " 212.62"},
      {"F3.0", 2.5f, " 2."},         {"F5.2", -0.001f, "-0.00"},   {"F4.3", 0.5f, ".500"},
      {"F5.3", -0.5f, "-.500"},      {"F6.1", 12345.6f, "******"}, {"F8.2", kNan, "     NaN"},
      {"F10.2", kInf, "  Infinity"}, {"F5.2", kInf, "  Inf"},      {"F3.2", -kInf, "***"}};
  const Field others[] = {{"E12.4", 1234.6f, "  0.1235E+04"},   {"E12.4", 1234.5f, "  0.1234E+04"},
                          {"E12.4", -0.00125f, " -0.1250E-02"}, {"E11.4", 0.0f, " 0.0000E+00"},
                          {"E9.4", 1234.6f, ".1235E+04"},       {"G12.6", 0.5f, "0.500000    "},
                          {"G12.6", 15.0f, " 15.0000    "},     {"G15.3", 0.0f, "      0.000    "},
                          {"G14.4", 150.0f, "     150.0    "},  {"G14.4", 0.05f, "    0.5000E-01"},
                          {"G14.4", 12346.f, "    0.1235E+05"}, {"G12.4", 9.9996f, "   10.00    "},
                          {"G12.6", -2.0f, "-2.00000    "}};
  expect_fields(fixed);
  expect_fields(others);
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

// Overflow fails; underflow gives zero or the nearest subnormal.
TEST(FreeForm, OnlyCompleteNumbersOfTheAskedTypeAreRead) {
  const std::optional<std::int32_t> no;  // refused
  // text, the integer read, the real read
  const std::tuple<const char*, std::optional<std::int32_t>, float> read[] = {
      {"7", 7, 7.0f},
      {"  -12 x", -12, -12.0f},
      {"+3,8", 3, 3.0f},
      {"7/", 7, 7.0f},
      {"2147483648", no, 2147483648.0f},
      {"7.5", no, 7.5f},
      {".5", no, 0.5f},
      {"5.", no, 5.0f},
      {"1.5D2", no, 150.0f},
      {"-1e3", no, -1000.0f},
      {"1e-50", no, 0.0f},
      {"-1D-60", no, -0.0f},
      {"1e-40", no, 1e-40f},
      {"1.4e-45", no, 1.4e-45f}};
  for (const auto& [text, want_i, want_r] : read) {
    std::int32_t i = -999;
    float r = -999.0f;
    const bool int_read = gral::read_int(text, i), real_read = gral::read_real(text, r);
    EXPECT_EQ(std::tuple(int_read, i), std::tuple(want_i.has_value(), want_i.value_or(-999))) << text;
    EXPECT_EQ(std::tuple(real_read, r, std::signbit(r)), std::tuple(true, want_r, std::signbit(want_r)))
        << text;
  }
  for (const char* text : {"7abc", ",7", "", "inf", "nan", "1e39", "1e", "0x10", "1.2.3", "-"}) {
    std::int32_t i = -999;
    float r = -999.0f;
    const bool int_read = gral::read_int(text, i), real_read = gral::read_real(text, r);
    EXPECT_EQ(std::tuple(int_read, i, real_read, r), std::tuple(false, -999, false, -999.0f)) << text;
  }
}
