#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "gral/angles.h"
#include "records/angles.h"
#include "support/console.h"

using testing_support::Console;

namespace {

std::uint32_t bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

float from_bits(std::uint32_t u) {
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

// trigoset run once with its announcement captured.
std::vector<std::string> set_angles() {
  Console c;
  trigoset();
  return c.lines();
}

}  // namespace

TEST(Angles, TrigosetAnnouncesItselfAtEveryCall) {
  for (int call = 0; call < 2; ++call) {
    std::vector<std::string> out = set_angles();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], " " + std::string(50, '@'));
    EXPECT_EQ(out[1], " @ subroutine trigoset" + std::string(14, ' ') + "v8.0 2017-03-10");
    EXPECT_EQ(out[3], " Initializing /anglerad/ block");
  }
}

TEST(Angles, ConstantsAreBitExact) {
  anglerad = AngleRad{};
  angleradi = AngleRadI{};
  anglerads = AngleRadS{};
  set_angles();
  set_angles();  // a second call stores the same values
  struct {
    const char* name;
    float value;
    std::uint32_t expected;
  } const cases[] = {
      {"RPIO4", anglerad.RPIO4, 0x3F490FDB},       {"RPIO3", anglerad.RPIO3, 0x3F860A92},
      {"RPIO2", anglerad.RPIO2, 0x3FC90FDB},       {"R3PIO4", anglerad.R3PIO4, 0x4016CBE4},
      {"RPI", anglerad.RPI, 0x40490FDB},           {"R3PIO2", anglerad.R3PIO2, 0x4096CBE4},
      {"R2PI", anglerad.R2PI, 0x40C90FDB},         {"DEGTORAD", anglerad.DEGTORAD, 0x3C8EFA35},
      {"RADTODEG", anglerad.RADTODEG, 0x42652EE0}, {"RPIO4M", angleradi.RPIO4M, 0x3F490F33},
      {"RPIO3M", angleradi.RPIO3M, 0x3F860A3E},    {"RPIO2M", angleradi.RPIO2M, 0x3FC90F87},
      {"R3PIO4M", angleradi.R3PIO4M, 0x4016CBBA},  {"RPIM", angleradi.RPIM, 0x40490FB1},
      {"R3PIO2M", angleradi.R3PIO2M, 0x4096CBCF},  {"R2PIM", angleradi.R2PIM, 0x40C90FC6},
      {"RPIO4P", anglerads.RPIO4P, 0x3F491083},    {"RPIO3P", anglerads.RPIO3P, 0x3F860AE6},
      {"RPIO2P", anglerads.RPIO2P, 0x3FC9102F},    {"R3PIO4P", anglerads.R3PIO4P, 0x4016CC0E},
      {"RPIP", anglerads.RPIP, 0x40491005},        {"R3PIO2P", anglerads.R3PIO2P, 0x4096CBF9},
      {"R2PIP", anglerads.R2PIP, 0x40C90FF0},
  };
  for (const auto& c : cases) EXPECT_EQ(bits(c.value), c.expected) << c.name;
}

TEST(Angles, DegreesAndRadians) {
  set_angles();
  EXPECT_EQ(deg(anglerad.RPI), 180.0f);
  EXPECT_EQ(rad(180.0f), anglerad.RPI);
  EXPECT_EQ(bits(rad(1.0f)), 0x3C8EFA35u);
  // Output and input may be one variable.
  float v = 90.0f;
  deg2rad1(v, v);
  EXPECT_EQ(v, 90.0f * anglerad.DEGTORAD);
  rad2deg1(v, v);
  EXPECT_EQ(v, 90.0f * anglerad.DEGTORAD * anglerad.RADTODEG);
}

TEST(Angles, Xy2tQuadrantsAndAxes) {
  set_angles();
  const float pi = anglerad.RPI;
  const float pio2 = anglerad.RPIO2;
  struct {
    float x, y, t;
  } const cases[] = {
      {0.0f, 0.0f, pio2},  // the origin
      {-0.0f, 0.0f, pio2},
      {0.0f, 1.0f, pio2},
      {0.0f, -1.0f, -pio2},
      {-0.0f, -2.0f, -pio2},
      {-1.0f, 0.0f, pi},  // the negative x axis is +pi, never -pi
      {-1.0f, -0.0f, pi},
      {1.0f, 0.0f, 0.0f},
      {1.0f, 1.0f, std::atan(1.0f)},
      {-1.0f, 1.0f, std::atan(-1.0f) + pi},
      {-1.0f, -1.0f, std::atan(1.0f) - pi},
      {2.0f, -3.0f, std::atan(-1.5f)},
  };
  std::vector<float> x, y;
  for (const auto& c : cases) {
    x.push_back(c.x);
    y.push_back(c.y);
  }
  std::vector<float> t(x.size(), 99.0f);
  xy2t(t.data(), x.data(), y.data(), static_cast<std::int32_t>(x.size()));
  for (std::size_t i = 0; i < x.size(); ++i) {
    EXPECT_EQ(bits(t[i]), bits(cases[i].t)) << "(" << cases[i].x << ", " << cases[i].y << ")";
  }
  EXPECT_NEAR(t[10], -2.3561945f, 1e-6f);

  float untouched = 99.0f;
  xy2t(&untouched, x.data(), y.data(), 0);
  EXPECT_EQ(untouched, 99.0f);
}

TEST(Angles, ModucrBringsIntoHalfOpenPeriod) {
  struct {
    float in, out;
  } const cases[] = {
      {180.0f, 180.0f},  {-180.0f, 180.0f}, {360.0f, 0.0f},    {540.0f, 180.0f},
      {-540.0f, 180.0f}, {-190.0f, 170.0f}, {190.0f, -170.0f}, {725.0f, 5.0f},
      {-360.0f, 0.0f},   {720.0f, 0.0f},    {-725.0f, -5.0f},  {359.5f, -0.5f},
  };
  std::vector<float> v;
  for (const auto& c : cases) v.push_back(c.in);
  // Written over its own input.
  moducr(v.data(), v.data(), 360.0f, static_cast<std::int32_t>(v.size()));
  for (std::size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i], cases[i].out) << "in " << cases[i].in;

  // Values already inside come back bit for bit.
  const std::vector<float> inside = {0.0f, -0.0f, 179.99998f, -179.99998f, 1e-30f, from_bits(0x80000001u)};
  std::vector<float> out(inside.size());
  moducr(out.data(), inside.data(), 360.0f, static_cast<std::int32_t>(inside.size()));
  for (std::size_t i = 0; i < inside.size(); ++i) EXPECT_EQ(bits(out[i]), bits(inside[i]));
}
