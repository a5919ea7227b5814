// Subplot selection, scaling of all subplots and the map query.
#include "plot_fixture.h"

using testing_support::Console;

namespace {

class Subplots : public ::testing::Test {
 protected:
  void SetUp() override { plot_test::reset_plot_records(); }
};

bool contains(const std::vector<std::string>& lines, const std::string& s) {
  return std::find(lines.begin(), lines.end(), s) != lines.end();
}

}  // namespace

TEST_F(Subplots, NumbersOutsideTheRangeAreRefusedInTheSelectingModes) {
  struct Case {
    std::int32_t isub, inter;
    bool refused;
    std::int32_t current;  // after the call; 3 before it
  };
  const Case cases[] = {
      {41, 1, true, 3},  {0, 1, true, 3},  {-1, 0, true, 3}, {41, 9, true, 3},
      {41, 5, false, 1}, {7, 1, false, 7}, {7, 8, false, 7}, {40, -1, false, 40},
  };
  for (const auto& k : cases) {
    Console c;
    iocom.LPAUSE = false;
    plt1blk.ISUBPLOT = 3;
    std::int32_t isub = k.isub;
    ssubplot(isub, k.inter);
    const auto lines = c.lines();
    EXPECT_EQ(plt1blk.ISUBPLOT, k.current) << k.isub << " " << k.inter;
    EXPECT_EQ(contains(lines, " trying to set subplot nb =" + gral::fmt_i(k.isub, 4)), k.refused);
    if (k.refused) {
      EXPECT_TRUE(contains(lines, " max subpplot nb          =  40"));
      EXPECT_TRUE(contains(lines, " ===> NO ACTION"));
      EXPECT_EQ(isub, k.isub);
    }
    // Even modes show the change.
    EXPECT_EQ(contains(lines, "              CHANGING SUBPLOT"), !k.refused && k.inter % 2 == 0);
  }
}

TEST_F(Subplots, ReportingModesHandBackTheCurrentSubplot) {
  Console c;
  splotscaling(5);
  std::int32_t n = 4;
  ssubplot(n, 1);
  c.clear();
  n = 0;
  ssubplot(n, 3);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(c.text(), "");
  n = 0;
  ssubplot(n, 2);
  const auto lines = c.lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[9], " Subplot nb     :   4");
  EXPECT_EQ(lines[14], " Subplot name   : Subplot_4           ");
}

TEST_F(Subplots, ScalingModes) {
  Console c;
  iocom.LPAUSE = false;
  splotscaling(6);
  EXPECT_EQ(c.lines()[5], " Accepted values = 4,5,7");
  splotscaling(7);
  EXPECT_TRUE(contains(c.lines(), " WITH CLOSED PLOT FILE"));
  EXPECT_EQ(plt1blk.ISUBPLOT, 0) << "nothing changed";

  c.clear();
  splotscaling(5);
  EXPECT_EQ(c.lines()[4], "  1: CM <-> DE untouched (plot file closed)");
  EXPECT_EQ(pltcharblk.SUBPLOTITLE(40), "Subplot_40          ");
  EXPECT_EQ(plt1blk.US0TOCM(2, 40), 10.0f);

  // Opening a plot keeps every user map and brings the device side up.
  plot_test::set_window(9, 2, 2, 15, 15, -10, 10, -10, 10, 1);
  iocom.LPLTOPEN = true;
  splotscaling(7);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(plt1blk.USTOCM(1, 1, 9), 0.75f);
  EXPECT_FLOAT_EQ(plt1blk.US0TODE(1, 9), 28.35f * 9.5f);
}

TEST_F(Subplots, MapQueryHandsBackTheCurrentMap) {
  Console c;
  iocom.LPAUSE = false;
  plot_test::set_window(2, 1, 1, 10, 5, 0, 20, 10, 0, 0);
  float v0[2] = {7, 7}, m[4] = {7, 7, 7, 7};
  splotunits(v0, m, 2, 2);
  EXPECT_EQ(v0[0], 7.0f) << "imat 2 refused, outputs untouched";
  splotunits(v0, m, 1, 3);
  EXPECT_EQ(v0[1], 6.0f);
  EXPECT_EQ(m[3], -0.5f);
}
