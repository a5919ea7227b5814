#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "gral/matrix.h"
#include "support/console.h"

using testing_support::Console;
using testing_support::run_status;

namespace {

using M22 = std::array<float, 4>;  // column by column: b11, b21, b12, b22

M22 m22(float b11, float b12, float b21, float b22) {
  return {b11, b21, b12, b22};
}

float from_bits(std::uint32_t u) {
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

}  // namespace

TEST(Matrix, InverseAndDeterminant) {
  struct {
    M22 b, inverse;
    float det;
  } const cases[] = {
      {m22(1, 0, 0, 1), m22(1, 0, 0, 1), 1.0f},
      {m22(2, 0, 0, 4), m22(0.5f, 0, 0, 0.25f), 8.0f},
      {m22(1, 2, 3, 4), m22(-2, 1, 1.5f, -0.5f), -2.0f},
  };
  for (const auto& c : cases) {
    Console con;
    float det = 0.0f;
    m22determt(det, c.b.data());
    EXPECT_EQ(det, c.det);

    M22 a{};
    m22invert(a.data(), c.b.data());
    EXPECT_EQ(a, c.inverse);
    // The result may overwrite the matrix it inverts.
    M22 same = c.b;
    m22invert(same.data(), same.data());
    EXPECT_EQ(same, c.inverse);
    EXPECT_TRUE(con.lines().empty());
  }
}

TEST(Matrix, ProductsDifferingInTheLastBitStillInvert) {
  Console con;
  const float one_up = from_bits(0x3F800001u);  // 1 + 2^-23
  M22 b = m22(one_up, 1, 1, 1);
  float det = 0.0f;
  m22determt(det, b.data());
  ASSERT_EQ(det, one_up - 1.0f);
  M22 a{};
  m22invert(a.data(), b.data());
  EXPECT_EQ(a, m22(1 / det, -1 / det, -1 / det, one_up / det));
  EXPECT_TRUE(con.lines().empty());
}

TEST(Matrix, ZeroDeterminantIsReportedAndLeavesTheResultAlone) {
  const M22 b = m22(1, 2, 2, 4);
  const M22 before = m22(7, 8, 9, 10);
  // Declining to stop: the STOP question, then the pause of the closing rule.
  Console con("n\n\n");
  M22 a = before;
  EXPECT_EQ(run_status([&] { m22invert(a.data(), b.data()); }), -1);
  EXPECT_EQ(a, before);

  std::vector<std::string> out = con.lines();
  ASSERT_GE(out.size(), 13u);
  EXPECT_EQ(out[3], " ***          subroutine   m22invert            ***");
  EXPECT_EQ(out[9], " det(B) =       0.000    ");
  EXPECT_EQ(out[10], " b(1,1) =        1.00     b(1,2) =        2.00    ");
  EXPECT_EQ(out[11], " b(2,1) =        2.00     b(2,2) =        4.00    ");
  EXPECT_EQ(out[12], " => Cannot Invert B");
  ASSERT_GE(out.size(), 14u) << "the error ending follows the report";
  EXPECT_EQ(out.back(), " " + std::string(50, '*'));
}

TEST(Matrix, ZeroDeterminantStopsTheRunByDefault) {
  Console con("\n\n");
  M22 b = m22(0, 0, 0, 0);
  M22 a{};
  EXPECT_NE(run_status([&] { m22invert(a.data(), b.data()); }), -1);
}

TEST(Matrix, GeneralProducts) {
  // 2 x 3 times 3 x 2, column by column.
  const std::vector<float> b = {1, 4, 2, 5, 3, 6};     // [1 2 3; 4 5 6]
  const std::vector<float> c = {7, 9, 11, 8, 10, 12};  // [7 8; 9 10; 11 12]
  std::vector<float> a(4, -1.0f);
  mnpxmpq(a.data(), b.data(), c.data(), 2, 3, 2);
  EXPECT_EQ(a, (std::vector<float>{58, 139, 64, 154}));

  // The result may overwrite either factor.
  std::vector<float> left = {1, 3, 2, 4};   // [1 2; 3 4]
  std::vector<float> right = {5, 7, 6, 8};  // [5 6; 7 8]
  const std::vector<float> product = {19, 43, 22, 50};
  std::vector<float> l = left;
  mnpxmpq(l.data(), l.data(), right.data(), 2, 2, 2);
  EXPECT_EQ(l, product);
  std::vector<float> r = right;
  mnpxmpq(r.data(), left.data(), r.data(), 2, 2, 2);
  EXPECT_EQ(r, product);

  // No inner dimension: zeros. No rows or no columns: nothing written.
  std::vector<float> z(4, -1.0f);
  mnpxmpq(z.data(), left.data(), right.data(), 2, 0, 2);
  EXPECT_EQ(z, std::vector<float>(4, 0.0f));
  std::vector<float> untouched(4, -1.0f);
  mnpxmpq(untouched.data(), left.data(), right.data(), 0, 2, 2);
  mnpxmpq(untouched.data(), left.data(), right.data(), 2, 2, 0);
  mnpxvp(untouched.data(), left.data(), right.data(), 0, 2);
  EXPECT_EQ(untouched, std::vector<float>(4, -1.0f));

  // Matrix times vector, written over the vector.
  std::vector<float> v = {5, 6};
  mnpxvp(v.data(), left.data(), v.data(), 2, 2);
  EXPECT_EQ(v, (std::vector<float>{17, 39}));
  std::vector<float> w(2, -1.0f);
  mnpxvp(w.data(), b.data(), c.data(), 2, 3);
  EXPECT_EQ(w, (std::vector<float>{58, 139}));
}
