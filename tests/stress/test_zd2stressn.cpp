// Vertical stress and fluid pressure under the two layer tops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stress/zd2stressn.h"

namespace {

constexpr float g = 9.81e-6f;

struct Profile {
  std::string name;
  float zrock, zfluid;
  float z, sv, pf;
};

TEST(Zd2stressn, ProfilesOfBothLayerOrders) {
  const float wet = 2530.0f, dry = 2430.0f, rhof = 1000.0f;
  const std::vector<Profile> cases = {
      {"start-up values", 0.0f, 0.0f, 1000.0f, 24.8193f, 9.81f},
      {"equal tops", 0.0f, 0.0f, 10.0f, g * 10.0f * wet, g * 10.0f * rhof},
      {"in a water column", 100.0f, 0.0f, 50.0f, 0.4905f, 0.4905f},
      {"at the foot of the water column", 100.0f, 0.0f, 100.0f, 0.981f, 0.981f},
      {"below a water column", 100.0f, 0.0f, 1100.0f, g * (1000.0f * wet + 100.0f * rhof),
       g * rhof * 1100.0f},
      {"in dry rock", 0.0f, 100.0f, 50.0f, g * 50.0f * dry, 0.0f},
      {"at the water table", 0.0f, 100.0f, 100.0f, g * 100.0f * dry, 0.0f},
      {"below a water table", 0.0f, 100.0f, 1100.0f, g * (1000.0f * wet + 100.0f * dry), g * rhof * 1000.0f},
      {"at the upper top", 0.0f, 100.0f, 0.0f, 0.0f, 0.0f},
      {"above the upper top", 50.0f, 20.0f, -10.0f, 0.0f, 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    float sv = -1.0f, pf = -1.0f;
    std::int32_t ierr = 7;
    zd2stressn(&sv, &pf, ierr, &c.z, c.zrock, wet, dry, c.zfluid, rhof, 1);
    EXPECT_NEAR(sv, c.sv, 1e-5f * (1.0f + c.sv));
    EXPECT_NEAR(pf, c.pf, 1e-5f * (1.0f + c.pf));
    EXPECT_EQ(ierr, 0);
  }
}

TEST(Zd2stressn, EachDepthItsOwnResultAndNoDepthsTouchesNothing) {
  const float z[3] = {0.0f, 100.0f, 1100.0f};
  float sv[3] = {-1, -1, -1}, pf[3] = {-1, -1, -1};
  std::int32_t ierr = 7;
  zd2stressn(sv, pf, ierr, z, 0.0f, 2530.0f, 2430.0f, 100.0f, 1000.0f, 0);
  EXPECT_EQ(sv[0], -1.0f);
  EXPECT_EQ(pf[0], -1.0f);
  EXPECT_EQ(ierr, 0);
  zd2stressn(sv, pf, ierr, z, 0.0f, 2530.0f, 2430.0f, 100.0f, 1000.0f, 3);
  EXPECT_EQ(sv[0], 0.0f);
  EXPECT_NEAR(sv[1], g * 100.0f * 2430.0f, 1e-5f);
  EXPECT_NEAR(pf[2], g * 1000.0f * 1000.0f, 1e-5f);
}

}  // namespace
