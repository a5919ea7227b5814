#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gral/fileopen.h"
#include "gral/format.h"
#include "gral/pictures.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "support/console.h"

using testing_support::Console;
using testing_support::run_status;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// A directory of its own for the files a test creates, removed afterwards.
struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() / ("vpk_fileopen_" + std::to_string(std::random_device{}()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  std::string file(const std::string& name, const std::string& content) const {
    std::ofstream(path / name) << content;
    return (path / name).string();
  }
  std::string missing() const { return (path / "no_dir" / "x.ps").string(); }
};

const std::string kAt = " " + std::string(50, '@');
const std::string kDots = " " + std::string(42, '.');
const std::string kRule43 = " " + std::string(43, '-');
const std::string kPause = " ===> HIT RETURN TO CONTINUE";

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Lines announcement(const std::string& name, const std::string& vers_date) {
  return {kAt, " " + fixed::fit("@ subroutine " + name, 33) + vers_date, " @" + std::string(49, '='),
          " OPENING plot init FILE", kAt};
}
const Lines kAnnounce1 = announcement("opef1", "  v1.1 2024-05-29");
const Lines kAnnounce2 = announcement("opef2", "  v5.2 2023-04-25");

Lines name_default_taken(const std::string& work) {
  return {kDots,
          " Enter plot init file name",
          " or return for default value",
          " Default = " + work,
          " ichar =  32 => use default value",
          " New value = " + fixed::fit(work, 250),
          kDots};
}

Lines frame_head(char c, const std::string& name, const std::string& word) {
  const std::string rule = " " + std::string(50, c), edge(3, c), pad((44 - word.size()) / 2, ' ');
  const std::string named =
      " " + edge + std::string(10, ' ') + "subroutine " + gral::fmt_a(name, 13) + std::string(10, ' ') + edge;
  if (c == '/') return {rule, named, " " + edge + pad + word + pad + edge, rule};
  const std::string empty = " " + edge + std::string(44, ' ') + edge;
  return {rule, rule, empty, named, empty, " " + edge + pad + word + pad + edge, empty, rule, rule};
}

Lines described(const std::string& what, const std::string& work) {
  return {" " + what + " plot init FILE", " File name = " + fixed::fit(work, 250), " for unit =   50"};
}

Lines prefix(const Lines& all, std::size_t n) {
  return Lines(all.begin(), all.begin() + static_cast<long>(std::min(n, all.size())));
}

bool has(const Lines& all, const std::string& line) {
  return std::find(all.begin(), all.end(), line) != all.end();
}

}  // namespace

// A file that cannot be created, under each mode and stop level.
TEST(Opef1, FailureByModeAndStopLevel) {
  TempDir dir;
  const std::string bad = dir.missing();
  const Lines failed = frame_head('*', "opef1      ", "ERROR ") + described("FAILED TO OPEN", bad);
  const Lines proceed = {kRule43, " Could not open plot init file", " => Proceeding", kRule43};
  const Lines refused = name_default_taken(bad) + frame_head('/', "opef1      ", "WARNING ") +
                        described("COULD NOT OPEN", bad) +
                        Lines{" ===> RETRYING TO OPEN THE FILE",
                              kPause,
                              " " + std::string(50, '/'),
                              kDots,
                              " Retry (1) or proceed without retrying (0) ?",
                              " Enter (0/1)(n/y)(N/Y)",
                              " or return for default value or h for help",
                              " Default = Yes",
                              " New value =  No ",
                              kDots};
  struct Case {
    int mode, igrav;
    std::string keyboard;
    int run;           // exit status, -1 when opef1 returns
    Lines starts;      // what opef1 writes before the error ending takes over
    std::string then;  // a line the error ending must show, or ""
  };
  const std::vector<Case> cases = {
      {7, -1, "", -1, {}, ""},
      {7, 0, "\n\n", -1, failed, " RESUME ?"},
      {1, 1, "n\n\n", -1, kAnnounce1 + failed, " STOP ?"},
      {1, 2, "\n", 1, kAnnounce1 + failed, " EXECUTION STOPPED BY PROGRAM"},
      {1, -1, "", -1, kAnnounce1 + proceed, ""},
      {0, -1, "\n\nn\n", -1, kAnnounce1 + refused + proceed, ""},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE("mode " + std::to_string(k.mode) + " igrav " + std::to_string(k.igrav));
    Console c(k.keyboard);
    std::string name = bad;
    std::int32_t iostat = -5;
    EXPECT_EQ(run_status([&] { opef1(name, "plot init", 50, "unknown", "write", k.mode, k.igrav, iostat); }),
              k.run);
    if (k.run == -1) {
      EXPECT_EQ(iostat, 1);
    }
    EXPECT_EQ(name, bad);
    EXPECT_FALSE(gral::unit_is_open(50));
    EXPECT_EQ(prefix(c.lines(), k.starts.size()), k.starts);
    if (k.then.empty()) {
      EXPECT_EQ(c.lines().size(), k.starts.size());
    } else {
      EXPECT_TRUE(has(c.lines(), k.then));
    }
    EXPECT_EQ(c.unread(), "");
  }
}

