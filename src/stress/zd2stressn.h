// Vertical stress and fluid pressure with depth under two layer tops.
#pragma once

#include <cstdint>

// For the n depths z (m, positive downwards) gives sv and pf (MPa) under an
// overburden whose top is at zrock and a fluid whose top is at zfluid, with
// the wet, dry and fluid densities (kg/m3). Arrays are read and written from
// their first element; ierr is always 0.
void zd2stressn(float* sv, float* pf, std::int32_t& ierr, const float* z, float zrock, float rhowet,
                float rhodry, float zfluid, float rhof, std::int32_t n);
