#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "gral/text.h"
#include "support/console.h"

using testing_support::Console;
using Lines = std::vector<std::string>;

namespace {

const std::string kStarRule = " " + std::string(50, '*');

Lines error_frame(const std::string& name13, const Lines& body) {
  const std::string empty = " ***" + std::string(44, ' ') + "***";
  Lines out = {kStarRule, kStarRule,
               empty,     " ***          subroutine " + name13 + "          ***",
               empty,     " ***" + std::string(19, ' ') + "ERROR " + std::string(19, ' ') + "***",
               empty,     kStarRule,
               kStarRule};
  out.insert(out.end(), body.begin(), body.end());
  out.push_back(" ===> HIT RETURN TO CONTINUE");
  out.push_back(kStarRule);
  return out;
}

std::string pad(const std::string& s, std::size_t w) {
  return std::string(w - s.size(), ' ') + s;
}

Lines nines_body(const std::string& first, int width) {
  return {first, " with only  " + pad(std::to_string(width), 20) + " digits",
          " ==> NEED LONGER CHARACTER STRING",
          " ==> fill with 9 and set nchar = " + pad(std::to_string(width), 20)};
}

}  // namespace

TEST(Text, TextlenAndIntegLen) {
  const std::vector<std::tuple<std::string, int, int>> texts = {
      {"  xy  ", 3, 4}, {"xyz", 1, 3}, {"      ", 6, 6}, {"", 1, 0}, {"x", 1, 1}};
  for (const auto& [t, f, l] : texts) {
    std::int32_t first = -1, last = -1;
    textlen(first, last, t);
    EXPECT_EQ(first, f) << '"' << t << '"';
    EXPECT_EQ(last, l) << '"' << t << '"';
  }
  const std::vector<std::pair<std::int32_t, int>> ints = {
      {0, 1}, {9, 1}, {10, 2}, {999999, 6}, {1000000, 7}, {-1, 2}, {-10, 3}, {INT_MIN, 11}, {INT_MAX, 10}};
  for (const auto& [n, len] : ints) {
    std::int32_t got = -1;
    integlen(got, n);
    EXPECT_EQ(got, len) << n;
  }
}

TEST(Text, Path2basename) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a/b/c.txt", "c.txt"}, {"c.txt", "c.txt"}, {"/x", "x"}, {"dir/sub/", "sub/"}, {"/", "/"},
      {"  a/bc  ", "bc"},     {"    ", " "},      {" q ", "q"}};
  for (const auto& [path, base] : cases) {
    std::string got;
    std::int32_t len = -1;
    path2basename(len, got, path);
    EXPECT_EQ(got, base) << path;
    EXPECT_EQ(len, static_cast<std::int32_t>(base.size())) << path;
  }
  // Into a sized text: blanks after the name, cut when it is too long.
  std::string sized(8, '#');
  std::int32_t len = 0;
  path2basename(len, sized, "a/b/c.txt");
  EXPECT_EQ(sized, "c.txt   ");
  std::string narrow(3, '#');
  path2basename(len, narrow, "a/b/c.txt");
  EXPECT_EQ(narrow, "c.t");
  EXPECT_EQ(len, 5);
}

TEST(Intg2char, FitsInItsOwnWidth) {
  struct Case {
    std::int32_t value, maxchar;
    std::string start, text;
  };
  const std::vector<Case> cases = {
      {-45, 5, "", "-45  "},     {-45, 5, "abcdefgh", "-45     "},
      {999999, 6, "", "999999"}, {INT_MIN, 11, "", "-2147483648"},
      {0, 1, "", "0"},
  };
  for (const auto& k : cases) {
    Console c;
    std::string text = k.start;
    std::int32_t nchar = -1;
    intg2char(text, nchar, k.maxchar, k.value);
    EXPECT_EQ(text, k.text);
    EXPECT_EQ(nchar, static_cast<std::int32_t>(gral::trimmed(k.text).size()));
    EXPECT_EQ(c.text(), "");
  }
}

