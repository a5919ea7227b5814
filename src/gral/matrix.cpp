#include "gral/matrix.h"

// Stubs until the matrix operations are built.
void m22determt(float& det, const float*) {
  det = 0.0f;
}
void mnpxmpq(float*, const float*, const float*, std::int32_t, std::int32_t, std::int32_t) {}
void mnpxvp(float*, const float*, const float*, std::int32_t, std::int32_t) {}
void m22invert(float*, const float*) {}
