// Annotated axes and the box, drawn into a real plot file and read back:
// every tick, number and label where the axis geometry puts it.
#include <cmath>
#include <memory>

#include "axis/axis.h"
#include "gral/angles.h"
#include "records/axis.h"
#include "support/expect.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;

constexpr double kPt = 28.35;  // points per centimetre
constexpr double kPi = 3.14159265358979;

struct AxisCase {
  float x1, y1, x2, y2, angtic;
  std::int32_t nasubint, nlabintk;
  float wau1, wau2, waud;
  std::int32_t nawdig, kaxis;
  Lines numbers;
  float number_angle;
  std::int32_t number_align;
  float label_angle;
  std::int32_t label_align;
  float label_width;  // characters of the widest number (Y axes)
};

struct Expected {
  std::vector<std::vector<Point>> ticks;
  std::vector<Point> number_anchors;
  Point label;
};

Point pt(double xcm, double ycm) {
  return {static_cast<float>(kPt * xcm), static_cast<float>(kPt * ycm)};
}

// Where the marks of an axis with a consistent increment belong, in points,
// for a lettering size of 0.5 cm.
Expected expected_marks(const AxisCase& c) {
  const double walas = 0.5, tick = 0.4 * walas;
  const double ratio = (double{c.wau2} - c.wau1) / c.waud;
  const int n = static_cast<int>(ratio + 1e-4);
  const int nextra = static_cast<int>(1e-4 + (ratio - n) * c.nasubint);
  const double dx = (c.x2 - c.x1) / ratio, dy = (c.y2 - c.y1) / ratio;
  const double a = std::atan2(double{c.y2} - c.y1, double{c.x2} - c.x1) + c.angtic * kPi / 180.0;
  const double ux = std::cos(a), uy = std::sin(a);
  Expected e;
  for (int k = 0; k <= n; ++k) {
    const double bx = c.x1 + k * dx, by = c.y1 + k * dy;
    e.ticks.push_back({pt(bx, by), pt(bx + tick * ux, by + tick * uy)});
    for (int j = 1; j <= (k == n ? nextra : c.nasubint - 1); ++j) {
      const double sx = bx + j * dx / c.nasubint, sy = by + j * dy / c.nasubint;
      e.ticks.push_back({pt(sx, sy), pt(sx + 0.5 * tick * ux, sy + 0.5 * tick * uy)});
    }
  }
  for (int k = 0; k <= n; k += std::max(c.nlabintk, 1))
    e.number_anchors.push_back(pt(c.x1 + k * dx + 1.5 * tick * ux, c.y1 + k * dy + 1.5 * tick * uy));
  const double gap = 2 * tick + (c.kaxis == 2 ? 0.8 * walas : 0.6 * 0.8 * walas * c.label_width);
  e.label = pt(c.x1 + 0.5 * (c.x2 - c.x1) + gap * ux, c.y1 + 0.5 * (c.y2 - c.y1) + gap * uy);
  return e;
}

::testing::AssertionResult near(Point got, Point want) {
  if (std::fabs(got.x - want.x) <= 0.011f && std::fabs(got.y - want.y) <= 0.011f)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << got.x << ", " << got.y << ") is not (" << want.x << ", " << want.y << ")";
}

class AxisDraw : public PlotPageTest {
 protected:
  // Each plot asks for the page format when it opens and for a Return when
  // it closes.
  std::unique_ptr<Console> console_ = std::make_unique<Console>(std::string(200, '\n'));
  void SetUp() override {
    PlotPageTest::SetUp();
    trigoset();
  }

  // The point a text anchored at p is moved to: the justification's
  // vertical part shifts it across the text's baseline.
  static Point moved(Point p, std::int32_t align, float size_cm, float angle) {
    const double d = 0.5 * kPt * size_cm * (std::abs(align) / 4), t = angle * kPi / 180.0;
    return {static_cast<float>(p.x + d * std::sin(t)), static_cast<float>(p.y - d * std::cos(t))};
  }
};

