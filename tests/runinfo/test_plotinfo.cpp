// The run-information block drawn on a plot page.
#include <gtest/gtest.h>

#include "runinfo/runinfo.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;
using PlottedRunInfo = PlotOnFakeHost;

const std::string kDate = "Run on 2024-09-13 at 10:11:12", kSystem = "System : Linux_6.1.0-1 x86";

// The code chooses user, host and command. A blank user counts as one blank,
// a command too wide for I4 shows stars. Deeper levels than stored end the
// chain in " -> x", and a piece that would pass 60 characters begins a line of
// its own; before the record is started there is neither chain nor command.
TEST_F(PlottedRunInfo, CodesLevelsAndOddFields) {
  struct Case {
    std::int32_t code, command, level;
    Lines texts, screen;
  };
  // Only the message lines of the warning and of the error frame.
  const Lines deeper = {" Current subroutine level     =    3", " Information only up to level =    2"},
              none = {" Current routine level =    0", " Can store up to level =    3",
                      " => No program information"};
  const std::string chain = "varnholt_pk_1.5 -> opening_2.0 -> drawing_3.1 -> x";
  const Case cases[] = {
      {0, 12345, 1, {kDate, "by   on bench.lab", kSystem, "varnholt_pk_1.5 Command = ****"}, {}},
      {1, 200, 1, {kDate, "by tmarsolan on bench.lab", kSystem, "varnholt_pk_1.5"}, {}},
      {2, 200, 1, {kDate, kSystem, "varnholt_pk_1.5 Command = 200"}, {}},
      {3, 200, 1, {kDate, kSystem, "varnholt_pk_1.5"}, {}},
      {2, 5, 4, {kDate, kSystem, chain, "Command = 5"}, deeper},
      {2, 5, 0, {kDate, kSystem, "*** program information ERROR : routine level < 1 ***"}, none},
  };
  auto& r = runinfo3com;
  r.ROUTNAME(2) = fixed::fit("opening", 11), r.ROUTVERS(2) = " 2.0";
  r.ROUTNAME(3) = fixed::fit("drawing", 11), r.ROUTVERS(3) = " 3.1";
  for (const auto& c : cases) {
    r.IRUNINFO = c.code, r.ICMND = c.command, r.IROUTLEV = c.level;
    r.USERNAM = c.code == 0 ? "          " : "tmarsolan ";
    // Centred, blanks ignored, as the program draws it.
    const PageMarks m = drawn([] { plt2blk.ITEXTALIGN = -2, cmplotruninfo2(10.5f, 28.0f); });
    EXPECT_EQ(texts_of(m), c.texts) << c.code << " " << c.level;
    EXPECT_TRUE(has_in_order(screen_, {c.screen})) << c.level;
  }
}

}  // namespace
