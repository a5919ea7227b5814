// Small matrix operations; matrices stored column by column.
#pragma once

#include <cstdint>

void m22determt(float& det, const float* b);
// ANQ := BNP . CPQ; ANQ may be BNP or CPQ.
void mnpxmpq(float* anq, const float* bnp, const float* cpq, std::int32_t n, std::int32_t p, std::int32_t q);
// VN := ANP . VP; VN may be VP.
void mnpxvp(float* vn, const float* anp, const float* vp, std::int32_t n, std::int32_t p);
// A := inverse of B; A may be B. A zero determinant is an unrecoverable error.
void m22invert(float* a, const float* b);
