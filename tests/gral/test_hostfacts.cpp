#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gral/hostfacts.h"
#include "gral/signals.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "support/expect.h"
#include "support/signal_in_call.h"

using namespace testing_support;
using HostFacts = OnFakeHost;

// Intel's brand prefix is dropped only where the record starts with it. The
// file is read at 50 characters (processor) or 8 (version).
TEST_F(HostFacts, ProcessorAndVersionTextsAreShortenedAndFitted) {
  // routine, what its command writes, the caller's length, the text handed back
  const std::tuple<void (*)(std::string&), std::string, int, std::string> cases[] = {
      {hardinfo, "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n", 30, "Core i7-8700 CPU @ 3.20GHz"},
      {hardinfo, "  Intel(R) Core(TM) i5\n", 30, "Intel(R) Core(TM) i5"},
      {hardinfo, "Vendor " + std::string(60, 'v') + "\n", 60, "Vendor " + std::string(43, 'v')},
      {hardinfo, "Intel(R) Core(TM) " + std::string(40, 'k'), 60, "Core " + std::string(32, 'k')},
      {osversion, "6.1.0-18-amd64\n", 13, "Linux_6.1.0-1"}};
  for (auto [routine, written, length, want] : cases) {
    host_.cpu_text = host_.version_text = written;
    std::string text(length, ' ');
    EXPECT_EQ(run_with("", [&] { routine(text); }).lines, Lines{});
    EXPECT_EQ(std::pair(text, dir_.empty()), std::pair(fixed::fit(want, length), true)) << written;
  }
}

// A host that cannot tell: no login name leaves the user blank, no node name
// gives "unknown", and a command that cannot run warns and falls back. The
// date and time are padded with zeros. The warnings name the file the
// platform settled on.
TEST_F(HostFacts, EveryFactFallsBackWithAWarningWhenTheHostCannotTell) {
  std::string date(10, ' '), time(8, ' '), user(10, 'x'), host(35, 'x'), info(30, ' '), vers(13, ' ');
  host_.time = {2024, 1, 2, 0, 7, 5};
  host_.login = host_.node = std::nullopt;
  host_.can_run = false;
  host_.used = "cpu_info_tmp_002.txt";
  const Lines out = run_with("", [&] {
                      date10_time8(date, time);
                      username(user);
                      hostname(host);
                      hardinfo(info);
                    }).lines;
  EXPECT_EQ(count(run_with("", [&] { osversion(vers); }).lines, " => SETTING SYSTEM VERSION = Linux"), 1);
  EXPECT_EQ(std::tuple(date, time, user, host, vers, info, host_.removals),
            std::tuple("2024-01-02", "00:07:05", fixed::blanks(10), fixed::fit("unknown", 35),
                       fixed::fit("Linux", 13), fixed::fit("unknown", 30), 0));
  EXPECT_TRUE(has_in_order(
      out, Lines{name_line("///", "hardinfo "), " COULD NOT DETERMINE CPU INFO",
                 " filename = cpu_info_tmp_002.txt     ",
                 " command  = sed -n '/name/{s/.*: //p;q}' /proc/cpuinfo>cpu_info_tmp_002.txt  ",
                 " exitstat =     -1", " cmdstat  =      2",
                 " cmdmsg   = " + fixed::fit("shell not found", 120), " => SETTING CPU INFO = unknown"}));
  // Open and read failures name the file's status; a failed removal shows the
  // removal command and keeps what was read.
  const std::string fallback = " => SETTING CPU INFO = unknown", status = " status   = unknown";
  const std::string rm = " command  = rm cpu_info_tmp_002.txt" + std::string(42, ' '),
                    denied = " cmdmsg   = " + fixed::fit("Permission denied", 120);
  // failure, info handed back, removals, lines shown in this order
  const std::tuple<std::string, std::string, int, Lines> cases[] = {
      {"not opened", "unknown", 0, {" COULD NOT OPEN CPU INFO FILE", status, fallback}},
      {"empty", "unknown", 1, {" COULD NOT READ CPU INFO FILE", status, fallback}},
      {"not removed", "Core i9", 1, {" COULD NOT REMOVE CPU INFO FILE", rm, denied}}};
  for (auto [failure, want, removals, shown] : cases) {
    host_.removals = 0;
    host_.can_run = true;
    host_.cpu_text = failure == "empty" ? "" : "Intel(R) Core(TM) i9\n";
    host_.remove_fails = failure == "not removed";
    host_.used = host_.remove_fails ? std::optional("cpu_info_tmp_002.txt") : std::nullopt;
    if (failure == "not opened") std::filesystem::create_directory("cpu_info_tmp_001.txt");
    std::string info(30, ' ');
    const Lines out = run_with("", [&] { hardinfo(info); }).lines;
    EXPECT_EQ(std::tuple(info, host_.removals), std::tuple(fixed::fit(want, 30), removals)) << failure;
    EXPECT_TRUE(has_in_order(out, shown)) << failure;
    std::filesystem::remove_all("cpu_info_tmp_001.txt");
  }
}