TEST(Opef1, HandsBackTheBaseNameAtTheCallersLength) {
  TempDir dir;
  fs::create_directories(dir.path / "sub");
  const std::string good = dir.file("sub/good.txt", "x\n");
  {
    Console c;
    std::string name = fixed::fit(good, 60);
    std::int32_t iostat = -5;
    opef1(name, "plot init", 50, "old", "read", 1, -1, iostat);
    EXPECT_EQ(iostat, 0);
    EXPECT_EQ(name, fixed::fit("good.txt", 60));
    EXPECT_EQ(gral::read_record(50), "x");
  }
  {
    Console c(good + "\n");
    std::string name;
    std::int32_t iostat = -5;
    opef1(name, "plot init", 50, "old", "read", 0, -1, iostat);
    EXPECT_EQ(iostat, 0);
    EXPECT_EQ(name, "good.txt");
  }
}

// The name comes from the command file; the pause and the retry question
// stay at the keyboard.
TEST(Opef1, RetryIsAskedAtTheKeyboardWhileACommandFileIsRead) {
  TempDir dir;
  const std::string good = dir.file("good.txt", "");
  const std::string cmd = dir.file("cmd.txt", dir.missing() + "\n" + good + "\nnext\n");
  Console c("\ny\n");
  ASSERT_TRUE(gral::open_unit(15, cmd, "old", "read"));
  iocom.IUNCMD = iocom.IUNSTDIN = 15;
  iocom.LCMDOPEN = true;
  iocom.LWITO(2) = false;
  std::string name = "start.txt";
  std::int32_t iostat = -5;
  opef1(name, "plot init", 50, "unknown", "write", 0, -1, iostat);
  EXPECT_EQ(iostat, 0);
  EXPECT_EQ(name, "good.txt ");  // at the length of "start.txt"
  EXPECT_EQ(c.unread(), "");
  EXPECT_EQ(gral::read_record(15), "next");
  EXPECT_TRUE(has(c.lines(), " ===> HIT RETURN TO RESUME COMMANDS"));
  EXPECT_TRUE(has(c.lines(), " Retry (1) or proceed without retrying (0) ?"));
}

TEST(Opef2, RetriesUntilANameOpens) {
  TempDir dir;
  const std::string bad = dir.missing(), good = dir.file("table.txt", "");
  Console c("\n\n" + good + "\n");
  std::string name = bad;
  opef2(name, "plot init", 50, "old ", 0);
  EXPECT_EQ(name, fixed::fit("table.txt", bad.size()));
  const Lines want = kAnnounce2 + name_default_taken(bad) +
                     frame_head('/', "opef2               ", "WARNING ") + described("COULD NOT OPEN", bad) +
                     Lines{" ===> RETRYING", kPause, " " + std::string(50, '/')} + kAnnounce2;
  EXPECT_EQ(prefix(c.lines(), want.size()), want);
  EXPECT_TRUE(gral::unit_is_open(50));
}

// Stopped by a failed opening, the run reports failure in its exit status.
TEST(Opef2, FailureOutsideTheInteractiveModeEndsTheRun) {
  TempDir dir;
  const std::string bad = dir.missing();
  Lines face = [] {
    Console f;
    sorryface();
    return f.lines();
  }();
  Console c("\n");
  std::string name = bad;
  EXPECT_EQ(run_status([&] { opef2(name, "plot init", 50, "old", 1); }), 1);
  const Lines want = kAnnounce2 + frame_head('*', "opef2               ", "ERROR ") +
                     described("COULD NOT OPEN", bad) +
                     Lines{" ===> STOPPING EXECUTION", kPause, " " + std::string(50, '*')} + face;
  EXPECT_EQ(c.lines(), want);
  EXPECT_EQ(name, bad);
}
