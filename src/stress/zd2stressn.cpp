#include "stress/zd2stressn.h"

void zd2stressn(float* sv, float* pf, std::int32_t& ierr, const float* z, float zrock, float rhowet,
                float rhodry, float zfluid, float rhof, std::int32_t n) {
  // Gravity times 1e-6 MPa per Pa: density x g x thickness is in MPa.
  const float g = 9.81e-6f;
  if (zrock >= zfluid) {
    // Fluid top above (or at) the rock top: a fluid column, then wet rock.
    for (std::int32_t i = 0; i < n; ++i) {
      const float zi = z[i];
      if (zi <= zfluid) {
        sv[i] = 0.0f;
        pf[i] = 0.0f;
      } else if (zi <= zrock) {
        pf[i] = (zi - zfluid) * (g * rhof);
        sv[i] = pf[i];
      } else {
        sv[i] = g * ((zi - zrock) * rhowet + (zrock - zfluid) * rhof);
        pf[i] = (g * rhof) * (zi - zfluid);
      }
    }
  } else {
    // Rock top above the fluid top: dry rock down to the water table.
    for (std::int32_t i = 0; i < n; ++i) {
      const float zi = z[i];
      if (zi <= zrock) {
        sv[i] = 0.0f;
        pf[i] = 0.0f;
      } else if (zi <= zfluid) {
        sv[i] = (zi - zrock) * (g * rhodry);
        pf[i] = 0.0f;
      } else {
        sv[i] = g * ((zi - zfluid) * rhowet + (zfluid - zrock) * rhodry);
        pf[i] = (g * rhof) * (zi - zfluid);
      }
    }
  }
  ierr = 0;
}