TEST(Intg2char, TooLongFillsWithNines) {
  Console c("\n");
  std::string text = "abcdefgh";
  std::int32_t nchar = -1;
  intg2char(text, nchar, 4, 123456);
  EXPECT_EQ(text, "9999efgh");
  EXPECT_EQ(nchar, 4);
  EXPECT_EQ(c.lines(),
            error_frame("    intg2char", nines_body(" Cannot write integer = " + pad("123456", 20), 4)));
}

TEST(Real2charf1, SmallestWidth) {
  struct Case {
    float value;
    std::int32_t ndec, nmax;
    std::string text;
  };
  const std::vector<Case> cases = {
      {3.14159f, 2, 10, "3.14"}, {-2.5f, 1, 10, "-2.5"},     {0.5f, 3, 10, "0.500"},
      {-0.25f, 2, 10, "-0.25"},  {0.0f, 2, 10, "0.00"},      {9.996f, 2, 10, "10.00"},
      {9.99f, 2, 10, " 9.99"},   {-9.99f, 2, 10, " -9.99"},  {123.456f, 3, 6, " 123.5"},
      {100.0f, 0, 10, "100."},   {-123.4f, 1, 10, "-123.4"}, {0.999f, 2, 10, "1.00"},
      {28.35f, 2, 5, "28.35"},   {1234.56f, 2, 6, " 1235."}, {-0.004f, 2, 10, "-0.00"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.value);
    Console c;
    std::string text;
    std::int32_t nchar = -1;
    real2charf1(text, nchar, k.ndec, k.nmax, k.value);
    EXPECT_EQ(nchar, static_cast<std::int32_t>(k.text.size()));
    EXPECT_EQ(gral::head(text, nchar), k.text);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(k.nmax));
    EXPECT_EQ(c.text(), "");
  }
}

TEST(Real2charf1, IntegerPartTooWideFillsWithNines) {
  Console c("\n");
  std::string text = "abcdef";
  std::int32_t nchar = -1;
  real2charf1(text, nchar, 1, 4, 12345.6f);
  EXPECT_EQ(text, "9999ef");
  EXPECT_EQ(nchar, 4);
  EXPECT_EQ(c.lines(),
            error_frame("  real2charf1", nines_body(" Cannot write real = " + pad("12345.59961", 30), 4)));
}

TEST(Real2charf1, NotFiniteIsReportedThenWritten) {
  struct Case {
    float value;
    std::int32_t nmax;
    std::string shown, text;
  };
  const float inf = INFINITY;
  const std::vector<Case> cases = {
      {std::nanf(""), 10, "NaN", "    NaN"},
      {inf, 10, "Infinity", "    Inf"},
      {-inf, 10, "-Infinity", "   -Inf"},
      {std::nanf(""), 6, "NaN", "   NaN"},  // cut to nmax: no decimals left
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.shown);
    Console c("\n");
    std::string text;
    std::int32_t nchar = -1;
    real2charf1(text, nchar, 2, k.nmax, k.value);
    EXPECT_EQ(nchar, static_cast<std::int32_t>(k.text.size()));
    EXPECT_EQ(gral::head(text, nchar), k.text);
    EXPECT_EQ(c.lines(),
              error_frame("  real2charf1", {" Cannot get size of real = " + pad(k.shown, 30),
                                            " set n before = " + pad("4", 20), " set nchar = " + pad("7", 20),
                                            " Watch for NaN or +/-Inf in output ?"}));
  }
}

TEST(Careafmpn, FieldChosenAtRunTime) {
  Console c("\n\n");
  std::string text;
  careafmpn(text, 12, 10, 1.5f);
  EXPECT_EQ(text, "1.5000000000");
  text = "abcdefgh";
  careafmpn(text, 5, 1, -2.25f);
  EXPECT_EQ(text, " -2.2   ");
  EXPECT_EQ(c.text(), "");

  // An invalid field is reported and the whole text becomes "X".
  careafmpn(text, 5, 7, 1.0f);
  EXPECT_EQ(text, "XXXXXXXX");
  const Lines bad = error_frame("    careafmpn", {" m = " + pad("5", 10) + " n = " + pad("7", 10),
                                                  " fm.n is not a valid format", "  ===> fill with X"});
  EXPECT_EQ(c.lines(), bad);
  c.clear();
  std::string empty;
  careafmpn(empty, 100, 2, 1.0f);
  EXPECT_EQ(empty, "");
}
