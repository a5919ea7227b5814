// Drawing primitives and the conversions between user units, centimetres and
// device points. Every line and polygon passes through the one fixed chunk
// buffer, so drawing allocates nothing whatever the number of points.
#include <cstdint>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"
#include "plot/plot.h"
#include "plot/subplot_maps.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/sio.h"

namespace {

constexpr Stamp kBuffer2{"buffer2             ", " 2.4", "2019-10-02"};
constexpr Stamp kUspolygon{"uspolygon           ", " 3.2", "2019-10-01"};

// x' = (X0(1) + M(1,1) x) + M(1,2) y, y' = (X0(2) + M(2,1) x) + M(2,2) y,
// both from the input point before either is stored, so the output may be
// the input.
void apply_map(float* xo, float* yo, const float* xi, const float* yi, std::int32_t n, const float* x0,
               const float* m) {
  const float ox = x0[0], oy = x0[1];
  const float m11 = m[0], m21 = m[1], m12 = m[2], m22 = m[3];
  for (std::int32_t i = 0; i < n; ++i) {
    const float xv = xi[i];
    const float yv = yi[i];
    const float xn = (ox + m11 * xv) + m12 * yv;
    const float yn = (oy + m21 * xv) + m22 * yv;
    xo[i] = xn;
    yo[i] = yn;
  }
}

enum class From { user, cm };
enum class Shape { line, polygon };

void polygon_split_warning(std::int32_t n) {
  warninghead(kUspolygon);
  const int u = iocom.IUNSTDOUT;
  gral::put(u, gral::Rec().X().A("Polygone vertices =").X().I(n, 6));
  gral::put(u, gral::Rec().X().A("Plot buffer size  =").X().I(kPlotBufferSize, 6));
  gral::put1x(u, "==> Decomposing in smaller polygons");
  warningtail00();
}

// Chunks of at most 501 points, each starting at the last point of the one
// before: the pieces of a line join on the page, and the pieces of a polygon
// are closed and filled each on its own.
void draw_chunks(const float* x, const float* y, std::int32_t n, From from, Shape shape) {
  float* xb = pltbuff1.XBUF.data();
  float* yb = pltbuff1.YBUF.data();
  std::int32_t is = 1;
  for (;;) {
    std::int32_t count = 0;
    buffer2(xb, yb, kPlotBufferSize, count, x, y, n, is);
    // A refused copy (fewer than one point) leaves nothing to draw.
    if (count < 1) return;
    if (from == From::user) {
      us2de(xb, yb, xb, yb, count);
    } else {
      cm2de(xb, yb, xb, yb, count);
    }
    if (shape == Shape::line) {
      deline(xb, yb, count);
    } else {
      depolygon(xb, yb, count);
    }
    if (n <= is) return;
    if (shape == Shape::polygon) polygon_split_warning(n);
  }
}

}  // namespace

void buffer2(float* xbuf, float* ybuf, std::int32_t nbuf, std::int32_t& nchunk, const float* x,
             const float* y, std::int32_t nx, std::int32_t& is) {
  if (nx < is) {
    errorhead(kBuffer2);
    const int u = iocom.IUNSTDOUT;
    gral::put(u, gral::Rec().X().A("is =").X().I(is, 6).X().A("> nx =").X().I(nx, 6));
    gral::put1x(u, "attempt to read past array");
    errortail00();
    return;
  }
  std::int32_t last = is + nbuf - 1;
  std::int32_t count = nbuf;
  if (nx < last) {
    last = nx;
    count = nx - is + 1;
  }
  const float* xs = x + (is - 1);
  const float* ys = y + (is - 1);
  for (std::int32_t i = 0; i < count; ++i) {
    xbuf[i] = xs[i];
    ybuf[i] = ys[i];
  }
  nchunk = count;
  is = last;
}

void usline(const float* x, const float* y, std::int32_t n) {
  draw_chunks(x, y, n, From::user, Shape::line);
}

void cmline(const float* x, const float* y, std::int32_t n) {
  draw_chunks(x, y, n, From::cm, Shape::line);
}

void uspolygon(const float* x, const float* y, std::int32_t n) {
  draw_chunks(x, y, n, From::user, Shape::polygon);
}

void cmtext2(float x, float y, std::string_view text) {
  float xde = 0.0f, yde = 0.0f;
  cm2de(&xde, &yde, &x, &y, 1);
  detext2(xde, yde, text);
}

void us2cm(float* xcm, float* ycm, const float* xus, const float* yus, std::int32_t n) {
  const std::int32_t s = plot_maps::current_subplot();
  if (s == 0) return plot_maps::no_subplot(xcm, ycm, n);
  apply_map(xcm, ycm, xus, yus, n, &plt1blk.US0TOCM(1, s), plt1blk.USTOCM.layer(s));
}

void us2de(float* xde, float* yde, const float* xus, const float* yus, std::int32_t n) {
  const std::int32_t s = plot_maps::current_subplot();
  if (s == 0) return plot_maps::no_subplot(xde, yde, n);
  apply_map(xde, yde, xus, yus, n, &plt1blk.US0TODE(1, s), plt1blk.USTODE.layer(s));
}

void cm2de(float* xde, float* yde, const float* xcm, const float* ycm, std::int32_t n) {
  const std::int32_t s = plot_maps::current_subplot();
  if (s == 0) return plot_maps::no_subplot(xde, yde, n);
  apply_map(xde, yde, xcm, ycm, n, &plt1blk.CM0TODE(1, s), plt1blk.CMTODE.data());
}

void lengthcm2de(float& lde, float lcm) {
  lde = plt1blk.CMTODEF * lcm;
}