TEST_F(AxisDraw, TicksNumbersAndLabelFollowTheAxisInEveryDirectionAndTextAttributesComeBack) {
  // clang-format off
  const AxisCase cases[] = {
      // Rightwards, ticks below: numbers at every second tick.
      {2, 3, 12, 3, -90, 2, 2, 0, 100, 10, 0, 2, {"0", "20", "40", "60", "80", "100"}, 0, -10, 0, -10, 3},
      // Upwards, decreasing, ticks to the left: numbers across the axis.
      {2, 3, 2, 13, 90, 5, 2, 500, 0, -50, 0, 1, {"500", "400", "300", "200", "100", "0"}, 0, -7, 90, -2, 3},
      // Leftwards through negative values with a decimal.
      {12, 8, 2, 8, -90, 1, 1, -50, 50, 25, 1, 2, {"-50.0", "-25.0", "0.0", "25.0", "50.0"}, 0, -2, 0, -2, 4},
      // Downwards along the axis.
      {5, 13, 5, 3, 90, 5, 1, 0, 10, 5, 0, 2, {"0", "5", "10"}, 90, -10, 90, -10, 2},
      // Down and to the left, negative and decreasing: 2 - 0.5 characters.
      {10, 10, 4, 2, 90, 3, 1, -3, -12, -3, 0, 1, {"-3", "-6", "-9", "-12"}, -36.87f, -5, 53.13f, -10, 1.5f},
      // A range that is no whole number of steps: one sub-tick after 9.
      {2, 5, 12, 5, 90, 5, 1, 0, 10, 3, 0, 2, {"0", "3", "6", "9"}, 0, -2, 0, -2, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wau1 << " to " << c.wau2 << " from (" << c.x1 << ", " << c.y1
                                    << ")");
    open_plot(0, 1, 0, 1);
    float size = 0.3f, angle = 30.0f;
    std::int32_t align = 6;
    stextsize(size, 1), stextangle(angle, 1), stextalign(align, 1);
    console_->clear();
    cmaxis11(c.x1, c.y1, c.x2, c.y2, c.angtic, c.nasubint, c.nlabintk, c.wau1, c.wau2, c.waud, c.nawdig, 0.5f,
             c.kaxis, "  Axis label  ");
    EXPECT_EQ(console_->lines(), Lines{}) << "no warning";
    stextsize(size, 3), stextangle(angle, 3), stextalign(align, 3);
    EXPECT_TRUE(size == 0.3f && angle == 30.0f && align == 6) << "text attributes as before";
    const auto m = close_plot();
    const auto e = expected_marks(c);

    ASSERT_EQ(m.paths.size(), e.ticks.size() + 1);
    EXPECT_TRUE(near(m.paths[0].front(), pt(c.x1, c.y1)) && near(m.paths[0].back(), pt(c.x2, c.y2)));
    for (std::size_t i = 0; i < e.ticks.size(); ++i) {
      ASSERT_EQ(m.paths[i + 1].size(), 2u);
      EXPECT_TRUE(near(m.paths[i + 1][0], e.ticks[i][0]) && near(m.paths[i + 1][1], e.ticks[i][1])) << i;
    }
    ASSERT_EQ(m.texts.size(), c.numbers.size() + 1);
    for (std::size_t i = 0; i < c.numbers.size(); ++i) {
      EXPECT_EQ(m.texts[i].text, c.numbers[i]);
      EXPECT_TRUE(near(m.texts[i].at, moved(e.number_anchors[i], c.number_align, 0.4f, c.number_angle)));
      EXPECT_NEAR(m.texts[i].angle, c.number_angle, 0.01f);
    }
    EXPECT_EQ(m.texts.back().text, "Axis label");
    EXPECT_TRUE(near(m.texts.back().at, moved(e.label, c.label_align, 0.5f, c.label_angle)));
    EXPECT_NEAR(m.texts.back().angle, c.label_angle, 0.01f);
  }
}

