// Angle constants and angle functions, single precision throughout.
#pragma once

#include <cstdint>

void trigoset();
float deg(float x);
float rad(float x);
void deg2rad1(float& out, float in);
void rad2deg1(float& out, float in);
// Polar angle of n points, in (-pi, pi]. Arrays are the caller's first elements.
void xy2t(float* t, const float* x, const float* y, std::int32_t n);
// Each in(i) brought into (-p/2, p/2]; out may be in.
void moducr(float* out, const float* in, float p, std::int32_t n);
