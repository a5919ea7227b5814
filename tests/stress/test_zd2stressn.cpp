// Vertical stress and fluid pressure under the two layer tops.
#include <gtest/gtest.h>

#include <tuple>

#include "stress/zd2stressn.h"

namespace {

// Wet, dry and fluid densities (kg/m3) and gravity in MPa per kg/m2.
const float rw = 2530.0f, rd = 2430.0f, rf = 1000.0f, g = 9.81e-6f;

// Each value is worked out here in single precision, in the order of the
// model, and must come back bit for bit. No depth at all leaves the results
// as they were.
TEST(Zd2stressn, EveryIntervalOfBothLayerOrdersExactly) {
  // rock top, fluid top, depth, Sv, Pf, depths handed over
  const std::tuple<float, float, float, float, float, int> cases[] = {
      // Fluid top above the rock top: 100 m of water on the rock.
      {100.0f, 0.0f, -5.0f, 0.0f, 0.0f, 1},
      {100.0f, 0.0f, 50.0f, 50.0f * (g * rf), 50.0f * (g * rf), 1},
      {100.0f, 0.0f, 100.0f, 100.0f * (g * rf), 100.0f * (g * rf), 1},
      {100.0f, 0.0f, 1100.0f, g * (1000.0f * rw + 100.0f * rf), (g * rf) * 1100.0f, 1},
      // Equal tops: wet rock from the top down.
      {0.0f, 0.0f, 1000.0f, g * (1000.0f * rw + 0.0f * rf), (g * rf) * 1000.0f, 1},
      // Rock top above a water table at 100 m.
      {0.0f, 100.0f, 50.0f, 50.0f * (g * rd), 0.0f, 1},
      {0.0f, 100.0f, 100.0f, 100.0f * (g * rd), 0.0f, 1},
      {0.0f, 100.0f, 1100.0f, g * (1000.0f * rw + 100.0f * rd), (g * rf) * 1000.0f, 1},
      {0.0f, 0.0f, 1000.0f, -1.0f, -1.0f, 0},
  };
  for (const auto& [zrock, zfluid, z, want_sv, want_pf, n] : cases) {
    float sv = -1.0f, pf = -1.0f;
    std::int32_t ierr = 7;
    zd2stressn(&sv, &pf, ierr, &z, zrock, rw, rd, zfluid, rf, n);
    EXPECT_EQ(std::tuple(sv, pf, ierr), std::tuple(want_sv, want_pf, 0))
        << zrock << " " << zfluid << " " << z;
  }
}

}  // namespace
