#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "gral/text.h"
#include "support/console.h"
#include "support/transcript.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

std::string right(const std::string& s, std::size_t w) {
  return std::string(w - s.size(), ' ') + s;
}

// The body of the "does not fit" frame after its first line.
Lines nines(const std::string& first, int width) {
  const std::string w = right(std::to_string(width), 20);
  return {first, " with only  " + w + " digits", " ==> NEED LONGER CHARACTER STRING",
          " ==> fill with 9 and set nchar = " + w};
}

}  // namespace

TEST(Text, SpansAndBaseNamesCountFromOneAndSkipBlanks) {
  const std::tuple<std::string, int, int> spans[] = {
      {"  xy  ", 3, 4}, {"xyz", 1, 3}, {"      ", 6, 6}, {"", 1, 0}, {"x", 1, 1}};
  for (const auto& [t, f, l] : spans) {
    std::int32_t first = -1, last = -1;
    textlen(first, last, t);
    EXPECT_EQ(std::pair(first, last), std::pair(f, l)) << '"' << t << '"';
  }
  const std::tuple<std::string, std::size_t, std::string, int> paths[] = {
      {"a/b/c.txt", 0, "c.txt", 5},    {"/x", 0, "x", 1},
      {"dir/sub/", 0, "sub/", 4},      {"/", 0, "/", 1},
      {"  a/bc  ", 0, "bc", 2},        {"    ", 0, " ", 1},
      {"a/b/c.txt", 8, "c.txt   ", 5}, {"a/b/c.txt", 3, "c.t", 5}};
  for (const auto& [path, size, base, length] : paths) {
    std::string got(size, '#');  // an unsized text takes the name at its own length
    std::int32_t len = -1;
    path2basename(len, got, path);
    EXPECT_EQ(got, base) << path;
    EXPECT_EQ(len, length) << path;
  }
}

TEST(Conversions, SmallestWidthInTheTextsFirstColumnsCountingRoundingAndSign) {
  // The text keeps its length, blanks after the number; a short one is widened.
  const std::tuple<std::int32_t, std::int32_t, std::string> cases[] = {
      {-45, 5, "-45     "}, {0, 1, "0       "},          {9, 1, "9       "},          {10, 2, "10      "},
      {-10, 3, "-10     "}, {INT_MAX, 10, "2147483647"}, {INT_MIN, 11, "-2147483648"}};
  for (const auto& [value, maxchar, text] : cases) {
    Console c;
    std::string got = "abcdefgh";
    std::int32_t nchar = -1;
    intg2char(got, nchar, maxchar, value);
    EXPECT_EQ(std::pair(got, nchar), std::pair(text, static_cast<std::int32_t>(gral::trimmed(text).size())));
    EXPECT_EQ(c.text(), "");
  }
  const std::tuple<float, std::int32_t, std::int32_t, std::string> reals[] = {
      {-2.5f, 1, 10, "-2.5"},     {0.5f, 3, 10, "0.500"},     {-0.25f, 2, 10, "-0.25"},
      {0.0f, 2, 10, "0.00"},      {9.996f, 2, 10, "10.00"},   {9.99f, 2, 10, " 9.99"},
      {-9.99f, 2, 10, " -9.99"},  {123.456f, 3, 6, " 123.5"}, {100.0f, 0, 10, "100."},
      {-123.4f, 1, 10, "-123.4"}, {0.999f, 2, 10, "1.00"},    {28.35f, 2, 5, "28.35"},
      {1234.56f, 2, 6, " 1235."}, {-0.004f, 2, 10, "-0.00"}};
  for (const auto& [value, ndec, nmax, text] : reals) {
    SCOPED_TRACE(value);
    Console c;
    std::string got;
    std::int32_t nchar = -1;
    real2charf1(got, nchar, ndec, nmax, value);
    EXPECT_EQ(gral::head(got, nchar), text);
    EXPECT_EQ(got, text + std::string(static_cast<std::size_t>(nmax) - text.size(), ' '));  // blanks after
    EXPECT_EQ(c.text(), "");
  }
}

// What cannot be written is reported in an error frame: a number too long
// becomes "9"s over the width asked for, an invalid field "X"s over the whole
// text; the rest of the text stays as it was.
TEST(Conversions, WhatCannotBeWrittenIsFilledAndReported) {
  Console c("\n\n\n\n");
  std::string i = "abcdefgh", r = "abcdef", x = "abcdefgh", empty;
  std::int32_t ni = -1, nr = -1;
  intg2char(i, ni, 4, 123456);
  real2charf1(r, nr, 1, 4, 12345.6f);
  careafmpn(x, 5, 7, 1.0f);
  careafmpn(empty, 100, 2, 1.0f);  // an unusable width leaves nothing to fill
  EXPECT_EQ(std::tuple(i, ni, r, nr, x, empty), std::tuple("9999efgh", 4, "9999ef", 4, "XXXXXXXX", ""));
  const Lines invalid{" fm.n is not a valid format", "  ===> fill with X"};
  EXPECT_EQ(
      c.lines(),
      error_frame("    intg2char", nines(" Cannot write integer = " + right("123456", 20), 4)) +
          error_frame("  real2charf1", nines(" Cannot write real = " + right("12345.59961", 30), 4)) +
          error_frame("    careafmpn", Lines{" m = " + right("5", 10) + " n = " + right("7", 10)} + invalid) +
          error_frame("    careafmpn",
                      Lines{" m = " + right("100", 10) + " n = " + right("2", 10)} + invalid));
}

TEST(Real2charf1, NaNIsReportedThenWritten) {
  Console c("\n\n");
  std::string text;
  std::int32_t nchar = -1;
  // With fewer columns than the size first set, no decimals are left.
  for (const auto& [nmax, written] : {std::pair{10, "    NaN"}, std::pair{6, "   NaN"}}) {
    c.clear();
    real2charf1(text, nchar, 2, nmax, std::nanf(""));
    EXPECT_EQ(gral::head(text, nchar), written);
    EXPECT_EQ(c.lines(), error_frame("  real2charf1",
                                     {" Cannot get size of real = " + right("NaN", 30),
                                      " set n before = " + right("4", 20), " set nchar = " + right("7", 20),
                                      " Watch for NaN or +/-Inf in output ?"}));
  }
}
