// Angle constants and conversions, and the small matrix routines.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "gral/angles.h"
#include "gral/matrix.h"
#include "records/angles.h"
#include "support/expect.h"

using namespace testing_support;
using Floats = std::vector<float>;
using M22 = std::array<float, 4>;  // column by column: b11, b21, b12, b22

namespace {
std::uint32_t bits(float f) {
  return std::bit_cast<std::uint32_t>(f);
}
M22 m22(float b11, float b12, float b21, float b22) {
  return {b11, b21, b12, b22};
}
}  // namespace

TEST(Angles, TrigosetAnnouncesItselfAndSetsBitExactConstants) {
  anglerad = {}, angleradi = {}, anglerads = {};
  EXPECT_EQ(count(run_with("", trigoset).lines, " Initializing /anglerad/ block"), 1);
  // In each record's order: pi/4, pi/3, pi/2, 3pi/4, pi, 3pi/2, 2pi (then the degree factors).
  using Bits = std::array<std::uint32_t, 7>;
  using Bits9 = std::array<std::uint32_t, 9>;
  EXPECT_EQ(std::bit_cast<Bits9>(anglerad), (Bits9{0x3F490FDB, 0x3F860A92, 0x3FC90FDB, 0x4016CBE4, 0x40490FDB,
                                                   0x4096CBE4, 0x40C90FDB, 0x3C8EFA35, 0x42652EE0}));
  EXPECT_EQ(std::bit_cast<Bits>(angleradi),
            (Bits{0x3F490F33, 0x3F860A3E, 0x3FC90F87, 0x4016CBBA, 0x40490FB1, 0x4096CBCF, 0x40C90FC6}));
  EXPECT_EQ(std::bit_cast<Bits>(anglerads),
            (Bits{0x3F491083, 0x3F860AE6, 0x3FC9102F, 0x4016CC0E, 0x40491005, 0x4096CBF9, 0x40C90FF0}));
  EXPECT_EQ(Floats({deg(anglerad.RPI), rad(180.0f)}), Floats({180.0f, anglerad.RPI}));
}

// xy2t: the origin and the positive y axis give pi/2, the negative x axis
// +pi, whatever the signs of the zeros. moducr brings into a half-open
// period, in place.
TEST(Angles, Xy2tQuadrantsAndAxesAndModucrPeriod) {
  run_with("", trigoset).lines;
  const float pi = anglerad.RPI, pio2 = anglerad.RPIO2, q = std::atan(1.0f);
  const Floats x = {0, -0.0f, 0, 0, -0.0f, -1, -1, 1, 1, -1, -1, 2},
               y = {0, 0, 1, -1, -2, 0, -0.0f, 0, 1, 1, -1, -3};
  const Floats angle = {pio2, pio2, pio2, -pio2, -pio2, pi, pi, 0, q, pi - q, q - pi, std::atan(-1.5f)};
  Floats t(x.size(), 99.0f);
  xy2t(t.data(), x.data(), y.data(), static_cast<std::int32_t>(x.size()));
  for (std::size_t i = 0; i < x.size(); ++i) EXPECT_EQ(bits(t[i]), bits(angle[i])) << x[i] << ", " << y[i];
  // moducr: values already inside (-p/2, p/2] come back bit for bit.
  const float m = 179.99998f, tiny = std::bit_cast<float>(0x80000001u);
  Floats v = {180, -180, 360,    540, -540,  -190, 190, 725,    -360,
              720, -725, 359.5f, 0,   -0.0f, m,    -m,  1e-30f, tiny};
  const Floats reduced = {180, 180, 0,     180, 180,   170, -170, 5,      0,
                          0,   -5,  -0.5f, 0,   -0.0f, m,   -m,   1e-30f, tiny};
  moducr(v.data(), v.data(), 360.0f, static_cast<std::int32_t>(v.size()));
  for (std::size_t i = 0; i < v.size(); ++i) EXPECT_EQ(bits(v[i]), bits(reduced[i])) << "value " << i;
}

