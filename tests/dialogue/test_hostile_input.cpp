// What a hostile user can put in the program's way: entries at the names of
// the host-fact files, command files that are not files, endless records, a
// console that cannot be written, and answers of every kind at random. Each
// run must end by itself, touch nothing outside its directory, write nothing
// on stderr and keep its memory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "session.h"
#include "support/expect.h"
#include "support/process.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const std::string kQuit = "\n9999\n";
const std::string kCpuTmp = "cpu_info_tmp_001.txt", kSysTmp = "sys_version_tmp_001.txt";

// Every run of the program here: no byte on stderr, and never more than a
// modest resident size whatever the files hold.
void expect_clean(const ProcessRun& r) {
  EXPECT_EQ(r.err, "");
  EXPECT_LT(peak_child_mib(), 400);
}

// Entries at the temporary names are left as they are: the command is not
// run, the fallback and its warning are used, and the run goes on. A regular
// file there (another run's, or a stale one) is kept as well, and the next
// number is used, without a warning.
TEST(HostileInput, EntriesAtTheHostFactFileNamesAreLeftAlone) {
  TempDir dir;
  // A file of the user's outside the working directory.
  const std::string outside = "../outside_" + std::to_string(getpid()), kept = outside + "/kept.txt",
                    absent = outside + "/absent.txt";
  fs::create_directory(outside);
  std::ofstream(kept) << "precious\n";
  const std::string warned_cpu = " COULD NOT DETERMINE CPU INFO",
                    warned_sys = " COULD NOT DETERMINE SYSTEM VERSION";
  // what stands at each name, made by the shell, and whether it is left alone
  const std::pair<std::string, bool> cases[] = {
      {"ln -s " + kept + " " + kCpuTmp + "; ln -s " + absent + " " + kSysTmp, true},
      {"mkfifo " + kCpuTmp + " " + kSysTmp, true},
      {"echo stale cpu >" + kCpuTmp + "; echo stale >" + kSysTmp, false}};
  for (const auto& [setup, left] : cases) {
    SCOPED_TRACE(setup);
    ASSERT_EQ(std::system(setup.c_str()), 0);
    const ProcessRun r = run_program(kQuit);
    expect_clean(r);
    const Lines out = split_lines(r.out);
    EXPECT_EQ(std::tuple(r.status, count(out, warned_sys), r.out.find("stale")),
              std::tuple(0, left ? 1 : 0, std::string::npos));
    EXPECT_TRUE(!left || (count(out, warned_cpu) == 1 &&
                          has_in_order(out, {{" @    System: Linux"}, {" @       CPU: unknown"}})));
    EXPECT_TRUE(has_in_order(out, {{dialogue::kTrailer}}));
    EXPECT_EQ(std::pair(fs::exists(fs::symlink_status(kCpuTmp)), fs::exists(fs::symlink_status(kSysTmp))),
              std::pair(true, true));
    fs::remove_all(kCpuTmp), fs::remove_all(kSysTmp);
  }
  EXPECT_EQ(file_text(kept), "precious\n");
  EXPECT_FALSE(fs::exists(absent));
  fs::remove_all(outside);
}

// A command file must be a regular file or a pipe. A FIFO without a writer
// reads as empty and is closed as one that ran out; a device is refused
// like a missing file. The keyboard from a
// device of zeros, whose one line never ends, ends the run. Output the user
// never received is a failure, whether the disk is full or the descriptor
// closed.
TEST(HostileInput, CommandFilesThatAreNotFilesAnEndlessKeyboardAndALostConsole) {
  TempDir dir;
  ASSERT_EQ(std::system("mkfifo fifo"), 0);
  const std::string refused = "\nn\n\n9999\n", no = " COULD NOT OPEN COMMAND FILE  ";
  // keyboard, standard input and output, exit status, a line shown once before the trailer
  const std::tuple<std::string, std::string, std::string, int, std::string> cases[] = {
      {"\n5000\n5001\nfifo\n9999\n", "keyboard.txt", "out.txt", 0, " Command file fifo closed"},
      {"\n5000\n5001\n/dev/zero\n" + refused, "keyboard.txt", "out.txt", 0, no},
      {"", "/dev/zero", "out.txt", 0, dialogue::kEnd},
      {kQuit, "keyboard.txt", "/dev/full", 1, ""},
      {kQuit, "keyboard.txt", "&-", 1, ""}};
  for (const auto& [keyboard, in, out, status, shown] : cases) {
    SCOPED_TRACE(keyboard + in + out);
    const ProcessRun r = run_program(keyboard, out, in);
    expect_clean(r);
    EXPECT_EQ(r.status, status);
    const Lines lines = split_lines(r.out);
    EXPECT_TRUE(shown.empty() ||
                (count(lines, shown) == 1 && has_in_order(lines, {{shown}, {dialogue::kTrailer}})));
  }
}