// Axes whose ticks cannot be drawn as asked: the axis line and label stay,
// with at most one warning.
TEST_F(AxisDraw, UndrawableTicksAreSkippedOrMendedWithOneWarning) {
  const Lines equal = {" Identical annotation bounds:", " initial value      =     3.000",
                       " final   value      =     3.000", " increment          =     0.000",
                       " => SKIPPING TICS"};
  // clang-format off
  const struct {
    float wau1, wau2, waud;
    std::int32_t nasubint, nlabintk, nawdig;
    Lines warning;  // lines of the one warning's body, none when it gives none
    Lines numbers;
  } cases[] = {
      // A label interval below 1 numbers every tick; digits below 0 give whole numbers.
      {0, 10, 5, 1, 0, 0, {}, {"0", "5", "10"}},
      {0, 10, 5, 1, -3, 0, {}, {"0", "5", "10"}},
      {0, 10, 5, 1, 1, -2, {}, {"0", "5", "10"}},
      // A zero increment spans the range; a wrong sign is turned.
      {0, 10, 0, 1, 1, 0, {" Inconsistent annotation increment:", " => RESET increment =    10.000"}, {"0", "10"}},
      {0, 10, -5, 1, 1, 0, {" => RESET increment =     5.000"}, {"0", "5", "10"}},
      // Equal bounds, whatever the increment; more marks than a plot holds; whole numbers beyond an integer.
      {3, 3, 0, 5, 1, 0, equal, {}},
      {3, 3, 1, 5, 1, 0, {" Identical annotation bounds:", " => SKIPPING TICS"}, {}},
      {0, 10, 1e-6f, 5, 1, 0, {" Too many tic marks:", " => SKIPPING TICS"}, {}},
      {0, 10, 5, 2147483647, 1, 0, {" Too many tic marks:", " => SKIPPING TICS"}, {}},
      {0, 3e9f, 1e9f, 1, 1, 0, {" Annotation beyond integer range:", " final   value      = *********"}, {}},
      {-3e38f, 3e38f, 1e38f, 1, 1, 0, {" Annotation range not finite:", " => SKIPPING TICS"}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wau1 << " to " << c.wau2 << " by " << c.waud);
    open_plot(0, 1, 0, 1);
    console_->clear();
    cmaxis11(2, 3, 12, 3, -90, c.nasubint, c.nlabintk, c.wau1, c.wau2, c.waud, c.nawdig, 0.5f, 2, "Label");
    const auto said = console_->lines();
    EXPECT_EQ(count(said, warning_head("cmaxis11   ")[1]), c.warning.empty() ? 0 : 1);
    for (const auto& l : c.warning) EXPECT_EQ(count(said, l), 1) << l;
    if (c.warning == equal) {
      EXPECT_EQ(said, lines({warning_head("cmaxis11   "), equal, {rule('/')}}));
    }
    const auto m = close_plot();
    EXPECT_EQ(m.paths.size(), 1 + c.numbers.size()) << "the axis line and the major ticks";
    Lines texts;
    for (const auto& t : m.texts) texts.push_back(t.text);
    EXPECT_EQ(texts, lines({c.numbers, {"Label"}}));
    // Below the middle of the axis, beyond the numbers, whether ticks were drawn or not.
    EXPECT_TRUE(near(m.texts.back().at, moved(pt(7, 2.2), -10, 0.5f, 0)));
  }
}

struct BoxCase {
  float xa, xb, ya, yb;
  bool y_down;  // the window's y grows down the page: a map of negative sign
};

// Sets axes 1 and 2 to the bounds, box 1 on them with the given border words.
void set_box(const BoxCase& b, std::int32_t ileft, std::int32_t iright, std::int32_t ibottom,
             std::int32_t itop, std::int32_t izerolin = 0) {
  for (std::int32_t k = 1; k <= 2; ++k) {
    float u1 = k == 1 ? b.xa : b.ya, u2 = k == 1 ? b.xb : b.yb, w1 = u1, w2 = u2, wd = (u2 - u1) / 4,
          size = 0.5f;
    std::string label = k == 1 ? "X side" : "Y side";
    std::int32_t ndig = 0, nsub = 2, nlab = 1;
    s1axis1(u1, u2, w1, w2, wd, size, label, ndig, nsub, nlab, k, 1);
  }
  std::int32_t x = 1, y = 2, clip = 0;
  std::string label = "Box";
  s1bx2d(x, y, ileft, iright, ibottom, itop, clip, izerolin, label, 1, 1);
}

TEST_F(AxisDraw, BoxTicksNumbersAndLabelsPointOutOfTheBoxForEveryOrientationAndMapSign) {
  const BoxCase cases[] = {{0, 100, 0, 100, false}, {100, 0, 0, 100, false}, {0, 100, 100, 0, false},
                           {100, 0, 100, 0, false}, {0, 100, 0, 100, true},  {100, 0, 0, 100, true},
                           {0, 100, 100, 0, true},  {100, 0, 100, 0, true}};
  // The box fills the 10 by 10 cm square from (2, 3) cm.
  const float left = 2 * kPt, right = 12 * kPt, bottom = 3 * kPt, top = 13 * kPt;
  auto inside = [&](Point p) {
    return p.x > left + 0.011f && p.x < right - 0.011f && p.y > bottom + 0.011f && p.y < top - 0.011f;
  };
  auto on_edge = [&](Point p) {
    return std::fabs(p.x - left) <= 0.011f || std::fabs(p.x - right) <= 0.011f ||
           std::fabs(p.y - bottom) <= 0.011f || std::fabs(p.y - top) <= 0.011f;
  };
  for (const auto& b : cases) {
    SCOPED_TRACE(testing::Message() << "x " << b.xa << ".." << b.xb << ", y " << b.ya << ".." << b.yb
                                    << (b.y_down ? ", y down the page" : ""));
    axisblk7a = AxisBlk7a{};
    snaxis(5);
    set_box(b, 1, 1, 1, 1);
    const float ylo = std::min(b.ya, b.yb), yhi = std::max(b.ya, b.yb);
    open_plot(std::min(b.xa, b.xb), std::max(b.xa, b.xb), b.y_down ? yhi : ylo, b.y_down ? ylo : yhi);
    console_->clear();
    d1bx2d(1);
    EXPECT_EQ(console_->lines(), Lines{});
    const auto m = close_plot();
    // Four sides, each with 5 major ticks and a sub-tick between two.
    ASSERT_EQ(m.paths.size(), 4u * (1 + 5 + 4));
    for (const auto& p : m.paths) {
      if (p.size() != 2) continue;
      const bool side = std::fabs(std::hypot(p[1].x - p[0].x, p[1].y - p[0].y) - 10 * kPt) < 0.02f;
      if (side) continue;
      EXPECT_TRUE(on_edge(p[0]));
      EXPECT_FALSE(inside(p[1])) << "a tick points into the box";
    }
    // Five numbers on each side and a label.
    ASSERT_EQ(m.texts.size(), 4u * 6);
    for (const auto& t : m.texts) EXPECT_FALSE(inside(t.at)) << t.text << " inside the box";
    for (std::size_t s = 0; s < 4; ++s) EXPECT_EQ(m.texts[6 * s + 5].text, s < 2 ? "X side" : "Y side");
  }
}

