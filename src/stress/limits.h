// Stress limits: the frictional limits of Shmin and Shmax, the breakout and
// the tensile-fracture limit lines, in total or in effective stress. Pure
// single-precision arithmetic in the order the formulas are written; the
// plots only hand the results to the plot library.
#pragma once

#include <array>

// The vertical stress as plotted (s) and the frictional limits of Shmin (lo)
// and Shmax (hi) for the friction factor k.
struct FrictionalLimits {
  float s, lo, hi;
};
FrictionalLimits frictional_limits(float sv, float pf, float k, bool total);

// A polygon of the stress polygon, in (Shmin, Shmax), closed on its first
// vertex.
struct Triangle {
  std::array<float, 4> x, y;
  int colour;  // index of its fill colour in the colour table
};
// The three regime triangles, in their drawing order: Shmin <= Shmax <= Sv,
// Shmin <= Sv <= Shmax, Sv <= Shmin <= Shmax.
std::array<Triangle, 3> regime_triangles(const FrictionalLimits& f);
// The outline of all three: five points, the last repeating the first.
void regime_outline(const FrictionalLimits& f, float* x, float* y);

// A straight line from (x1, y1) to (x2, y2).
struct Segment {
  float x1, y1, x2, y2;
};
// The breakout limit 3 Shmax - Shmin - 2 Pf = C0 across the x range, not
// clipped.
Segment breakout_line(float c0, float pf, bool total, float xa, float xb);
// The fracture limit 3 Shmin - Shmax - 2 Pf = -T0 across the x range, its
// first point moved up to ya and its second down to yb along the line.
Segment fracture_line(float t0, float pf, bool total, float xa, float xb, float ya, float yb);

// The depths of the Sv and limit curves: the upper top, the lower top, ya.
std::array<float, 3> profile_depths(float zrock, float zfluid, float ya);
// Shmax and Shmin at one depth of a profile.
float shmax_limit(float sv, float pf, float k, bool total);
float shmin_limit(float sv, float pf, float k, bool total);

// A friction factor the limits can be computed with: finite and positive.
bool usable_friction_factor(float k);
