#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>

#include "gral/format.h"
#include "gral/freeform.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "support/expect.h"

using namespace testing_support;

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
  // The first four also read as integers, the rest only as reals.
  const std::pair<const char*, float> read[] = {
      {"7", 7.0f},        {"  -12 x", -12.0f}, {"+3,8", 3.0f},    {"7/", 7.0f},      {"2147483648", 0x1p31f},
      {"7.5", 7.5f},      {".5", 0.5f},        {"5.", 5.0f},      {"1.5D2", 150.0f}, {"1d5", 1e5f},
      {"-1e3", -1000.0f}, {"1e-50", 0.0f},     {"-1D-60", -0.0f}, {"1e-40", 1e-40f}, {"1.4e-45", 1.4e-45f}};
  for (std::size_t k = 0; k < std::size(read); ++k) {
    const auto [text, want] = read[k];
    std::int32_t i = -999;
    float r = -999.0f;
    const bool int_read = gral::read_int(text, i), real_read = gral::read_real(text, r);
    const bool integer = k < 4;
    EXPECT_EQ(std::tuple(int_read, i), std::tuple(integer, integer ? static_cast<std::int32_t>(want) : -999))
        << text;
    EXPECT_EQ(std::tuple(real_read, r, std::signbit(r)), std::tuple(true, want, std::signbit(want))) << text;
  }
  for (const char* text : {"7abc", ",7", "", "inf", "nan", "1e39", "1e", "0x10", "1.2.3", "-"}) {
    std::int32_t i = -999;
    float r = -999.0f;
    const bool int_read = gral::read_int(text, i), real_read = gral::read_real(text, r);
    EXPECT_EQ(std::tuple(int_read, i, real_read, r), std::tuple(false, -999, false, -999.0f)) << text;
  }
}

// The text keeps its length, blanks after the number; a short one is widened.
TEST(Conversions, SmallestWidthInTheTextsFirstColumnsCountingRoundingAndSign) {
  // value, the widest it may be, the text it gives
  const std::tuple<std::int32_t, std::int32_t, std::string> ints[] = {
      {-45, 5, "-45     "},        {0, 1, "0       "},           {10, 2, "10      "},
      {INT_MAX, 10, "2147483647"}, {INT_MIN, 11, "-2147483648"},
  };
  for (auto [value, maxchar, text] : ints) {
    std::string got = "abcdefgh";
    std::int32_t nchar = -1;
    EXPECT_EQ(run_with("", [&] { intg2char(got, nchar, maxchar, value); }).lines, Lines{});
    EXPECT_EQ(std::pair(got, nchar), std::pair(text, std::int32_t(gral::trimmed(text).size())));
  }
  const std::tuple<float, std::int32_t, std::int32_t, std::string> reals[] = {
      {-2.5f, 1, 10, "-2.5"},     {0.5f, 3, 10, "0.500"},   {-0.25f, 2, 10, "-0.25"},
      {9.996f, 2, 10, "10.00"},   {9.99f, 2, 10, " 9.99"},  {-9.99f, 2, 10, " -9.99"},
      {123.456f, 3, 6, " 123.5"}, {100.0f, 0, 10, "100."},  {28.35f, 2, 5, "28.35"},
      {1234.56f, 2, 6, " 1235."}, {-0.004f, 2, 10, "-0.00"}};
  for (auto [value, ndec, nmax, text] : reals) {
    std::string got;
    std::int32_t nchar = -1;
    EXPECT_EQ(run_with("", [&] { real2charf1(got, nchar, ndec, nmax, value); }).lines, Lines{});
    EXPECT_EQ(std::pair(got, gral::head(got, nchar)), std::pair(fixed::fit(text, nmax), text)) << value;
  }
}

// What cannot be written is reported in an error frame: a number too long
// becomes "9"s over the width asked for, an invalid field "X"s over the whole
// text; the rest of the text stays as it was. NaN is reported, then written;
// with fewer columns than the size first set, no decimals are left.
TEST(Conversions, WhatCannotBeWrittenIsFilledAndReported) {
  std::string i = "abcdefgh", r = "abcdef", x = "abcdefgh", empty, nan;
  std::int32_t ni = -1, nr = -1, nn = -1;
  const Outcome out = run_with("\n\n\n\n\n", [&] {
    intg2char(i, ni, 4, 123456);
    real2charf1(r, nr, 1, 4, 12345.6f);
    careafmpn(x, 5, 7, 1.0f);
    careafmpn(empty, 100, 2, 1.0f);  // an unusable width leaves nothing to fill
    real2charf1(nan, nn, 2, 6, std::nanf(""));
  });
  EXPECT_EQ(std::tuple(i, ni, r, nr, x, empty, gral::head(nan, nn)),
            std::tuple("9999efgh", 4, "9999ef", 4, "XXXXXXXX", "", "   NaN"));
  const auto head = [](const char* name) { return name_line("***", name); };
  EXPECT_TRUE(has_in_order(
      out.lines, Lines{head("intg2char  "), " Cannot write integer =               123456",
                       " ==> fill with 9 and set nchar =                    4", head("real2charf1"),
                       " Cannot write real =                    12345.59961",
                       " ==> fill with 9 and set nchar =                    4", head("careafmpn  "),
                       " m =          5 n =          7", " fm.n is not a valid format", "  ===> fill with X",
                       head("careafmpn  "), " m =        100 n =          2", head("real2charf1"),
                       " Cannot get size of real =                            NaN",
                       " set nchar =                    7"}));
}

// Empty, blank and slash-only texts have lengths and base names too.
TEST(Conversions, LengthsAndBaseNamesOfEmptyBlankAndSlashTexts) {
  const std::tuple<std::string, std::int32_t, std::int32_t> spans[] = {
      {"  xy  ", 3, 4}, {"xyz", 1, 3}, {"x", 1, 1}, {"      ", 6, 6}, {"", 1, 0}};
  for (const auto& [text, first, last] : spans) {
    std::int32_t f = -1, l = -1;
    textlen(f, l, text);
    EXPECT_EQ(std::make_pair(f, l), std::make_pair(first, last)) << "[" << text << "]";
  }
  const std::pair<std::int32_t, std::int32_t> widths[] = {
      {0, 1}, {9, 1}, {10, 2}, {999999, 6}, {1000000, 7}, {-1, 2}, {-10, 3}, {INT_MIN, 11}, {INT_MAX, 10}};
  for (const auto& [n, width] : widths) {
    std::int32_t len = -1;
    integlen(len, n);
    EXPECT_EQ(len, width) << n;
  }
  const std::tuple<std::string, std::string, std::int32_t> bases[] = {
      {"a/b/c.txt", "c.txt", 5}, {"c.txt", "c.txt", 5}, {"/x", "x", 1},
      {"dir/sub/", "sub/", 4},   {"/", "/", 1},         {"//", "/", 1},
      {"   ", " ", 1},           {"  a/b  ", "b", 1},   {"", "", 0}};
  for (const auto& [path, base, length] : bases) {
    std::string got;
    std::int32_t len = -1;
    path2basename(len, got, path);
    EXPECT_EQ(std::make_pair(got, len), std::make_pair(base, length)) << "[" << path << "]";
  }
  std::string fitted(8, '#');
  std::int32_t len = 0;
  path2basename(len, fitted, "dir/c.txt");
  EXPECT_EQ(fitted, "c.txt   ") << "a sized base name is blank-padded";
}
