// Vertical stress and fluid pressure under the two layer tops.
#include <gtest/gtest.h>

#include "stress/zd2stressn.h"

namespace {

struct Profile {
  float zrock, zfluid;
  float sv[4], pf[4];  // at the depths below
};

TEST(Zd2stressn, ProfilesUnderBothLayerOrders) {
  // Wet, dry and fluid densities 2530, 2430 and 1000 kg/m3.
  const float z[4] = {0.0f, 50.0f, 100.0f, 1100.0f};
  const Profile cases[] = {
      {0.0f, 0.0f, {0.0f, 1.240965f, 2.48193f, 27.30123f}, {0.0f, 0.4905f, 0.981f, 10.791f}},
      {100.0f, 0.0f, {0.0f, 0.4905f, 0.981f, 25.8003f}, {0.0f, 0.4905f, 0.981f, 10.791f}},  // water column
      {0.0f, 100.0f, {0.0f, 1.191915f, 2.38383f, 27.20313f}, {0.0f, 0.0f, 0.0f, 9.81f}},    // water table
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zfluid);
    float sv[4] = {-1, -1, -1, -1}, pf[4] = {-1, -1, -1, -1};
    std::int32_t ierr = 7;
    zd2stressn(sv, pf, ierr, z, c.zrock, 2530.0f, 2430.0f, c.zfluid, 1000.0f, 4);
    EXPECT_EQ(ierr, 0);
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(sv[i], c.sv[i], 1e-5f * (1.0f + c.sv[i])) << z[i];
      EXPECT_NEAR(pf[i], c.pf[i], 1e-5f * (1.0f + c.pf[i])) << z[i];
    }
  }
}

}  // namespace
