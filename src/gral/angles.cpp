#include "gral/angles.h"

// Stubs until the angle functions are built.
void trigoset() {}
float deg(float x) {
  return x;
}
float rad(float x) {
  return x;
}
void deg2rad1(float& out, float in) {
  out = in;
}
void rad2deg1(float& out, float in) {
  out = in;
}
void xy2t(float*, const float*, const float*, std::int32_t) {}
void moducr(float*, const float*, float, std::int32_t) {}
