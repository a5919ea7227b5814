// Lines, polygons and text as they reach the plot file, and the frame
// conversions they go through.
#include <algorithm>
#include <cmath>
#include <vector>

#include "plot_fixture.h"

using plot_test::Path;
using testing_support::Console;

namespace {

constexpr float kTol = 0.011f;  // points

// A window of 0..1000 by 0..100 user units on 10 x 10 cm from (1, 2) cm.
void standard_window() {
  plot_test::set_window(1, 1.0f, 2.0f, 10.0f, 10.0f, 0.0f, 1000.0f, 0.0f, 100.0f, 0);
}
float x_de(float xu) {
  return 28.35f * (1.0f + 0.01f * xu);
}
float y_de(float yu) {
  return 28.35f * (2.0f + 0.1f * yu);
}

struct Points {
  std::vector<float> x, y;
  explicit Points(int n) {
    for (int i = 1; i <= n; ++i) {
      x.push_back(0.5f * static_cast<float>(i));
      y.push_back(static_cast<float>(i % 97));
    }
  }
};

int count_of(const std::vector<std::string>& lines, const std::string& s) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), s));
}

// Chunk k (from 0) holds points 500k + 1 to min(n, 500k + 501); one point
// alone is drawn to itself.
void expect_chunks(const std::vector<Path>& got, const Points& p, int n, bool polygon) {
  const int chunks = n == 1 ? 1 : (n - 1 + 499) / 500;
  ASSERT_EQ(static_cast<int>(got.size()), chunks) << "n = " << n;
  for (int k = 0; k < chunks; ++k) {
    const int first = 500 * k + 1, last = std::min(n, 500 * k + 501);
    std::vector<int> idx;
    for (int i = first; i <= last; ++i) idx.push_back(i);
    if (n == 1 && !polygon) idx.push_back(1);
    ASSERT_EQ(got[k].pts.size(), idx.size()) << "n = " << n << " chunk " << k;
    EXPECT_EQ(got[k].filled, polygon);
    for (std::size_t j = 0; j < idx.size(); ++j) {
      const int i = idx[j] - 1;
      EXPECT_NEAR(got[k].pts[j].first, x_de(p.x[i]), kTol) << "n = " << n << " point " << idx[j];
      EXPECT_NEAR(got[k].pts[j].second, y_de(p.y[i]), kTol) << "n = " << n << " point " << idx[j];
    }
  }
}

class Draw : public plot_test::PlotFileTest {};

}  // namespace

TEST_F(Draw, LinesAndPolygonsGoThroughTheBufferInOverlappingChunks) {
  for (int n : {1, 2, 501, 502, 1503}) {
    for (bool polygon : {false, true}) {
      Console c("\n");
      open_plot();
      standard_window();
      Points p(n);
      const std::vector<float> x0 = p.x;
      c.clear();
      if (polygon) {
        uspolygon(p.x.data(), p.y.data(), n);
      } else {
        usline(p.x.data(), p.y.data(), n);
      }
      const auto console = c.lines();
      expect_chunks(paths(close_plot()), p, n, polygon);
      EXPECT_EQ(p.x, x0) << "the caller's points are not touched";
      // One warning before every polygon after the first, none for lines.
      const int warnings = polygon && n > 501 ? (n - 2) / 500 : 0;
      EXPECT_EQ(count_of(console, " ==> Decomposing in smaller polygons"), warnings) << n;
      if (warnings > 0) {
        EXPECT_EQ(count_of(console, " Polygone vertices =" + gral::fmt_i(n, 7)), warnings);
        EXPECT_EQ(count_of(console, " Plot buffer size  =    501"), warnings);
      }
    }
  }
}

TEST_F(Draw, TheSplitWarningComesBetweenThePolygons) {
  Console c("\n\nrest\n");
  open_plot();
  standard_window();
  iocom.LPAUSE = true;
  Points p(502);
  uspolygon(p.x.data(), p.y.data(), 502);
  EXPECT_EQ(c.unread(), "rest\n") << "the warning paused once";
  const auto body = close_plot();
  // The first polygon is finished (stroked) before the second begins.
  const auto stroke = std::find(body.begin(), body.end(), "stroke");
  ASSERT_NE(stroke, body.end());
  EXPECT_EQ(std::count(stroke, body.end(), "newpath"), 1);
}

TEST_F(Draw, NoPointsDrawNothingAfterTheReport) {
  for (int n : {0, -3}) {
    Console c("\n");
    open_plot();
    standard_window();
    c.clear();
    float x = 1.0f, y = 1.0f;
    usline(&x, &y, n);
    uspolygon(&x, &y, n);
    cmline(&x, &y, n);
    const auto console = c.lines();
    EXPECT_EQ(count_of(console, " is =      1 > nx =" + gral::fmt_i(n, 7)), 3);
    EXPECT_EQ(count_of(console, " attempt to read past array"), 3);
    EXPECT_TRUE(close_plot().empty());
  }
}

TEST_F(Draw, CentimetreLinesAndTextUseTheDeviceMap) {
  Console c("\n");
  open_plot();
  standard_window();
  const float x[] = {1.0f, 3.0f}, y[] = {2.0f, 0.5f};
  cmline(x, y, 2);
  cmtext2(2.0f, 4.0f, "ab  ");
  const auto body = close_plot();
  const auto got = paths(body);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_NEAR(got[0].pts[1].first, 85.05f, kTol);
  EXPECT_NEAR(got[0].pts[1].second, 14.175f, kTol);
  EXPECT_EQ(count_of(body, "56.70 113.40 moveto"), 1);
  EXPECT_EQ(count_of(body, "(ab  ) show"), 1) << "the text keeps its trailing blanks";
}

TEST(Conversions, FollowTheCurrentSubplotAndMayWorkInPlace) {
  Console c;
  plot_test::reset_plot_records();
  iocom.LPLTOPEN = true;
  scm2de();
  plot_test::set_window(2, 0, 0, 10, 10, 0, 10, 0, 20, 0);
  plot_test::set_window(1, 2, 2, 15, 15, -10, 10, -10, 10, 1);
  float xs[] = {-10, 10, 0}, ys[] = {-10, 10, 4}, xd[3], yd[3];
  us2de(xd, yd, xs, ys, 3);
  EXPECT_NEAR(xd[0], 56.7f, 1e-4f);
  EXPECT_NEAR(yd[2], 28.35f * 12.5f, 1e-4f);
  us2de(xs, ys, xs, ys, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(std::make_pair(xs[i], ys[i]), std::make_pair(xd[i], yd[i]));

  std::int32_t two = 2;
  ssubplot(two, 1);
  float x = 0, y = 4;
  us2cm(&x, &y, &x, &y, 1);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(0.0f, 2.0f));
}
