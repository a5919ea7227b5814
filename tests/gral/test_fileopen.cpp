// Opening named files, and the command files that are opened through it.
#include <gtest/gtest.h>

#include "gral/cmdfile.h"
#include "gral/fileopen.h"
#include "gral/pictures.h"
#include "gral/prompts.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "support/output.h"
#include "support/tempdir.h"

using namespace testing_support;

namespace {

Lines announcement(const std::string& name, const std::string& vers_date) {
  return {rule('@'), " " + fixed::fit("@ subroutine " + name, 33) + vers_date, " @" + std::string(49, '='),
          " OPENING plot init FILE", rule('@')};
}

// What was tried, the name shown at its full working length, and what follows.
Lines described(const std::string& what, const std::string& path, const std::string& then = "") {
  Lines d = {" " + what + " plot init FILE", " File name = " + fixed::fit(path, 250), " for unit =   50"};
  if (!then.empty()) d.push_back(" ===> " + then);
  return d;
}

bool at_keyboard() {
  return iocom.IUNSTDIN == 5 && !iocom.LCMDOPEN && iocom.LWITO(2);
}
const std::string kMenuLine = " START COMMAND FILE ..................5001";

}  // namespace

TEST(Opef1, FailureByModeAndStopLevel) {
  TempDir dir;
  const std::string bad = dir.missing(), dashes = " " + std::string(43, '-');
  const Lines announced = announcement("opef1", "  v1.1 2024-05-29");
  const Lines failed = lines({error_head("opef1      "), described("FAILED TO OPEN", bad)});
  const Lines proceed = {dashes, " Could not open plot init file", " => Proceeding", dashes};
  const Lines retrying =
      lines({warning_head("opef1      "), described("COULD NOT OPEN", bad, "RETRYING TO OPEN THE FILE")});
  // mode, stop level, keyboard, exit status, blocks shown in order (nothing shown when none)
  for (auto [mode, igrav, keyboard, status, shown] :
       std::vector<std::tuple<int, int, std::string, int, std::vector<Lines>>>{
           {7, -1, "", -1, {}},
           {7, 0, "\n\n", -1, {failed, {" RESUME ?"}}},
           {1, 1, "n\n\n", -1, {lines({announced, failed}), {" STOP ?"}}},
           {1, 2, "\n", 1, {lines({announced, failed}), {" EXECUTION STOPPED BY PROGRAM"}}},
           {1, -1, "", -1, {lines({announced, proceed})}},
           {0, -1, "\n\nn\n", -1, {retrying, {" Retry (1) or proceed without retrying (0) ?"}, proceed}},
       }) {
    std::string name = bad;
    std::int32_t iostat = -5;
    const Outcome r =
        run_with(keyboard, [&] { opef1(name, "plot init", 50, "unknown", "write", mode, igrav, iostat); });
    EXPECT_EQ(std::tuple(r.status, iostat, name, r.unread), std::tuple(status, 1, bad, ""))
        << mode << " " << igrav;
    EXPECT_TRUE(has_in_order(r.lines, shown) && r.lines.empty() == shown.empty()) << mode << " " << igrav;
    EXPECT_EQ(count(r.lines, " OPENING plot init FILE"), mode == 7 ? 0 : 1);
  }
}

// The name comes from the command file; the pause and the retry question
// stay at the keyboard. An empty name takes the base name at its own length.
TEST(Opef1, RetryIsAskedAtTheKeyboardWhileACommandFileIsRead) {
  TempDir dir;
  std::string cmd = dir.file("cmd.txt", dir.missing() + "\n" + dir.file("good.txt", "") + "\nnext\n");
  std::string name;
  std::int32_t iostat = -5;
  const Outcome r = run_with("\ny\n", [&] {
    beginaltsi2(cmd, 1);
    opef1(name, "plot init", 50, "unknown", "write", 0, -1, iostat);
    EXPECT_EQ(gral::read_record(15), "next");
  });
  EXPECT_EQ(std::tuple(iostat, name, r.unread), std::tuple(0, "good.txt", ""));
  EXPECT_TRUE(has_in_order(r.lines, {tail('/', true), {" Retry (1) or proceed without retrying (0) ?"}}));
}

// The name is handed back at the caller's length.
TEST(Opef2, RetriesUntilANameOpensAndStopsWithStatusOneOutsideTheInteractiveMode) {
  TempDir dir;
  const std::string bad = dir.missing(), good = dir.file("table.txt", "");
  const Lines announced = announcement("opef2", "  v5.2 2023-04-25"), face = written_by(sorryface);
  std::string name = bad;
  Outcome r = run_with("\n\n" + good + "\n", [&] { opef2(name, "plot init", 50, "old ", 0); });
  EXPECT_EQ(name, fixed::fit("table.txt", bad.size()));
  EXPECT_TRUE(
      has_block(r.lines, lines({warning_head("opef2               "),
                                described("COULD NOT OPEN", bad, "RETRYING"), tail('/'), announced})));
  name = bad;
  r = run_with("\n", [&] { opef2(name, "plot init", 50, "old", 1); });
  EXPECT_EQ(std::tuple(r.status, name), std::tuple(1, bad));
  EXPECT_EQ(r.lines, lines({announced, error_head("opef2               "),
                            described("COULD NOT OPEN", bad, "STOPPING EXECUTION"), tail('*'), face}));
}

