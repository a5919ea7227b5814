// Annotated axes and the box, drawn into a real plot file and read back:
// every tick, number and label where the axis geometry puts it.
#include <array>
#include <cmath>
#include <numbers>

#include "gral/angles.h"
#include "support/axes.h"
#include "support/expect.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;

constexpr double kPi = std::numbers::pi;

// One axis from (x1, y1) to (x2, y2) cm, lettering 0.5 cm, and the literal
// texts, angles, justifications and warning lines it must show.
struct AxisCase {
  float x1, y1, x2, y2, angtic;
  std::int32_t nasubint, nlabintk;
  float wau1, wau2, waud;
  std::int32_t nawdig, kaxis;
  Lines numbers;                                 // none: no ticks either
  float number_angle, label_angle, label_width;  // width: characters of the widest number (Y axes)
  std::int32_t number_align, label_align;
  Lines warning = {};  // lines of the one warning's body; a body of all five is the whole frame
};

// A text of the given size anchored at (x, y), in cm: the justification's vertical part moves
// the anchor across the baseline, its horizontal part along it.
PlacedText justified(const std::string& text, double x, double y, std::int32_t align, double size,
                     float angle) {
  const double d = 0.5 * size * (std::abs(align) / 4), t = angle * kPi / 180.0;
  const float along[] = {0, 0, -0.5f, -1};
  return {cm_point(x + d * std::sin(t), y - d * std::cos(t)), angle, text, along[std::abs(align) % 4]};
}

// Where the marks belong; a zero increment spans the range, a wrong sign is turned.
PageMarks expected_marks(const AxisCase& c) {
  const double walas = 0.5, len = 0.4 * walas, range = double{c.wau2} - c.wau1;
  const double step = c.waud == 0 ? range : range / c.waud < 0 ? -c.waud : c.waud, ratio = range / step;
  const int n = static_cast<int>(ratio + 1e-4), sub = std::max(c.nasubint, 1);
  const int nextra = static_cast<int>(1e-4 + (ratio - n) * sub);
  const double dx = (c.x2 - c.x1) / ratio, dy = (c.y2 - c.y1) / ratio;
  const double a = std::atan2(double{c.y2} - c.y1, double{c.x2} - c.x1) + c.angtic * kPi / 180.0;
  const double ux = std::cos(a), uy = std::sin(a);
  PageMarks e{{{cm_point(c.x1, c.y1), cm_point(c.x2, c.y2)}}, {}};
  auto tick_at = [&](double k, double l) {
    const double x = c.x1 + k * dx, y = c.y1 + k * dy;
    e.paths.push_back({cm_point(x, y), cm_point(x + l * ux, y + l * uy)});
  };
  for (int k = 0; k <= n && !c.numbers.empty(); ++k) {
    tick_at(k, len);
    for (int j = 1; j <= (k == n ? nextra : sub - 1); ++j) tick_at(k + double(j) / sub, len / 2);
  }
  for (std::size_t i = 0; i < c.numbers.size(); ++i) {
    const double k = double(i) * std::max(c.nlabintk, 1), r = 1.5 * len;
    e.texts.push_back(justified(c.numbers[i], c.x1 + k * dx + r * ux, c.y1 + k * dy + r * uy, c.number_align,
                                0.4, c.number_angle));
  }
  const double gap = 2 * len + (c.kaxis == 2 ? 0.8 * walas : 0.6 * 0.8 * walas * c.label_width);
  e.texts.push_back(justified("Axis label", (c.x1 + c.x2) / 2 + gap * ux, (c.y1 + c.y2) / 2 + gap * uy,
                              c.label_align, walas, c.label_angle));
  return e;
}

class AxisDraw : public PlotPageTest {
 protected:
  // Each plot asks for the page format when it opens and for a Return when it closes.
  Console console_{std::string(200, '\n')};
  void SetUp() override {
    PlotPageTest::SetUp();
    trigoset();
  }
};

