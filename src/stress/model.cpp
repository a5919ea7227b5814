#include "stress/model.h"

#include <cmath>
#include <cstdint>

#include "gral/angles.h"
#include "records/angles.h"
#include "stress/zd2stressn.h"

namespace {

// K = S1e/S3e at the frictional limit: tan^2(phi/2 + pi/4).
void set_k13(VarnholtState& s) {
  const float t = std::tan(0.5f * s.PHI0R + anglerad.RPIO4);
  s.XK13 = t * t;
}

}  // namespace

void profile_at_z(VarnholtState& s) {
  std::int32_t ierr = 0;
  s.YP01(1) = s.Z;
  zd2stressn(s.SV01.data(), s.PF01.data(), ierr, s.YP01.data(), s.ZROCK, s.RHOWET, s.RHODRY, s.ZFLUID, s.RHOF,
             1);
  s.SV = s.SV01(1);
  s.PF = s.PF01(1);
}

void friction_from_angle(VarnholtState& s) {
  deg2rad1(s.PHI0R, s.PHI0);
  s.XMU = std::tan(s.PHI0R);
  set_k13(s);
}

void friction_from_coefficient(VarnholtState& s) {
  s.PHI0R = std::atan(s.XMU);
  rad2deg1(s.PHI0, s.PHI0R);
  set_k13(s);
}
