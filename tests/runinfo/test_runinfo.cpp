// The run record, its code, and the program's header and trailer.
#include <gtest/gtest.h>

#include "gral/pictures.h"
#include "runinfo/runinfo.h"
#include "support/expect.h"

using namespace testing_support;
using RunInfo = OnFakeHost;

namespace {
void start() {
  run_with("", [] { smaininfo2("varnholt_pk_extra", "1.5", "2024-09-13"); }).lines;
}
const std::string kInner = " @" + std::string(49, '-');
}  // namespace

// Modes 0 and 1 check the code, 2 and 3 fetch the stored one, 4 and 5 reset
// it (5 announced, without a closing rule); 0, 2 and 4 then ask. Any other
// mode changes nothing.
TEST_F(RunInfo, CodeModesCheckFetchResetAskOrRefuse) {
  const Lines out_of_range = {" RUN INFO CODE OUT OF RANGE:", "  run info code =     5", "  min =     0",
                              "  max =     3", " ==> RESET run info code =     0"};
  const Lines asked = {" run info code current value =     3", " date+user+host+os+hardw+main+subr+cmnd...0"};
  // stored code, code handed in, mode, code handed back, code stored after, lines shown (none when empty)
  const std::tuple<int, int, int, int, int, Lines> cases[] = {
      {2, 5, 1, 0, 0, out_of_range},
      {2, -1, 1, 0, 0, {"  run info code =    -1"}},
      {0, 2, 1, 2, 2, {}},
      {3, 1, 3, 3, 3, {}},
      {1, 2, 6, 2, 1, {" inter =     6", " ===> NO ACTION"}},
      {3, 2, 5, 0, 0, {" INITIALISING RUN INFO"}},
      {3, 0, 2, 3, 3, asked}};
  for (auto [stored, code, inter, want, stored_after, shown] : cases) {
    std::int32_t value = code;
    runinfo3com.IRUNINFO = stored;
    const Outcome r = run_with("\n", [&] { swpinfo(value, inter); });
    EXPECT_EQ(std::tuple(value, runinfo3com.IRUNINFO), std::tuple(want, stored_after)) << inter;
    EXPECT_TRUE(has_in_order(r.lines, {shown}) && r.lines.empty() == shown.empty()) << inter;
    EXPECT_TRUE(inter != 5 || r.lines.size() == 4u);
  }
}

// The facts are gathered in a fixed order, the clocks read last, and no
// temporary file is left. The header shows them, user and host only for
// codes 0 and 1; its wait takes one line, and goes on at the end of input.
TEST_F(RunInfo, StartThenHeaderWithUserAndHostOnlyForCodesZeroAndOne) {
  runinfo3com.IRUNINFO = 2, runinfo3com.ICMND = 7;
  start();
  const auto& r = runinfo3com;
  EXPECT_EQ(std::tuple(r.IROUTLEV, r.ICMND, r.IRUNINFO, r.CPUTIME0, r.ICLOCK0),
            std::tuple(1, 0, 0, 1.5f, 5000));
  EXPECT_EQ(r.ROUTNAME(1) + r.ROUTVERS(1) + r.ROUTDATE(1), "varnholt_pk1.5 2024-09-13");
  EXPECT_EQ(host_.log, (Lines{"login", "node", "version", "cpu", "time", "cpu time", "clock"}));
  EXPECT_TRUE(dir_.empty());
  for (std::int32_t code : {1, 2}) {
    runinfo3com.IRUNINFO = code;
    const Outcome o = run_with("typed\nnext\n", progheadtm2);
    // What was gathered, between the frame's lines, which are kept to their number.
    const Lines user = {" @      User: tmarsolan", " @      Host: bench.lab"};
    EXPECT_TRUE(has_in_order(
        o.lines,
        {{rule('@'), " @", " @          MAIN PROGRAM: varnholt_pk", " @               Version: 1.5",
          " @                  Date: 2024-09-13", " @", kInner, " @",
          " @       Starting on 2024-09-13 at 10:11:12"},
         code > 1 ? Lines{} : user,
         {" @    System: Linux_6.1.0-1", " @       CPU: Core i7-8700 CPU @ 3.20GHz", " @", kInner}}));
    EXPECT_EQ(std::tuple(o.lines.size(), Lines(o.lines.end() - 3, o.lines.end()), o.unread),
              std::tuple(code > 1 ? 28u : 30u,
                         Lines{kInner, " @             HIT RETURN TO CONTINUE", rule('@')}, "next\n"));
  }
  EXPECT_EQ(run_with("", progheadtm2).status, -1);
}

// Up to two minutes in seconds, beyond in minutes. Equal clock readings mean
// nothing elapsed, not a full period; a lower one means the count wrapped.
// The closing picture follows the last digit of the end time.
TEST_F(RunInfo, TrailerTimesAndPictureByLastDigitOfEndTime) {
  start();  // at clock 5000 and processor time 1.5
  const std::string elapsed = " @ ELAPSED TIME =", cpu = " @ CPU TIME     =", zero = "       0.000 seconds",
                    modulo = " @       modulo     35791.395 mn", wrapped = " @       modulo         0.133 mn";
  const int max = 2147483647;
  // the clock at the end, processor time at the end, the time lines
  const std::tuple<gral::ClockReading, float, Lines> cases[] = {
      {{125000, 1000, max}, 31.75f, {elapsed + "     120.000 seconds", modulo, cpu + "      30.250 seconds"}},
      {{155000, 1000, max}, 301.5f, {elapsed + "       2.500 mn", modulo, cpu + "       5.000 mn"}},
      {{5000, 1000, max}, 1.5f, {elapsed + zero, modulo, cpu + zero}},
      {{2000, 1000, 8000}, 1.5f, {elapsed + "       5.000 seconds", wrapped, cpu + zero}},
      {{7, 0, 0}, 2.5f, {" @ Could not compute elapsed system clock time", cpu + "       1.000 seconds"}}};
  void (*pictures[])() = {happyface,    sator,        carmag33, endfun1, tetrakis,
                          tetratemple1, tetratemple2, graben,   horst,   tetrakis};
  for (int digit = 0; digit <= 9; ++digit) {
    std::tie(host_.clock, host_.cpu, std::ignore) = cases[digit % 5];
    host_.time.second = 50 + digit;
    EXPECT_EQ(run_with("", progtail2).lines,
              lines({{rule('@'), " @ PROGRAM varnholt_pk", " @ Version: 1.5",
                      " @ STARTED    ON: 2024-09-13 AT 10:11:12",
                      " @ TERMINATED ON: 2024-09-13 AT 10:11:5" + std::to_string(digit)},
                     std::get<2>(cases[digit % 5]),
                     {kInner},
                     run_with("", pictures[digit]).lines,
                     {rule('@')}}))
        << digit;
  }
}
