#include "stress/limits.h"

#include <cmath>

FrictionalLimits frictional_limits(float sv, float pf, float k, bool total) {
  // In effective stress every stress is less Pf.
  const float s = total ? sv : sv - pf;
  return {s, shmin_limit(sv, pf, k, total), shmax_limit(sv, pf, k, total)};
}

std::array<Triangle, 3> regime_triangles(const FrictionalLimits& f) {
  const float s = f.s, lo = f.lo, hi = f.hi;
  return {{
      {{lo, lo, s, lo}, {lo, s, s, lo}, 16},  // azure: Shmin <= Shmax <= Sv
      {{lo, s, s, lo}, {s, hi, s, s}, 3},     // green: Shmin <= Sv <= Shmax
      {{s, hi, s, s}, {hi, hi, s, hi}, 13},   // orange: Sv <= Shmin <= Shmax
  }};
}

void regime_outline(const FrictionalLimits& f, float* x, float* y) {
  const float px[5] = {f.lo, f.lo, f.s, f.hi, f.lo};
  const float py[5] = {f.lo, f.s, f.hi, f.hi, f.lo};
  for (int i = 0; i < 5; ++i) {
    x[i] = px[i];
    y[i] = py[i];
  }
}

Segment breakout_line(float c0, float pf, bool total, float xa, float xb) {
  const float a = total ? (c0 + 2.0f * pf) / 3.0f : c0 / 3.0f;
  return {xa, xa / 3.0f + a, xb, xb / 3.0f + a};
}

Segment fracture_line(float t0, float pf, bool total, float xa, float xb, float ya, float yb) {
  const float a = total ? t0 - 2.0f * pf : t0;
  Segment l{xa, 0.0f, xb, 0.0f};
  l.y1 = 3.0f * l.x1 + a;
  if (ya > l.y1) {
    l.y1 = ya;
    l.x1 = (ya - a) / 3.0f;
  }
  l.y2 = 3.0f * l.x2 + a;
  if (l.y2 > yb) {
    l.y2 = yb;
    l.x2 = (yb - a) / 3.0f;
  }
  return l;
}

std::array<float, 3> profile_depths(float zrock, float zfluid, float ya) {
  if (zrock >= zfluid) return {zfluid, zrock, ya};
  return {zrock, zfluid, ya};
}

float shmax_limit(float sv, float pf, float k, bool total) {
  if (total) return k * sv - (k - 1.0f) * pf;
  return (sv - pf) * k;
}

float shmin_limit(float sv, float pf, float k, bool total) {
  if (total) return ((k - 1.0f) / k) * pf + sv / k;
  return (sv - pf) / k;
}

bool usable_friction_factor(float k) {
  return std::isfinite(k) && k > 0.0f;
}
