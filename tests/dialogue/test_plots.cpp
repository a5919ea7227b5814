// Both plots as a new user draws them, typed and from a command file: a
// two-page file with the frame, the annotated box and the curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

#include "session.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;

class Plots : public PlotFileTest {};

bool shows_texts(const PageMarks& m, const Lines& want) {
  return std::ranges::all_of(want, [&](const std::string& t) {
    return std::ranges::any_of(m.texts, [&](const auto& s) { return s.text == t; });
  });
}

TEST_F(Plots, OpenDrawBothCloseQuit) {
  // 10, the page format and the name; 100 on the opened page (2); 200 on a
  // new page (0); 20 and its Return; quit.
  const std::string answers = "10\n\nrun.ps\n100\n2\n200\n0\n20\n\n9999\n";
  // Shmin at 5000 m under the start-up values, in total stress.
  const double t = std::tan(std::atan(0.85) / 2.0 + std::numbers::pi / 4.0), k = t * t;
  const double shmin = (k - 1.0) / k * (9.81e-6 * 5000.0 * 1000.0) + 9.81e-6 * 5000.0 * 2530.0 / k;
  for (const std::string& keyboard : {"\n" + answers, std::string("\n5000\n5001\nplots.cmd\n")}) {
    SCOPED_TRACE(keyboard);
    std::ofstream("plots.cmd") << answers;
    EXPECT_EQ(dialogue::run(keyboard).status, 0);
    expect_renders("run.ps");
    const Lines file = file_lines("run.ps");
    EXPECT_EQ(count(file, "%%Pages:   2"), 1);
    const PageMarks p1 = marks_of(page_lines(file, 1)), p2 = marks_of(page_lines(file, 2));
    const Lines frame = {"Total stress", "Sv = 24.819 MPa", "T = 10.00 MPa", "Depth = 1000.00 m",
                         "Water density = 1000.0 kg/m3"};
    EXPECT_TRUE(
        shows_texts(p1, frame + Lines{"varnholt_pk_1.5 Command = 100", "Shmin (MPa)", "Shmax (MPa)", "50"}));
    EXPECT_TRUE(
        shows_texts(p2, frame + Lines{"varnholt_pk_1.5 Command = 200", "Stress (MPa)", "Depth (m)", "1000"}));
    const Lines page1 = page_lines(file, 1);
    EXPECT_EQ(std::ranges::count_if(page1, [](const auto& l) { return l.ends_with("fill grestore"); }), 3);
    // The depth plot's last curve ends at the bottom of subplot 2.
    ASSERT_FALSE(p2.paths.empty());
    EXPECT_NEAR(p2.paths.back().back().x, (3.0 + shmin * 15.0 / 500.0) * 28.35, 0.011);
    EXPECT_NEAR(p2.paths.back().back().y, 3.0 * 28.35, 0.011);
  }
}

}  // namespace
