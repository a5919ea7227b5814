#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "gral/format.h"
#include "gral/freeform.h"

using gral::fmt_e;
using gral::fmt_f;
using gral::fmt_g;
using gral::fmt_i;

TEST(Formatter, FixedFieldsRoundTiesToEvenOnTheBinaryValue) {
  struct Case {
    float v;
    int w, d;
    const char* want;
  } cases[] = {
      {0.125f, 5, 2, " 0.12"},  {0.375f, 6, 2, "  0.38"},   {212.625f, 7, 2, " 212.62"},
      {2.5f, 3, 0, " 2."},      {3.5f, 3, 0, " 4."},        {100.0f, 4, 0, "100."},
      {-0.001f, 5, 2, "-0.00"}, {0.5f, 4, 3, ".500"},       {-0.5f, 5, 3, "-.500"},
      {0.5f, 3, 3, "***"},      {12345.6f, 6, 1, "******"}, {24.819f, 8, 3, "  24.819"},
      {0.0f, 6, 3, " 0.000"},   {1.0f, 1, 0, "*"},
  };
  for (const auto& c : cases) EXPECT_EQ(fmt_f(c.v, c.w, c.d), c.want) << c.v << " F" << c.w << "." << c.d;
}

TEST(Formatter, NonFiniteValuesNeverBreakTheField) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(fmt_f(nan, 8, 2), "     NaN");
  EXPECT_EQ(fmt_f(inf, 10, 2), "  Infinity");
  EXPECT_EQ(fmt_f(inf, 5, 2), "  Inf");
  EXPECT_EQ(fmt_f(-inf, 9, 2), "-Infinity");
  EXPECT_EQ(fmt_f(-inf, 8, 2), "    -Inf");
  EXPECT_EQ(fmt_f(-inf, 3, 2), "***");
  EXPECT_EQ(fmt_g(nan, 12, 6), "         NaN");
}

TEST(Formatter, IntegerAndLogicalFields) {
  EXPECT_EQ(fmt_i(99, 12), "          99");
  EXPECT_EQ(fmt_i(-45, 3), "-45");
  EXPECT_EQ(fmt_i(-450, 3), "***");
  EXPECT_EQ(fmt_i(0, 1), "0");
  EXPECT_EQ(gral::fmt_l(true, 2), " T");
  EXPECT_EQ(gral::fmt_l(false, 1), "F");
  EXPECT_EQ(gral::fmt_a("abcdef", 3), "abc");
  EXPECT_EQ(gral::fmt_a("ab", 4), "  ab");
}

TEST(Formatter, ExponentAndGeneralForms) {
  EXPECT_EQ(fmt_e(1234.6f, 12, 4), "  0.1235E+04");
  EXPECT_EQ(fmt_e(1234.5f, 12, 4), "  0.1234E+04");  // a tie, to even
  EXPECT_EQ(fmt_e(-0.00125f, 12, 4), " -0.1250E-02");
  EXPECT_EQ(fmt_e(0.0f, 11, 4), " 0.0000E+00");
  EXPECT_EQ(fmt_e(1234.6f, 9, 4), ".1235E+04");
  // G: fixed with d significant digits in w-4 columns and 4 blanks, between
  // 0.1 and 10**d; exponent form elsewhere; zero with d decimals.
  EXPECT_EQ(fmt_g(0.5f, 12, 6), "0.500000    ");
  EXPECT_EQ(fmt_g(15.0f, 12, 6), " 15.0000    ");
  EXPECT_EQ(fmt_g(0.0f, 15, 3), "      0.000    ");
  EXPECT_EQ(fmt_g(150.0f, 14, 4), "     150.0    ");
  EXPECT_EQ(fmt_g(100.0f, 14, 4), "     100.0    ");
  EXPECT_EQ(fmt_g(0.05f, 14, 4), "    0.5000E-01");
  EXPECT_EQ(fmt_g(12346.0f, 14, 4), "    0.1235E+05");
  EXPECT_EQ(fmt_g(9.9996f, 12, 4), "   10.00    ");
  EXPECT_EQ(fmt_g(-2.0f, 12, 6), "-2.00000    ");
}

TEST(Formatter, RecordsAreBuiltFieldByField) {
  auto r = gral::Rec().X().A("Default =").X().I(99, 12).str();
  EXPECT_EQ(r, " Default =           99");
  EXPECT_EQ(gral::Rec().X(3).A("x", 2).L(true, 2).F(1.5f, 5, 1).str(), "    x T  1.5");
}

TEST(FreeForm, IntegersAndTheirFailures) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"7", true, 7},
      {"  -12", true, -12},
      {"+3", true, 3},
      {"7 8", true, 7},
      {"7,8", true, 7},
      {"7/", true, 7},
      {"2147483647", true, 2147483647},
      {"2147483648", false, 0},
      {"7abc", false, 0},
      {"7.5", false, 0},
      {"abc", false, 0},
      {",7", false, 0},
      {"/", false, 0},
      {"", false, 0},
      {"    ", false, 0},
      {"0x10", false, 0},
      {"-", false, 0},
  };
  for (const auto& c : cases) {
    std::int32_t v = -999;
    EXPECT_EQ(gral::read_int(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    } else {
      EXPECT_EQ(v, -999) << "a failed read leaves the value: " << c.text;
    }
  }
}

TEST(FreeForm, RealsInEveryFormAndTheirFailures) {
  struct Case {
    const char* text;
    bool ok;
    float value;
  } cases[] = {
      {"2.5", true, 2.5f},     {"7", true, 7.0f},       {".5", true, 0.5f},   {"5.", true, 5.0f},
      {"-1e3", true, -1000.f}, {"1.5D2", true, 150.0f}, {"2d-1", true, 0.2f}, {"+0.85 x", true, 0.85f},
      {"0.1", true, 0.1f},     {"inf", false, 0},       {"nan", false, 0},    {"1e39", false, 0},
      {"1e", false, 0},        {".", false, 0},         {"1.2.3", false, 0},  {"0x1p3", false, 0},
      {"3abc", false, 0},      {",2", false, 0},
  };
  for (const auto& c : cases) {
    float v = -999.0f;
    EXPECT_EQ(gral::read_real(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(Formatter, FixedFormAgreesWithPrintfOnManyValues) {
  // The fixed form has its own fast path; it must round exactly as printf
  // does on the float's binary value, ties to even, sign of zero kept.
  std::uint32_t state = 12345u;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state;
  };
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = next();
    float v;
    static_assert(sizeof v == sizeof bits);
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v) || std::fabs(v) > 1e9f)
      v = static_cast<float>(static_cast<std::int32_t>(bits)) / 1024.0f;
    int d = static_cast<int>(next() % 9);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%#.*f", d, static_cast<double>(v));
    std::string want = buf;
    ASSERT_EQ(fmt_f(v, static_cast<int>(want.size()), d), want) << v << " d=" << d;
  }
  EXPECT_EQ(fmt_f(-0.0f, 5, 2), "-0.00");
  EXPECT_EQ(fmt_f(0.005f, 4, 2), "0.00");  // 0.005f lies just below 0.005
  EXPECT_EQ(fmt_f(1e20f, 24, 2), "100000002004087734272.00");
}