const std::string kNames[] = {"fifo", "/dev/zero", "zeros", "folder", "no_dir/x", "cmds.txt", "cmds.txt"};

// One answer of a kind a user might type or a file might hold: menu codes,
// numbers at and beyond every limit, malformed numbers, yes/no/help letters,
// blank and empty lines and command-file names (most often, the codes twice
// as likely), or random bytes, NULs, a line of a megabyte, numbers at random.
std::string random_answer(std::mt19937& g) {
  static const auto literal = [] {
    std::vector<std::string> v;
    std::istringstream in(
        "10|11|12|14|20|31|32|33|34|35|36|41|42|43|50|51|52|53|54|55|56|57|58|60|61|62|63|64|65|66|67|"
        "100|200|5000|5001|5002|5000|5001|5003|99|0|-1|9999|1e39|-1e39|1e-46|0x10|1d5|1,2|/"
        "|,5|7abc|inf|nan|-0|"
        "2147483648|-2147483649|3.4028236e38|99999999999999999999|y|n|h|H|0|1|| |\r|  5|5 6|1e|-.5e-3|");
    for (std::string a; std::getline(in, a, '|');) v.push_back(a);
    v.insert(v.end(), v.begin(), v.begin() + 43);
    v.insert(v.end(), std::begin(kNames), std::end(kNames) - 1);
    return v;
  }();
  std::string bytes(g() % 60, ' ');
  switch (g() % 16) {
    case 12:
      for (char& c : bytes) c = static_cast<char>(g() % 256), c = c == '\n' || c == '/' ? '.' : c;
      return bytes;
    case 13:
      return std::string(1 + g() % 3, '\0');
    case 14:
      return g() % 50 == 0 ? std::string(1 << 20, static_cast<char>('0' + g() % 10)) : std::to_string(g());
    case 15:
      return std::to_string(static_cast<float>(static_cast<int>(g() % 20001) - 10000) / 7.0f);
    default:
      return literal[g() % literal.size()];
  }
}

// Whole runs in-process on answers at random until at least 10,000 have been
// read: each ends by itself with status 0 and the trailer complete, or with
// status 1 after the trailer or an error that stopped it.
TEST_F(OnFakeHost, RandomAnswersAlwaysEndTheRun) {
  ASSERT_EQ(std::system("mkfifo fifo && mkdir folder && ln -s /dev/zero zeros"), 0);
  std::mt19937 g(20240913);
  std::string commands;
  for (int i = 0; i < 300; ++i) commands += random_answer(g) + "\n";
  std::ofstream("cmds.txt") << commands;
  long read = 0, runs = 0;
  while (read < 10000) {
    std::string keyboard;
    long given = 0;
    for (; given < 150; ++given) {
      const std::string a = random_answer(g);
      keyboard += a + "\n";
      // Most often a file name follows the start of a command file.
      if (a == "5001" && g() % 4 != 0) keyboard += kNames[g() % std::size(kNames)] + "\n", ++given;
    }
    Console c(keyboard);
    const int status = run_varnholt_pk();
    const Lines out = c.lines();
    const std::string rest = c.unread();
    read += given - std::ranges::count(rest, '\n');
    ++runs;
    SCOPED_TRACE("run " + std::to_string(runs));
    ASSERT_TRUE(status == 0 || status == 1) << status;
    const bool trailer = !out.empty() && out.back() == dialogue::kAt &&
                         has_in_order(out, {{dialogue::kTrailer}, {" @ Version: 1.5"}});
    const bool stopped = std::ranges::any_of(out, [](const std::string& l) {
      return l == " EXECUTION STOPPED BY USER" || l == " EXECUTION STOPPED BY PROGRAM" ||
             l == " ===> STOPPING EXECUTION";
    });
    ASSERT_TRUE(trailer || (status == 1 && stopped)) << (out.empty() ? "" : out.back());
  }
  EXPECT_GE(runs, 2);
}

}  // namespace
