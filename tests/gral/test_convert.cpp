#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "gral/format.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "support/expect.h"

using namespace testing_support;

namespace {

const auto right = gral::fmt_a;  // blanks before

// The body of the "does not fit" frame after its first line.
Lines nines(const std::string& first, int width) {
  const std::string w = right(std::to_string(width), 20);
  return {first, " with only  " + w + " digits", " ==> NEED LONGER CHARACTER STRING",
          " ==> fill with 9 and set nchar = " + w};
}

}  // namespace

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
    EXPECT_EQ(written_by([&] { intg2char(got, nchar, maxchar, value); }), Lines{});
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
    EXPECT_EQ(written_by([&] { real2charf1(got, nchar, ndec, nmax, value); }), Lines{});
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
  const Lines invalid{" fm.n is not a valid format", "  ===> fill with X"};
  EXPECT_EQ(
      out.lines,
      error_frame("intg2char  ", nines(" Cannot write integer = " + right("123456", 20), 4)) +
          error_frame("real2charf1", nines(" Cannot write real = " + right("12345.59961", 30), 4)) +
          error_frame("careafmpn  ", Lines{" m = " + right("5", 10) + " n = " + right("7", 10)} + invalid) +
          error_frame("careafmpn  ", Lines{" m = " + right("100", 10) + " n = " + right("2", 10)} + invalid) +
          error_frame("real2charf1",
                      {" Cannot get size of real = " + right("NaN", 30), " set n before = " + right("4", 20),
                       " set nchar = " + right("7", 20), " Watch for NaN or +/-Inf in output ?"}));
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