TEST_F(AxisDraw, PlainSidesAndZeroLines) {
  // Border word 0 on top: a plain line; the zero line only where 0 is strictly inside.
  const struct {
    BoxCase box;
    std::int32_t izerolin;
    std::vector<std::vector<Point>> extra;  // the zero lines expected after the sides
  } cases[] = {
      {{-50, 50, 0, 100, false}, 1, {{pt(7, 3), pt(7, 13)}}},
      {{-50, 50, -100, 100, false}, 1, {{pt(7, 3), pt(7, 13)}, {pt(2, 8), pt(12, 8)}}},
      {{50, -50, 0, 100, false}, 1, {}},
      {{-50, 50, -100, 100, false}, 2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.box.xa << ".." << c.box.xb << ", " << c.box.ya << ".." << c.box.yb);
    set_box(c.box, 1, 1, 1, 0, c.izerolin);
    open_plot(std::min(c.box.xa, c.box.xb), std::max(c.box.xa, c.box.xb), c.box.ya, c.box.yb);
    d1bx2d(1);
    const auto m = close_plot();
    // The top as a plain line first, then three annotated sides.
    ASSERT_EQ(m.paths.size(), 1 + 3u * 10 + c.extra.size());
    const bool x_reversed = c.box.xa > c.box.xb;
    EXPECT_TRUE(near(m.paths[0][0], pt(x_reversed ? 12 : 2, 13)) &&
                near(m.paths[0][1], pt(x_reversed ? 2 : 12, 13)));
    for (std::size_t i = 0; i < c.extra.size(); ++i) {
      const auto& p = m.paths[31 + i];
      EXPECT_TRUE(near(p[0], c.extra[i][0]) && near(p[1], c.extra[i][1])) << "zero line " << i;
    }
    EXPECT_EQ(m.texts.size(), 3u * 6);
  }
}

TEST_F(AxisDraw, ABoxThatNamesNoAxisOrNoBoxDrawsNothingAndAnAxisThatIsNoneHasBoundsZeroToTen) {
  open_plot(0, 1, 0, 1);
  iocom.LPAUSE = true;
  axisblk7a = AxisBlk7a{};
  console_->clear();
  d1bx2d(1);
  EXPECT_EQ(console_->lines(),
            error_frame("d1bx2d     ", {" trying to draw box nb =    1", " with X axis nb =    0",
                                        " and  Y axis nb =    0", " max axis nb =   15", " ===> NO ACTION"}));
  set_box({5000, 0, 0, 10, false}, 1, 1, 1, 1);
  console_->clear();
  d1bx2d(2);
  EXPECT_EQ(console_->lines(), error_frame("d1bx2d     ", {" trying to draw box nb =    2",
                                                           " max box nb =    1", " ===> NO ACTION"}));
  const auto m = close_plot();
  EXPECT_TRUE(m.paths.empty() && m.texts.empty());

  float a = 0, b = 0;
  g1axbd(a, b, 1);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(5000.0f, 0.0f));
  console_->clear();
  g1axbd(a, b, 16);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(0.0f, 10.0f));
  EXPECT_EQ(console_->lines(),
            error_frame("g1axbd     ", {" trying to get bounds of axis nb =   16", " max axis nb =   15",
                                        " ===> RETURNING [0, 10]"}));
}

}  // namespace
