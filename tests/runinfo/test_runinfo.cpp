#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "gral/format.h"
#include "gral/pictures.h"
#include "gral/platform.h"
#include "records/fixedtext.h"
#include "runinfo/runinfo.h"
#include "support/console.h"

using testing_support::Console;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

// A host with fixed answers that logs what was asked of it, in order.
class FakePlatform : public gral::Platform {
 public:
  gral::LocalTime time{2024, 9, 13, 10, 11, 12};
  gral::ClockReading clock{5000, 1000, 2147483647};
  float cpu = 1.5f;
  std::vector<std::string> log;

  gral::LocalTime local_time() override { return note("time"), time; }
  std::optional<std::string> login_name() override { return note("login"), "tmarsolan"; }
  std::optional<std::string> node_name() override { return note("node"), "bench.lab"; }
  gral::CommandResult run_command(const std::string& command) override {
    bool cpu_query = command.find("cpuinfo") != std::string::npos;
    note(cpu_query ? "cpu" : "version");
    std::ofstream(cpu_query ? "cpu_info_tmp_001.txt" : "sys_version_tmp_001.txt")
        << (cpu_query ? "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n" : "6.1.0-18-amd64\n");
    return {};
  }
  gral::CommandResult remove_file(const std::string& path) override {
    return gral::RealPlatform().remove_file(path);
  }
  gral::ClockReading system_clock() override { return note("clock"), clock; }
  float processor_time() override { return note("cpu time"), cpu; }
  void note(const char* what) { log.push_back(what); }
};

class RunInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "runinfo_XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    home_ = fs::current_path();
    fs::current_path(dir_);
    runinfo3com = RunInfo3Com{};
    gral::set_platform(&fake_);
  }
  void TearDown() override {
    gral::set_platform(nullptr);
    fs::current_path(home_);
    fs::remove_all(dir_);
  }
  void start() {
    Console quiet;
    smaininfo2("varnholt_pk", " 1.5", "2024-09-13");
  }
  FakePlatform fake_;
  fs::path dir_, home_;
};

const std::string kAt = " " + std::string(50, '@');
const std::string kInner = " @" + std::string(49, '-');

}  // namespace

TEST_F(RunInfo, CodeModesStoreFetchAskOrRefuse) {
  struct Case {
    std::int32_t stored, code, inter, want_code, want_stored;
    Lines shown;  // lines expected among the output
  };
  for (const Case& k : std::vector<Case>{
           {2,
            5,
            1,
            0,
            0,
            {" RUN INFO CODE OUT OF RANGE:", "  run info code =     5", "  min =     0", "  max =     3",
             " ==> RESET run info code =     0"}},
           {2, -1, 1, 0, 0, {"  run info code =    -1"}},
           {0, 2, 1, 2, 2, {}},
           {3, 1, 3, 3, 3, {}},
           {1, 2, 6, 2, 1, {" inter =     6", " ===> NO ACTION"}},
           {1, 2, -1, 2, 1, {" inter =    -1"}},
           {3, 2, 5, 0, 0, {" INITIALISING RUN INFO"}},
           {3,
            0,
            2,
            3,
            3,
            {"    RUN INFORMATION TO WRITE AND PLOT", " run info code current value =     3",
             " date          +os+hardw+main+subr+cmnd...2"}},
       }) {
    Console c("\n");
    runinfo3com.IRUNINFO = k.stored;
    std::int32_t code = k.code;
    swpinfo(code, k.inter);
    EXPECT_EQ(code, k.want_code) << k.inter;
    EXPECT_EQ(runinfo3com.IRUNINFO, k.want_stored) << k.inter;
    std::string out = c.text();
    for (const auto& l : k.shown) EXPECT_NE(out.find(l + "\n"), std::string::npos) << l;
    EXPECT_EQ(out.empty(), k.shown.empty());
    EXPECT_TRUE(k.inter != 5 || c.lines().size() == 4u);  // announced, no closing rule
  }
}

TEST_F(RunInfo, StartFillsTheRecordInOrder) {
  Console c;
  runinfo3com.IRUNINFO = 2;
  runinfo3com.ICMND = 7;
  smaininfo2("varnholt_pk_extra", "1.5", "2024-09-13");
  const auto& r = runinfo3com;
  EXPECT_EQ(r.IROUTLEV, 1);
  EXPECT_EQ(r.ROUTNAME(1) + r.ROUTVERS(1) + r.ROUTDATE(1), "varnholt_pk1.5 2024-09-13");
  EXPECT_EQ(r.ICMND, 0);
  EXPECT_EQ(r.IRUNINFO, 0);
  EXPECT_EQ(r.USERNAM + r.HOSTNAM, "tmarsolan " + fixed::fit("bench.lab", 35));
  EXPECT_EQ(r.OSVERS + r.HARDWINFO, "Linux_6.1.0-1" + fixed::fit("Core i7-8700 CPU @ 3.20GHz", 30));
  EXPECT_EQ(r.RUNDATE + r.RUNTIME, "2024-09-1310:11:12");
  EXPECT_EQ(r.CPUTIME0, 1.5f);
  EXPECT_EQ(r.ICLOCK0, 5000);
  EXPECT_EQ(fake_.log, (Lines{"login", "node", "version", "cpu", "time", "cpu time", "clock"}));
  EXPECT_TRUE(fs::is_empty(dir_));
  scmndinfo(-12);
  EXPECT_EQ(r.ICMND, -12);
}