// A file ends itself with 5002; command files do not nest, so 5001 inside one
// only warns and the record after it goes to the next question (read from the
// file, a question shows no default lines). A file that runs out mid-question
// is closed under its own name and the question is put again at the keyboard,
// its level-2 lines back.
TEST(CommandFile, EndsItselfOrRunsOutAndHandsTheQuestionToTheKeyboard) {
  const Lines nested = {" COMMAND FILE ALREADY OPEN", " ==> NO ACTION", tail('/', true)[0]};
  const Lines from_file = {" Enter your choice", " New value =          5002"};
  const Lines asked_again = {" Level 2 standard output enabled", " " + std::string(42, '.'),
                             " Enter your choice", " or return for default value", " Default =           99"};
  // file name, its records, what the keyboard answers after it, blocks shown, menus shown
  for (auto [file, records, keyboard, shown, menus] :
       std::vector<std::tuple<std::string, std::string, std::string, std::vector<Lines>, long>>{
           {"cmds.txt", "5000\n5001\n5000\n5002\n", "\n0\n", {nested, from_file}, 3},
           {"short.txt", "5000\n", "99\n0\n", {asked_again}, 2}}) {
    TempDir dir;
    std::string cmdfile = fixed::fit("old.txt", 50);
    const Outcome r = run_with("5000\n5001\n" + dir.file(file, records) + "\n" + keyboard, [&] {
      // The main menu as far as command files go: 5000 opens their menu, 0 leaves.
      for (std::int32_t choice = -1, status = 0; choice != 0;) {
        ininteg1(choice, "your choice", status);
        if (choice == 5000) altsio2(cmdfile, choice, 0);
      }
    });
    EXPECT_EQ(std::tuple(cmdfile, at_keyboard(), count(r.lines, kMenuLine), r.unread),
              std::tuple(fixed::fit(file, 50), true, menus, ""));
    std::vector<Lines> blocks = {{" Standard input redirected from", "    Command file: " + file,
                                  " Response to error or warning", "    remains from keyboard",
                                  " Level 2 standard output disabled", rule('@')}};
    blocks.insert(blocks.end(), shown.begin(), shown.end());
    EXPECT_TRUE(has_in_order(r.lines, blocks)) << file;
    EXPECT_TRUE(has_block(r.lines,
                          {" Command file " + file + " closed", " Standard input redirected from keyboard"}));
  }
}

// 5003 asks the caller to quit even with no file open. A file that cannot be
// opened is named as cmdfile held it, not as typed. An unknown answer shows
// the menu again in mode 0; in mode 1 the error ending's STOP question decides.
TEST(CommandFile, MenuWithNoFileOpenMissingFileAndUnknownAnswersByMode) {
  TempDir dir;
  const Lines none_open = {" NO OPEN COMMAND FILE", " ==> NO ACTION", tail('/')[0]};
  const Lines missing = lines({{" COULD NOT OPEN COMMAND FILE old.txt", " ==> NO ACTION"}, tail('*')});
  const Lines unknown = {" Unknown answer irep =     77", " ===> CANNOT PROCEED"};
  // mode (also the count of STOP questions), keyboard, exit status, irep after, menus shown, lines shown
  for (auto [mode, keyboard, status, irep, menus, shown] :
       std::vector<std::tuple<int, std::string, int, int, long, Lines>>{
           {0, "5002\n\n", -1, 5002, 1, none_open},
           {0, "5003\n\n", -1, 9999, 1, none_open},
           {0, "5001\n" + dir.missing() + "\n\nn\n\n", -1, 5001, 1, missing},
           {0, "77\n99\n", -1, 99, 2, {}},
           {1, "77\nn\n\n", -1, 77, 1, unknown},
           {1, "77\n\n\n", 1, 77, 1, unknown}}) {
    std::string cmdfile = fixed::fit("old.txt", 50);
    std::int32_t r = 0;
    const Outcome run = run_with(keyboard, [&] { altsio2(cmdfile, r, mode); });
    EXPECT_EQ(std::tuple(run.status, r, count(run.lines, kMenuLine), count(run.lines, " STOP ?"), run.unread),
              std::tuple(status, irep, menus, mode, ""));
    EXPECT_EQ(std::tuple(cmdfile, at_keyboard()), std::tuple(fixed::fit("old.txt", 50), true));
    EXPECT_TRUE(has_block(run.lines, shown));
  }
}