// The processor text is the model name, perhaps without Intel's brand prefix.
// Regular files at the temporary names are other runs' and stay as they are.
TEST_F(HostFacts, RealPlatformReportsThisMachine) {
  gral::set_platform(nullptr);
  const std::string others = "another run's\n";
  dir_.file("cpu_info_tmp_001.txt", others), dir_.file("sys_version_tmp_001.txt", others);
  std::string user(10, ' '), host(35, ' '), info(30, ' '), vers(13, ' ');
  const Lines shown = run_with("", [&] {
                        username(user);
                        hostname(host);
                        hardinfo(info);
                        osversion(vers);
                      }).lines;
  utsname u{};
  ASSERT_EQ(uname(&u), 0);
  EXPECT_EQ(std::tuple(user, host, vers),
            std::tuple(fixed::fit(getpwuid(getuid())->pw_name, 10), fixed::fit(u.nodename, 35),
                       fixed::fit("Linux_" + std::string(u.release).substr(0, 8), 13)));
  std::stringstream cpuinfo;
  cpuinfo << std::ifstream("/proc/cpuinfo").rdbuf();
  // Without a line that names the model (arm64), the fallback.
  const std::string model = gral::trimmed(info);
  const bool named = cpuinfo.str().find("name") != std::string::npos;
  if (!named) {
    EXPECT_EQ(model, "unknown");
  } else {
    EXPECT_NE(cpuinfo.str().find(
                  ": " + (model.starts_with("Core ") ? "Intel(R) Core(TM) " + model.substr(5) : model)),
              std::string::npos);
  }
  // No warning but the missing model's, and only the other runs' files left,
  // as they were.
  EXPECT_EQ(std::tuple(lines_with(shown, " COULD NOT"), file_text("cpu_info_tmp_001.txt"),
                       file_text("sys_version_tmp_001.txt"),
                       std::distance(std::filesystem::directory_iterator("."), {})),
            std::tuple(named ? Lines{} : Lines{" COULD NOT READ CPU INFO FILE"}, others, others, 2));
}

// A command's file takes the first free number after regular files; it stops
// at anything else, and after 999. A command that cannot be waited for (its
// parent ignoring SIGCHLD has it reaped unseen) leaves no file behind. No
// command leaves a descriptor open, not even one ended by an interrupt.
TEST_F(HostFacts, RealCommandsTakeTheNextFreeName) {
  ASSERT_EQ(std::system("echo a >x_001.txt; echo b >x_002.txt; mkfifo y_002.txt; echo c >z_999.txt"), 0);
  // file asked for, file named, cmdstat, cmdmsg
  const std::tuple<std::string, std::string, int, std::string> cases[] = {
      {"x_001.txt", "x_003.txt", 0, ""},
      {"x_002.txt", "x_004.txt", 0, ""},
      {"x_001.txt", "x_005.txt", 0, ""},
      {"y_002.txt", "y_002.txt", 1, "y_002.txt is not a regular file: left as it is"},
      {"z_999.txt", "z_999.txt", 1, "File exists"}};
  for (auto [asked, named, cmdstat, cmdmsg] : cases) {
    const gral::CommandResult r = gral::RealPlatform().run_command("echo run", asked);
    EXPECT_EQ(std::tuple(r.file, r.cmdstat, r.cmdmsg), std::tuple(named, cmdstat, cmdmsg)) << asked;
  }
  EXPECT_EQ(std::tuple(file_text("x_001.txt"), file_text("x_002.txt"), file_text("x_005.txt")),
            std::tuple("a\n", "b\n", "run\n"));

  struct sigaction ignore {
  }, before{}, released{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGCHLD, &ignore, &before);
  gral::CommandResult r = gral::RealPlatform().run_command("echo run", "w_001.txt");
  EXPECT_EQ(std::pair(r.cmdstat, std::filesystem::exists("w_001.txt")), std::pair(1, false));
  // The run has SIGCHLD at its default while it catches the interrupts, and
  // hands it back ignored.
  gral::catch_interrupts();
  const auto open_descriptors = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
  };
  const auto descriptors = open_descriptors();
  EXPECT_EQ(gral::RealPlatform().run_command("echo run", "w_001.txt").cmdstat, 0);
  {
    SignalInCall in_poll({});
    r = gral::RealPlatform().run_command("sleep 30", "w_002.txt");
  }
  EXPECT_EQ(std::tuple(r.cmdmsg, open_descriptors()), std::tuple("ended by the interrupt", descriptors));
  gral::release_interrupts();
  sigaction(SIGCHLD, &before, &released);
  EXPECT_EQ(released.sa_handler, SIG_IGN);
  // A command that cannot even be started leaves no file either.
  r = gral::RealPlatform("no_such_shell").run_command("echo run", "u_001.txt");
  EXPECT_EQ(std::pair(r.cmdstat, std::filesystem::exists("u_001.txt")), std::pair(1, false));
  // The interrupt recorded here is no later test's.
  gral::catch_interrupts();
  gral::release_interrupts();
}
