#include "gral/matrix.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "gral/errend.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "records/sio.h"

namespace {

constexpr Stamp kM22invert{"m22invert  ", " 1.4", "2024-02-10"};

// Offset of element (i, j), both from 1, of a matrix of n rows stored column
// by column.
std::size_t at(std::int32_t i, std::int32_t j, std::int32_t n) {
  return static_cast<std::size_t>((j - 1) * n + (i - 1));
}

std::size_t count(std::int32_t a, std::int32_t b) {
  return a > 0 && b > 0 ? static_cast<std::size_t>(a) * static_cast<std::size_t>(b) : 0;
}

// Two labelled elements of the matrix on one record.
void element_pair(int unit, std::string_view l1, float v1, std::string_view l2, float v2) {
  gral::put(unit, gral::Rec().X().A(l1).X().G(v1, 15, 3).X().A(l2).X().G(v2, 15, 3));
}

}  // namespace

void m22determt(float& det, const float* b) {
  det = b[at(2, 2, 2)] * b[at(1, 1, 2)] - b[at(1, 2, 2)] * b[at(2, 1, 2)];
}

void mnpxmpq(float* anq, const float* bnp, const float* cpq, std::int32_t n, std::int32_t p, std::int32_t q) {
  // The whole product is formed before the result is written, so the result
  // may be either factor.
  std::vector<float> tnq(count(n, q));
  for (std::int32_t j = 1; j <= q; ++j) {
    for (std::int32_t i = 1; i <= n; ++i) {
      float s = 0.0f;
      for (std::int32_t k = 1; k <= p; ++k) s = s + cpq[at(k, j, p)] * bnp[at(i, k, n)];
      tnq[at(i, j, n)] = s;
    }
  }
  for (std::size_t e = 0; e < tnq.size(); ++e) anq[e] = tnq[e];
}

void mnpxvp(float* vn, const float* anp, const float* vp, std::int32_t n, std::int32_t p) {
  std::vector<float> vtn(count(n, 1));
  for (std::int32_t i = 1; i <= n; ++i) {
    float s = 0.0f;
    for (std::int32_t k = 1; k <= p; ++k) s = s + anp[at(i, k, n)] * vp[k - 1];
    vtn[static_cast<std::size_t>(i - 1)] = s;
  }
  for (std::size_t e = 0; e < vtn.size(); ++e) vn[e] = vtn[e];
}

void m22invert(float* a, const float* b) {
  float det;
  m22determt(det, b);
  if (det == 0.0f) {
    errorhead(kM22invert);
    const int u = iocom.IUNSTDOUT;
    gral::put(u, gral::Rec().X().A("det(B) =").X().G(det, 15, 3));
    element_pair(u, "b(1,1) =", b[at(1, 1, 2)], "b(1,2) =", b[at(1, 2, 2)]);
    element_pair(u, "b(2,1) =", b[at(2, 1, 2)], "b(2,2) =", b[at(2, 2, 2)]);
    gral::put1x(u, "=> Cannot Invert B");
    errortailstop(1);
    // No inverse exists; when the user goes on, A keeps what it held.
    return;
  }
  float ctmp[4];
  ctmp[at(1, 1, 2)] = b[at(2, 2, 2)];
  ctmp[at(2, 1, 2)] = -b[at(2, 1, 2)];
  ctmp[at(1, 2, 2)] = -b[at(1, 2, 2)];
  ctmp[at(2, 2, 2)] = b[at(1, 1, 2)];
  for (std::size_t e = 0; e < 4; ++e) a[e] = ctmp[e] / det;
}