TEST_F(AxisDraw, TicksNumbersAndLabelFollowTheAxisInEveryDirectionTextAttributesComeBack) {
  const Lines equal = {" Identical annotation bounds:", " initial value      =     3.000",
                       " final   value      =     3.000", " increment          =     0.000",
                       " => SKIPPING TICS"};
  const std::string skip = " => SKIPPING TICS";
  const Lines many = {" Too many tic marks:", skip};
  // clang-format off
  const AxisCase cases[] = {
      // Rightwards, ticks below: numbers at every second tick.
      {2, 3, 12, 3, -90, 2, 2, 0, 100, 10, 0, 2, {"0", "20", "40", "60", "80", "100"}, 0, 0, 3, -10, -10},
      // Upwards, decreasing, ticks to the left: numbers across the axis.
      {2, 3, 2, 13, 90, 5, 2, 500, 0, -50, 0, 1, {"500", "400", "300", "200", "100", "0"}, 0, 90, 3, -7, -2},
      // Leftwards through negative values with a decimal.
      {12, 8, 2, 8, -90, 1, 1, -50, 50, 25, 1, 2, {"-50.0", "-25.0", "0.0", "25.0", "50.0"},
       0, 0, 4, -2, -2},
      // Downwards along the axis.
      {5, 13, 5, 3, 90, 5, 1, 0, 10, 5, 0, 2, {"0", "5", "10"}, 90, 90, 2, -10, -10},
      // Down and to the left, negative, decreasing, a decimal: 4 - 0.5 - 0.5 characters.
      {10, 10, 4, 2, 90, 3, 1, -3, -12, -3, 1, 1, {"-3.0", "-6.0", "-9.0", "-12.0"},
       -36.87f, 53.13f, 3, -5, -10},
      // A range that is no whole number of steps: one sub-tick after 9.
      {2, 5, 12, 5, 90, 5, 1, 0, 10, 3, 0, 2, {"0", "3", "6", "9"}, 0, 0, 1, -2, -2},
      // A label interval below 1 numbers every tick; digits below 0 give whole numbers.
      {2, 3, 12, 3, -90, 1, 0, 0, 10, 5, -2, 2, {"0", "5", "10"}, 0, 0, 2, -10, -10},
      // A zero increment spans the range; a wrong sign is turned.
      {2, 3, 12, 3, -90, 1, 1, 0, 10, 0, 0, 2, {"0", "10"}, 0, 0, 2, -10, -10,
       {" Inconsistent annotation increment:", " initial value      =     0.000",
        " final   value      =    10.000", " increment          =     0.000",
        " => RESET increment =    10.000"}},
      {2, 3, 12, 3, -90, 1, 1, 0, 10, -5, 0, 2, {"0", "5", "10"}, 0, 0, 2, -10, -10,
       {" => RESET increment =     5.000"}},
      // No ticks: equal bounds with no increment, more marks than a plot holds, whole numbers
      // beyond an integer, a range beyond the reals.
      {2, 3, 12, 3, -90, 5, 1, 3, 3, 0, 0, 2, {}, 0, 0, 1, -10, -10, equal},
      {2, 3, 12, 3, -90, 5, 1, 0, 10, 1e-6f, 0, 2, {}, 0, 0, 1, -10, -10, many},
      {2, 3, 12, 3, -90, 2147483647, 1, 0, 10, 5, 0, 2, {}, 0, 0, 1, -10, -10, many},
      {2, 3, 12, 3, -90, 1, 1, 0, 3e9f, 1e9f, 0, 2, {}, 0, 0, 1, -10, -10,
       {" Annotation beyond integer range:", " final   value      = *********", skip}},
      {2, 3, 12, 3, -90, 1, 1, -3e38f, 3e38f, 1e38f, 0, 2, {}, 0, 0, 1, -10, -10,
       {" Annotation range not finite:", skip}},
      // A range far below its increment has no interval to divide.
      {2, 3, 12, 3, -90, 5, 1, 0, 1e-30f, 1e30f, 0, 2, {}, 0, 0, 1, -10, -10,
       {" Identical annotation bounds:", " initial value      =     0.000", " final   value      =     0.000",
        " increment          = *********", skip}},
      // Counts at the integer limits: no sub-ticks, one number, as many decimals as 20 characters hold.
      {2, 3, 12, 3, -90, -2147483647 - 1, 1, 0, 10, 5, 0, 2, {"0", "5", "10"}, 0, 0, 2, -10, -10},
      {2, 3, 12, 3, -90, 5, 2147483647, 0, 10, 5, 0, 2, {"0"}, 0, 0, 2, -10, -10},
      {2, 3, 12, 3, -90, 1, 1, 0, 10, 5, 2147483647, 2,
       {"0.00000000000000000", "5.00000000000000000", "10.0000000000000000"}, 0, 0, 2, -10, -10},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wau1 << " to " << c.wau2 << " by " << c.waud);
    open_plot(0, 1, 0, 1);
    float size = 0.3f, angle = 30.0f;
    std::int32_t align = 6;
    stextsize(size, 1), stextangle(angle, 1), stextalign(align, 1);
    console_.clear();
    cmaxis11(c.x1, c.y1, c.x2, c.y2, c.angtic, c.nasubint, c.nlabintk, c.wau1, c.wau2, c.waud, c.nawdig, 0.5f,
             c.kaxis, "  Axis label  ");
    const Lines said = console_.lines();
    if (c.warning.size() == 5) {
      EXPECT_EQ(said, lines({warning_head("cmaxis11   "), c.warning, {rule('/')}}));
    }
    EXPECT_EQ(count(said, warning_head("cmaxis11   ")[1]), c.warning.empty() ? 0 : 1);
    for (const auto& l : c.warning) EXPECT_EQ(count(said, l), 1) << l;
    stextsize(size, 3), stextangle(angle, 3), stextalign(align, 3);
    EXPECT_TRUE(size == 0.3f && angle == 30.0f && align == 6) << "text attributes as before";
    expect_marks(close_plot(), expected_marks(c));
  }
}

