#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gral/hostfacts.h"
#include "gral/platform.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "support/console.h"

using testing_support::Console;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

const std::string kCpuCommand = "sed -n '/name/{s/.*: //p;q}' /proc/cpuinfo>cpu_info_tmp_001.txt";

// A command that can be run writes `output` (when set) into the file it
// redirects to; removal fails on request.
class FakePlatform : public gral::Platform {
 public:
  gral::LocalTime time;
  std::optional<std::string> login, node, output;
  bool can_run = true, remove_fails = false;
  int removals = 0;

  gral::LocalTime local_time() override { return time; }
  std::optional<std::string> login_name() override { return login; }
  std::optional<std::string> node_name() override { return node; }
  gral::CommandResult run_command(const std::string& command) override {
    if (!can_run) return {-1, 2, "shell not found"};
    if (output) std::ofstream(command.substr(command.find_last_of("> ") + 1)) << *output;
    return {};
  }
  gral::CommandResult remove_file(const std::string& path) override {
    ++removals;
    if (remove_fails) return {1, 13, "Permission denied"};
    return gral::RealPlatform().remove_file(path);
  }
  gral::ClockReading system_clock() override { return {}; }
  float processor_time() override { return 0.0f; }
};

// The temporary files have fixed names: each test works in its own folder.
class HostFacts : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "hostfacts_XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    home_ = fs::current_path();
    fs::current_path(dir_);
    gral::set_platform(&fake_);
  }
  void TearDown() override {
    gral::set_platform(nullptr);
    fs::current_path(home_);
    fs::remove_all(dir_);
  }
  FakePlatform fake_;
  fs::path dir_, home_;
};

}  // namespace

TEST_F(HostFacts, DateTimeUserAndHostFitTheirFields) {
  std::string date(10, ' '), time(8, ' '), user(10, 'x'), host(35, 'x');
  fake_.time = {2024, 1, 2, 0, 7, 5};
  date10_time8(date, time);
  username(user);
  hostname(host);
  EXPECT_EQ(date + " " + time, "2024-01-02 00:07:05");
  EXPECT_EQ(user, fixed::blanks(10));
  EXPECT_EQ(host, fixed::fit("unknown", 35));

  fake_.login = "averylonglogin";
  fake_.node = "node-" + std::string(40, 'n');
  username(user);
  hostname(host);
  EXPECT_EQ(user, "averylongl");
  EXPECT_EQ(host, fixed::fit(*fake_.node, 35));
}

TEST_F(HostFacts, ProcessorAndVersionTextsAreShortenedAndFitted) {
  struct Case {
    void (*routine)(std::string&);
    std::string written;
    std::size_t field;
    std::string want;
  };
  const std::string vendor = "Vendor " + std::string(60, 'v');
  for (const Case& c : std::vector<Case>{
           {hardinfo, "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n", 30, "Core i7-8700 CPU @ 3.20GHz"},
           {hardinfo, "  Intel(R) Core(TM) i5\n", 30, "Intel(R) Core(TM) i5"},
           {hardinfo, "AMD EPYC 7763 64-Core Processor\n", 30, "AMD EPYC 7763 64-Core Processo"},
           {hardinfo, vendor + "\n", 60, vendor.substr(0, 50)},
           {hardinfo, "Intel(R) Core(TM) " + std::string(40, 'k'), 60, "Core " + std::string(32, 'k')},
           {osversion, "6.1.0-18-amd64\n", 13, "Linux_6.1.0-1"},
           {osversion, "6.8.0\n", 13, "Linux_6.8.0"},
       }) {
    Console con;
    fake_.output = c.written;
    std::string text(c.field, ' ');
    c.routine(text);
    EXPECT_EQ(text, fixed::fit(c.want, c.field)) << c.written;
    EXPECT_TRUE(con.lines().empty());
    EXPECT_TRUE(fs::is_empty(dir_));
  }
}