// The result may overwrite the matrix it inverts, or either factor of a
// product; a determinant that differs from zero only in the last bit still
// inverts.
TEST(Matrix, InverseDeterminantAndProductsAlsoInPlace) {
  const float up = std::bit_cast<float>(0x3F800001u), d = up - 1.0f;  // 1 + 2^-23
  for (auto [b, inverse, want] : {std::tuple{m22(2, 0, 0, 4), m22(0.5f, 0, 0, 0.25f), 8.0f},
                                  {m22(1, 2, 3, 4), m22(-2, 1, 1.5f, -0.5f), -2.0f},
                                  {m22(up, 1, 1, 1), m22(1 / d, -1 / d, -1 / d, up / d), d}}) {
    float det = 0.0f, *p = b.data();
    M22 a{};
    const Lines shown = run_with("", [&] {
                          m22determt(det, p);
                          m22invert(a.data(), p);
                          m22invert(p, p);
                        }).lines;
    EXPECT_EQ(shown, Lines{});
    EXPECT_EQ(std::tuple(det, a, b), std::tuple(want, inverse, inverse));
  }
  const Floats b = {1, 4, 2, 5, 3, 6}, c = {7, 9, 11, 8, 10, 12};  // [1 2 3; 4 5 6] and [7 8; 9 10; 11 12]
  Floats a(4, -1), w(2, -1), l = {1, 3, 2, 4}, r = {5, 7, 6, 8}, v = {5, 6};
  mnpxmpq(a.data(), b.data(), c.data(), 2, 3, 2);
  mnpxvp(w.data(), b.data(), c.data(), 2, 3);
  mnpxmpq(l.data(), l.data(), r.data(), 2, 2, 2);  // [1 2; 3 4] [5 6; 7 8]
  mnpxvp(v.data(), r.data(), v.data(), 2, 2);
  EXPECT_EQ(std::tuple(a, w, l, v),
            std::tuple(Floats{58, 139, 64, 154}, Floats{58, 139}, Floats{19, 43, 22, 50}, Floats{61, 83}));
}

// Declining to stop, the caller's result keeps what it held; by default the
// run ends with status 1.
TEST(Matrix, SingularMatrixIsReportedAndStopAnsweredBothWays) {
  const M22 b = m22(1, 2, 2, 4), before = m22(7, 8, 9, 10);
  const Lines report = {" det(B) =       0.000    ", " b(1,1) =        1.00     b(1,2) =        2.00    ",
                        " b(2,1) =        2.00     b(2,2) =        4.00    ", " => Cannot Invert B"};
  for (auto [answer, status] : {std::pair{"n\n\n", -1}, {"\n", 1}}) {
    M22 a = before;
    const Outcome r = run_with(answer, [&] { m22invert(a.data(), b.data()); });
    EXPECT_EQ(std::tuple(r.status, a, r.unread), std::tuple(status, before, ""));
    const std::string stars = rule('*'), empty = " ***" + std::string(44, ' ') + "***";
    EXPECT_TRUE(has_in_order(
        r.lines, {Lines{stars, stars, empty, " ***          subroutine   m22invert            ***", empty,
                        " ***                   ERROR                    ***", empty, stars, stars} +
                  report}));
  }
}

// Records start blank and zero; their matrices are stored column by column,
// as the matrix routines take them.
TEST(Records, StartBlankAndStoreMatricesColumnByColumn) {
  reset_records();
  EXPECT_EQ(std::tuple(plt1blk.USTOCM(2, 2, 40), pltcharblk.COLORNAM(0), runinfo3com.ROUTNAME(3)),
            std::tuple(0.0f, "        ", "           "));
  plt1blk.USTOCM(2, 1, 3) = 5.0f;
  EXPECT_EQ(plt1blk.USTOCM.layer(3)[1], 5.0f);
  reset_records();
}