// Axis 1 (X) and 2 (Y) set to the bounds in quarters, X with one sub-tick and Y with two between
// ticks; box 1 on them with the given border words and zero-line word.
void frame_box(float xa, float xb, float ya, float yb, std::int32_t left, std::int32_t right,
               std::int32_t bottom, std::int32_t top, std::int32_t zero) {
  set_axis({xa, xb, xa, xb, (xb - xa) / 4, 0.5f, "X side", 0, 2, 1}, 1, 1);
  set_axis({ya, yb, ya, yb, (yb - ya) / 4, 0.5f, "Y side", 0, 3, 1}, 2, 1);
  set_box({1, 2, left, right, bottom, top, 0, zero, "Box"}, 1, 1);
}

TEST_F(AxisDraw, BoxMarksPointOutOfTheBoxInEveryOrientationAndMapSignWithPlainSidesAndZeroLines) {
  // The box fills the 10 by 10 cm square from (2, 3) cm; a point on the line of a side.
  enum Edge { kLeft, kRight, kBottom, kTop };
  const float at[] = {2 * 28.35f, 12 * 28.35f, 3 * 28.35f, 13 * 28.35f};
  auto on = [&](int e, Point p) { return std::fabs((e < kBottom ? p.x : p.y) - at[e]) <= 0.011f; };
  auto inside = [&](Point p) {
    return p.x > at[kLeft] + 0.011f && p.x < at[kRight] - 0.011f && p.y > at[kBottom] + 0.011f &&
           p.y < at[kTop] - 0.011f;
  };
  // Bits of k: X reversed (50 to -50), Y reversed (-10 to -50, else -20 to 20), Y down the page (a
  // map of negative sign, zero-line word 2, else 1). The side with border word 0, named by its user
  // bound, its page edge, and the zero lines from and to in cm.
  // clang-format off
  const struct {
    const char* side;
    Edge edge;
    std::vector<std::array<float, 4>> zero;
  } cases[] = {
      {"top", kTop, {{7, 3, 7, 13}, {2, 8, 12, 8}}},
      {"left", kLeft, {{12, 8, 2, 8}}},
      {"bottom", kBottom, {{7, 13, 7, 3}}},
      {"right", kRight, {}},
      {"bottom", kTop, {}},
      {"right", kRight, {}},
      {"top", kBottom, {}},
      {"left", kLeft, {}},
  };
  // clang-format on
  for (int k = 0; k < 8; ++k) {
    const auto& c = cases[k];
    const std::string side = c.side;
    SCOPED_TRACE(testing::Message() << "case " << k);
    const float xa = k & 1 ? 50 : -50, ya = k & 2 ? -10 : -20, yb = k & 2 ? -50 : 20;
    frame_box(xa, -xa, ya, yb, side != "left", side != "right", side != "bottom", side != "top",
              k & 4 ? 2 : 1);
    open_plot(-50, 50, k & 4 ? std::max(ya, yb) : std::min(ya, yb),
              k & 4 ? std::min(ya, yb) : std::max(ya, yb));
    console_.clear();
    d1bx2d(1);
    EXPECT_EQ(console_.lines(), Lines{});
    const auto m = close_plot();
    // An X side is its line, 5 ticks and 4 sub-ticks; a Y side has 8 sub-ticks.
    const std::size_t sides = side == "top" || side == "bottom" ? 39 : 35;
    ASSERT_EQ(m.paths.size(), sides + c.zero.size());
    for (std::size_t i = 0; i < sides; ++i) {
      const auto& p = m.paths[i];
      if (p.size() != 2 || std::hypot(p[1].x - p[0].x, p[1].y - p[0].y) > 10) continue;
      EXPECT_TRUE((on(kLeft, p[0]) || on(kRight, p[0]) || on(kBottom, p[0]) || on(kTop, p[0])) &&
                  !inside(p[1]))
          << "a tick off the sides or into the box";
      const int across = c.edge < kBottom ? kBottom : kLeft;  // the plain side's corners lie on these
      EXPECT_FALSE(on(c.edge, p[0]) && !on(across, p[0]) && !on(across + 1, p[0]))
          << "a tick on the plain side";
    }
    for (std::size_t i = 0; i < c.zero.size(); ++i) {
      const auto& p = m.paths[sides + i];
      EXPECT_TRUE(near(p[0], cm_point(c.zero[i][0], c.zero[i][1])) &&
                  near(p[1], cm_point(c.zero[i][2], c.zero[i][3])));
    }
    // Five numbers on each annotated side and its label beyond them: X labels above or below the
    // box, Y labels beside it.
    ASSERT_EQ(m.texts.size(), 18u);
    for (const auto& t : m.texts) {
      EXPECT_FALSE(inside(t.at)) << t.text << " inside the box";
      EXPECT_TRUE(t.text != "X side" || t.at.y < at[kBottom] || t.at.y > at[kTop]);
      EXPECT_TRUE(t.text != "Y side" || t.at.x < at[kLeft] || t.at.x > at[kRight]);
    }
  }
}

TEST_F(AxisDraw, ABoxThatNamesNoAxisOrNoBoxDrawsNothing) {
  open_plot(0, 1, 0, 1);
  iocom.LPAUSE = true;
  console_.clear();
  d1bx2d(1);
  EXPECT_EQ(console_.lines(),
            error_frame("d1bx2d     ", {" trying to draw box nb =    1", " with X axis nb =    0",
                                        " and  Y axis nb =    0", " max axis nb =   15", " ===> NO ACTION"}));
  frame_box(5000, 0, 0, 10, 1, 1, 1, 1, 0);
  console_.clear();
  d1bx2d(2);
  EXPECT_EQ(console_.lines(), error_frame("d1bx2d     ", {" trying to draw box nb =    2",
                                                          " max box nb =    1", " ===> NO ACTION"}));
  const auto m = close_plot();
  EXPECT_TRUE(m.paths.empty() && m.texts.empty());
}

}  // namespace