TEST_F(HostFacts, CommandThatCannotRunWarnsAndFallsBack) {
  std::string info(30, ' '), vers(13, ' ');
  fake_.can_run = false;
  {
    Console quiet;
    osversion(vers);
  }
  EXPECT_EQ(vers, fixed::fit("Linux", 13));
  Console con;
  hardinfo(info);
  EXPECT_EQ(info, fixed::fit("unknown", 30));
  EXPECT_EQ(fake_.removals, 0);
  const std::string slash = " " + std::string(50, '/');
  EXPECT_EQ(
      con.lines(),
      (Lines{slash, " ///          subroutine     hardinfo           ///",
             " ///                  WARNING                   ///", slash, " COULD NOT DETERMINE CPU INFO",
             " filename = cpu_info_tmp_001.txt     ", " command  = " + fixed::fit(kCpuCommand, 65),
             " wait     =      1", " exitstat =     -1", " cmdstat  =      2",
             " cmdmsg   = " + fixed::fit("shell not found", 120), " => SETTING CPU INFO = unknown", slash}));
}

TEST_F(HostFacts, FileFailuresWarnAndRemoveWhatWasOpened) {
  struct Case {
    std::string name, want, message, before_rule;
    int removals;
  };
  for (const Case& c : std::vector<Case>{
           {"not opened", "unknown", " COULD NOT OPEN CPU INFO FILE", " => SETTING CPU INFO = unknown", 0},
           {"empty", "unknown", " COULD NOT READ CPU INFO FILE", " => SETTING CPU INFO = unknown", 1},
           {"not removed", "Core i9", " COULD NOT REMOVE CPU INFO FILE",
            " cmdmsg   = " + fixed::fit("Permission denied", 120), 1},
       }) {
    Console con;
    fake_ = FakePlatform{};
    fake_.output = c.name == "empty" ? "" : "Intel(R) Core(TM) i9\n";
    fake_.remove_fails = c.name == "not removed";
    if (c.name == "not opened") fs::create_directory("cpu_info_tmp_001.txt");
    std::string info(30, ' ');
    hardinfo(info);
    EXPECT_EQ(info, fixed::fit(c.want, 30)) << c.name;
    EXPECT_EQ(fake_.removals, c.removals) << c.name;
    Lines lines = con.lines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[4], c.message);
    EXPECT_EQ(lines[lines.size() - 2], c.before_rule);
    // Open and read failures name the file's status and unit; a failed
    // removal shows the removal command.
    EXPECT_EQ(lines[6], c.name == "not removed" ? " command  = " + fixed::fit("rm cpu_info_tmp_001.txt", 65)
                                                : " status   = unknown");
    fs::remove_all("cpu_info_tmp_001.txt");
  }
}

TEST_F(HostFacts, RealPlatformReportsThisMachine) {
  gral::set_platform(nullptr);
  Console con;
  std::string user(10, ' '), host(35, ' '), info(30, ' '), vers(13, ' ');
  username(user);
  hostname(host);
  hardinfo(info);
  osversion(vers);

  auto first_line = [](const std::string& path, const std::string& prefix) {
    std::ifstream f(path);
    for (std::string line; std::getline(f, line);)
      if (line.starts_with(prefix)) return line;
    return std::string();
  };
  std::string model = first_line("/proc/cpuinfo", "model name");
  model = model.empty() ? "unknown" : model.substr(model.find(": ") + 2);
  if (model.starts_with("Intel(R) Core(TM) ")) model = "Core " + model.substr(18);
  EXPECT_EQ(user, fixed::fit(getpwuid(getuid())->pw_name, 10));
  EXPECT_EQ(host, fixed::fit(first_line("/proc/sys/kernel/hostname", ""), 35));
  EXPECT_EQ(vers, fixed::fit("Linux_" + first_line("/proc/sys/kernel/osrelease", "").substr(0, 8), 13));
  EXPECT_EQ(info, fixed::fit(gral::trimmed(fixed::fit(model, 50)), 30));
  EXPECT_TRUE(fs::is_empty(dir_));
}