TEST_F(RunInfo, HeaderOnThisMachineShowsUserAndHostOnlyForCodesZeroAndOne) {
  gral::set_platform(nullptr);
  start();
  for (std::int32_t code : {0, 2}) {
    Console c("typed\nnext\n");
    runinfo3com.IRUNINFO = code;
    progheadtm2();
    EXPECT_EQ(c.unread(), "next\n");  // the wait takes one line
    Lines lines = c.lines();
    ASSERT_EQ(lines.size(), code == 0 ? 30u : 28u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 8),
              (Lines{kAt, " @", " @          MAIN PROGRAM: varnholt_pk", " @               Version: 1.5",
                     " @                  Date: 2024-09-13", " @", kInner, " @"}));
    Lines patterns = {R"( @       Starting on \d{4}-\d\d-\d\d at \d\d:\d\d:\d\d)",
                      R"( @    System: Linux_\S+)", R"( @       CPU: \S.*)"};
    if (code == 0) patterns.insert(patterns.begin() + 1, {R"( @      User: \S+)", R"( @      Host: \S+)"});
    for (std::size_t i = 0; i < patterns.size(); ++i)
      EXPECT_TRUE(std::regex_match(lines[8 + i], std::regex(patterns[i]))) << lines[8 + i];
    EXPECT_EQ(lines[8 + patterns.size()], " @");
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{kInner, " @             HIT RETURN TO CONTINUE", kAt}));
  }
  EXPECT_TRUE(fs::is_empty(dir_));
  Console eof;  // the wait goes on at the end of input
  EXPECT_EQ(testing_support::run_status([] { progheadtm2(); }), -1);
}

TEST_F(RunInfo, TrailerPictureFollowsLastDigitOfEndTime) {
  start();
  void (*pictures[])() = {happyface,    sator,        carmag33, endfun1, tetrakis,
                          tetratemple1, tetratemple2, graben,   horst,   tetrakis};
  for (int digit = 0; digit <= 9; ++digit) {
    Lines want;
    {
      Console p;
      pictures[digit]();
      want = p.lines();
    }
    fake_.time.second = 50 + digit;
    Console c;
    progtail2();
    Lines lines = c.lines();
    ASSERT_EQ(lines.size(), 10u + want.size());
    EXPECT_EQ(lines[4], " @ TERMINATED ON: 2024-09-13 AT 10:11:5" + std::to_string(digit));
    EXPECT_EQ(Lines(lines.begin() + 9, lines.end() - 1), want) << digit;
    EXPECT_EQ(lines.back(), kAt);
  }
}

TEST_F(RunInfo, TrailerTimesInSecondsOrMinutes) {
  start();  // clock 5000 and processor time 1.5 at the start
  const std::string modulo = " @       modulo     35791.395 mn";
  struct Case {
    gral::ClockReading end;
    float cpu;
    Lines times;
  };
  for (const Case& k : std::vector<Case>{
           {{125000, 1000, 2147483647},
            31.75f,
            {" @ ELAPSED TIME =     120.000 seconds", modulo, " @ CPU TIME     =      30.250 seconds"}},
           {{155000, 1000, 2147483647},
            301.5f,
            {" @ ELAPSED TIME =       2.500 mn", modulo, " @ CPU TIME     =       5.000 mn"}},
           // No tick between start and end: nothing elapsed, not a full period.
           {{5000, 1000, 2147483647}, 1.5f, {" @ ELAPSED TIME =       0.000 seconds", modulo}},
           // The count wrapped once.
           {{2000, 1000, 8000},
            1.5f,
            {" @ ELAPSED TIME =       5.000 seconds", " @       modulo         0.133 mn"}},
           {{7, 0, 0},
            2.5f,
            {" @ Could not compute elapsed system clock time", " @ CPU TIME     =       1.000 seconds"}},
       }) {
    fake_.clock = k.end;
    fake_.cpu = k.cpu;
    Console c;
    progtail2();
    Lines lines = c.lines();
    EXPECT_EQ(
        Lines(lines.begin() + 1, lines.begin() + 4),
        (Lines{" @ PROGRAM varnholt_pk", " @ Version: 1.5", " @ STARTED    ON: 2024-09-13 AT 10:11:12"}));
    EXPECT_EQ(Lines(lines.begin() + 5, lines.begin() + 5 + static_cast<long>(k.times.size())), k.times);
  }
}
