// Vertical stress and fluid pressure under the two layer tops.
#include <gtest/gtest.h>

#include <tuple>

#include "stress/zd2stressn.h"

namespace {

// Wet, dry and fluid densities (kg/m3) and gravity in MPa per kg/m2.
const float rw = 2530.0f, rd = 2430.0f, rf = 1000.0f, g = 9.81e-6f;

// Each value is worked out here in single precision, in the order of the
// model, and must come back bit for bit.
TEST(Zd2stressn, EveryIntervalOfBothLayerOrdersExactly) {
  struct Case {
    float zrock, zfluid, z, sv, pf;
  };
  const Case cases[] = {
      // Fluid top above the rock top: 100 m of water on the rock.
      {100.0f, 0.0f, -5.0f, 0.0f, 0.0f},
      {100.0f, 0.0f, 0.0f, 0.0f, 0.0f},
      {100.0f, 0.0f, 50.0f, 50.0f * (g * rf), 50.0f * (g * rf)},
      {100.0f, 0.0f, 100.0f, 100.0f * (g * rf), 100.0f * (g * rf)},
      {100.0f, 0.0f, 1100.0f, g * (1000.0f * rw + 100.0f * rf), (g * rf) * 1100.0f},
      // Equal tops: wet rock from the top down.
      {0.0f, 0.0f, 1000.0f, g * (1000.0f * rw + 0.0f * rf), (g * rf) * 1000.0f},
      // Rock top above a water table at 100 m.
      {0.0f, 100.0f, 0.0f, 0.0f, 0.0f},
      {0.0f, 100.0f, 50.0f, 50.0f * (g * rd), 0.0f},
      {0.0f, 100.0f, 100.0f, 100.0f * (g * rd), 0.0f},
      {0.0f, 100.0f, 1100.0f, g * (1000.0f * rw + 100.0f * rd), (g * rf) * 1000.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zrock << " " << c.zfluid << " " << c.z);
    float sv = -1.0f, pf = -1.0f;
    std::int32_t ierr = 7;
    zd2stressn(&sv, &pf, ierr, &c.z, c.zrock, rw, rd, c.zfluid, rf, 1);
    EXPECT_EQ(std::make_tuple(sv, pf, ierr), std::make_tuple(c.sv, c.pf, 0));
  }
  // No depth at all: the results stay as they were.
  float sv = -1.0f, pf = -1.0f, z = 1000.0f;
  std::int32_t ierr = 7;
  zd2stressn(&sv, &pf, ierr, &z, 0.0f, rw, rd, 0.0f, rf, 0);
  EXPECT_EQ(std::make_tuple(sv, pf, ierr), std::make_tuple(-1.0f, -1.0f, 0));
}

}  // namespace
