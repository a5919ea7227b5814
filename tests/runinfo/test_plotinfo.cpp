// The run-information block and the column lines drawn on a plot page.
#include <gtest/gtest.h>

#include "records/plot.h"
#include "runinfo/runinfo.h"
#include "support/expect.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;

class PlottedRunInfo : public PlotFileTest {
 protected:
  void SetUp() override {
    PlotFileTest::SetUp();
    gral::set_platform(&host_);
    auto& r = runinfo3com;
    r.IROUTLEV = 1;
    r.ROUTNAME(1) = "varnholt_pk";
    r.ROUTVERS(1) = " 1.5";
    r.USERNAM = "tmarsolan ";
    r.HOSTNAM = fixed::fit("bench.lab", 35);
    r.OSVERS = "Linux_6.1.0-1";
    r.HARDWINFO = fixed::fit("Intel(R) Core(TM) i7-8700 CPU", 30);
  }
  void TearDown() override {
    gral::set_platform(nullptr);
    PlotFileTest::TearDown();
  }

  // The texts the block draws, and what the console shows meanwhile.
  std::vector<std::string> block(const std::string& keyboard = "") {
    Console c("\n" + keyboard);
    const std::string name = "b" + std::to_string(++files_) + ".ps";
    open_plot_file(name);
    // Centred, blanks ignored, as the program draws it.
    plt2blk.ITEXTALIGN = -2;
    cmplotruninfo2(10.5f, 28.0f);
    const PageMarks page = close_plot_file(name);
    screen_ = c.lines();
    std::vector<std::string> texts;
    for (const auto& t : page.texts) texts.push_back(t.text);
    return texts;
  }

  FakeHost host_;
  Lines screen_;
  int files_ = 0;
};

const std::string kDate = "Run on 2024-09-13 at 10:11:12";
const std::string kSystem = "System : Linux_6.1.0-1 Intel(R) Core(TM) i7-8700 CPU";

TEST_F(PlottedRunInfo, TheCodeChoosesUserHostAndCommand) {
  const std::pair<int, Lines> cases[] = {
      {0, {kDate, "by tmarsolan on bench.lab", kSystem, "varnholt_pk_1.5 Command = 200"}},
      {1, {kDate, "by tmarsolan on bench.lab", kSystem, "varnholt_pk_1.5"}},
      {2, {kDate, kSystem, "varnholt_pk_1.5 Command = 200"}},
      {3, {kDate, kSystem, "varnholt_pk_1.5"}},
  };
  runinfo3com.ICMND = 200;
  for (const auto& [code, want] : cases) {
    runinfo3com.IRUNINFO = code;
    EXPECT_EQ(block(), want) << code;
  }
}

TEST_F(PlottedRunInfo, OddFieldsAndLevels) {
  auto& r = runinfo3com;
  // A blank user counts as one blank; a command too wide for I4 shows stars.
  r.USERNAM = fixed::blanks(10);
  r.ICMND = 12345;
  EXPECT_EQ(block(), (Lines{kDate, "by   on bench.lab", kSystem, "varnholt_pk_1.5 Command = ****"}));

  // Deeper levels than stored: the chain ends in " -> x", and a piece that
  // would pass 60 characters begins a line of its own.
  r.IRUNINFO = 2;
  r.ICMND = 5;
  r.IROUTLEV = 4;
  r.ROUTNAME(2) = fixed::fit("opening", 11);
  r.ROUTVERS(2) = " 2.0";
  r.ROUTNAME(3) = fixed::fit("drawing", 11);
  r.ROUTVERS(3) = " 3.1";
  EXPECT_EQ(block(),
            (Lines{kDate, kSystem, "varnholt_pk_1.5 -> opening_2.0 -> drawing_3.1 -> x", "Command = 5"}));
  EXPECT_TRUE(
      has_in_order(screen_, {warning_head("cmplotrunin"),
                             {" Current subroutine level     =    3", " Information only up to level =    2"},
                             tail('/')}));

  // Before the record is started: an error, and no chain nor command.
  r.IROUTLEV = 0;
  EXPECT_EQ(block(), (Lines{kDate, kSystem, "*** program information ERROR : routine level < 1 ***"}));
  EXPECT_TRUE(has_in_order(screen_, {error_head("cmplotrunin"),
                                     {" Current routine level =    0", " Can store up to level =    3",
                                      " => No program information"},
                                     tail('*')}));
}

}  // namespace
