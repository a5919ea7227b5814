#include "gral/angles.h"

#include <cmath>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "records/angles.h"
#include "records/sio.h"

namespace {
constexpr Stamp kTrigoset{"trigoset   ", " 8.0", "2017-03-10"};
}  // namespace

void trigoset() {
  submenuhead(kTrigoset);
  gral::say("Initializing /anglerad/ block");

  AngleRad& a = anglerad;
  // pi/2 is the one constant written down; pi and the rest follow from it so
  // that all of them share its rounding.
  a.RPIO2 = 1.5707964f;
  a.RPI = 2.0f * a.RPIO2;
  a.RPIO3 = a.RPI / 3.0f;
  a.RPIO4 = 0.25f * a.RPI;
  // 3 x pi is rounded before it is scaled.
  const float three_pi = 3.0f * a.RPI;
  a.R3PIO4 = 0.25f * three_pi;
  a.R3PIO2 = 0.5f * three_pi;
  a.R2PI = 2.0f * a.RPI;

  const float eps = 1e-5f;
  angleradi = AngleRadI{a.RPIO4 - eps, a.RPIO3 - eps,  a.RPIO2 - eps, a.R3PIO4 - eps,
                        a.RPI - eps,   a.R3PIO2 - eps, a.R2PI - eps};
  anglerads = AngleRadS{a.RPIO4 + eps, a.RPIO3 + eps,  a.RPIO2 + eps, a.R3PIO4 + eps,
                        a.RPI + eps,   a.R3PIO2 + eps, a.R2PI + eps};

  a.DEGTORAD = a.RPI / 180.0f;
  a.RADTODEG = 180.0f / a.RPI;
}

float deg(float x) {
  return x * anglerad.RADTODEG;
}

float rad(float x) {
  return x * anglerad.DEGTORAD;
}

void deg2rad1(float& out, float in) {
  out = in * anglerad.DEGTORAD;
}

void rad2deg1(float& out, float in) {
  out = in * anglerad.RADTODEG;
}

void xy2t(float* t, const float* x, const float* y, std::int32_t n) {
  for (std::int32_t i = 0; i < n; ++i) {
    const float xi = x[i];
    const float yi = y[i];
    // The order of the tests settles the axes: the origin and the positive y
    // axis give pi/2, the negative x axis gives +pi.
    if (xi > 0.0f) {
      t[i] = std::atan(yi / xi);
    } else if (xi == 0.0f) {
      t[i] = yi >= 0.0f ? anglerad.RPIO2 : -anglerad.RPIO2;
    } else if (yi >= 0.0f) {
      t[i] = std::atan(yi / xi) + anglerad.RPI;
    } else {
      t[i] = std::atan(yi / xi) - anglerad.RPI;
    }
  }
}

void moducr(float* out, const float* in, float p, std::int32_t n) {
  const float h = 0.5f * p;
  for (std::int32_t i = 0; i < n; ++i) {
    const float v = in[i];
    if (v > -h && v <= h) {
      out[i] = v;
      continue;
    }
    float r;
    if (v > p) {
      const float whole = std::trunc(v / p) * p;
      r = v - whole;
    } else if (v >= 0.0f) {
      r = v;
    } else {
      const float whole = std::trunc(v / p) * p;
      r = v - whole;
      if (r != 0.0f) r = r + p;
    }
    if (r > h) r = r - p;
    out[i] = r;
  }
}
