#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gral/cmdfile.h"
#include "gral/prompts.h"
#include "records/fixedtext.h"
#include "support/console.h"

using testing_support::Console;
using testing_support::run_status;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() / ("vpk_cmdfile_" + std::to_string(std::random_device{}()));
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
};

// The main menu as far as command files go: 5000 opens their menu, 0 leaves.
void main_menu(std::string& cmdfile, std::int32_t mode) {
  for (;;) {
    std::int32_t choice = 0, status = 0;
    ininteg1(choice, "your choice", status);
    if (choice == 0) return;
    if (choice == 5000) altsio2(cmdfile, choice, mode);
  }
}

// True when the block stands in the output as consecutive lines.
bool has_block(const Lines& all, const Lines& block) {
  return std::search(all.begin(), all.end(), block.begin(), block.end()) != all.end();
}

long count(const Lines& all, const std::string& line) {
  return std::count(all.begin(), all.end(), line);
}

const std::string kMenuLine = " START COMMAND FILE ..................5001";

Lines closed(const std::string& name) {
  return {" Command file " + name + " closed", " Standard input redirected from keyboard",
          " Level 2 standard output enabled"};
}

void expect_keyboard_state() {
  EXPECT_EQ(iocom.IUNSTDIN, 5);
  EXPECT_FALSE(iocom.LCMDOPEN);
  EXPECT_TRUE(iocom.LWITO(2));
}

}  // namespace

// Command files do not nest: 5001 inside one only warns, and the record after
// it goes to the next question.
TEST(CommandFile, StartsWarnsOnNestingAndEndsItself) {
  TempDir dir;
  const std::string path = dir.file("cmds.txt", "5000\n5001\n5000\n5002\n");
  Console c("5000\n5001\n" + path + "\n\n0\n");
  std::string cmdfile = fixed::fit("old.txt", 50);
  main_menu(cmdfile, 0);
  EXPECT_EQ(cmdfile, fixed::fit("cmds.txt", 50));
  expect_keyboard_state();
  const Lines out = c.lines();
  EXPECT_TRUE(has_block(
      out, {" Standard input redirected from", "    Command file: cmds.txt", " Response to error or warning",
            "    remains from keyboard", " Level 2 standard output disabled", " " + std::string(50, '@')}));
  EXPECT_TRUE(has_block(out, {" COMMAND FILE ALREADY OPEN", " ==> NO ACTION",
                              " ===> HIT RETURN TO RESUME COMMANDS", " " + std::string(50, '/')}));
  EXPECT_TRUE(has_block(out, closed("cmds.txt")));
  // Read from the file, the menu's question shows no default lines.
  EXPECT_TRUE(has_block(out, {" Enter your choice", " New value =          5002"}));
  EXPECT_EQ(count(out, kMenuLine), 3);
  EXPECT_EQ(c.unread(), "");
}

TEST(CommandFile, EndWithNoneOpenWarns) {
  for (auto [choice, irep] : {std::pair{5002, 5002}, std::pair{5003, 9999}}) {
    Console c(std::to_string(choice) + "\n\n");
    std::string cmdfile = "x";
    std::int32_t r = 0;
    altsio2(cmdfile, r, 0);
    EXPECT_EQ(r, irep);
    EXPECT_TRUE(
        has_block(c.lines(), {" NO OPEN COMMAND FILE", " ==> NO ACTION", " ===> HIT RETURN TO CONTINUE"}));
    expect_keyboard_state();
  }
}

// The message names what cmdfile held, not the name that was typed.
TEST(CommandFile, MissingFileLeavesTheKeyboardInCharge) {
  TempDir dir;
  Console c((dir.path / "missing.txt").string() + "\n\nn\n\n");
  std::string cmdfile = fixed::fit("old.txt", 50);
  beginaltsi2(cmdfile, 0);
  EXPECT_EQ(cmdfile, fixed::fit("old.txt", 50));
  EXPECT_EQ(iocom.IUNCMD, 15);
  expect_keyboard_state();
  EXPECT_TRUE(has_block(c.lines(), {" COULD NOT OPEN COMMAND FILE old.txt", " ==> NO ACTION",
                                    " ===> HIT RETURN TO CONTINUE", " " + std::string(50, '*')}));
  EXPECT_EQ(c.unread(), "");
}

TEST(CommandFile, UnknownChoiceByMode) {
  {
    Console c("77\n99\n");
    std::string cmdfile = "x";
    std::int32_t irep = 0;
    altsio2(cmdfile, irep, 0);
    EXPECT_EQ(irep, 99);
    EXPECT_EQ(count(c.lines(), kMenuLine), 2);
  }
  for (auto [answer, status] : {std::pair{"n\n\n", -1}, std::pair{"\n\n", 1}}) {
    Console c(std::string("77\n") + answer);
    std::string cmdfile = "x";
    std::int32_t irep = 0;
    EXPECT_EQ(run_status([&] { altsio2(cmdfile, irep, 1); }), status);
    EXPECT_TRUE(has_block(c.lines(), {" Unknown answer irep =     77", " ===> CANNOT PROCEED"}));
    EXPECT_EQ(count(c.lines(), " STOP ?"), 1);
    EXPECT_EQ(count(c.lines(), kMenuLine), 1);
  }
}

// A file that runs out mid-question is closed under its own name and the
// question is put again at the keyboard, with its level-2 lines back.
TEST(CommandFile, RunningOutHandsTheQuestionToTheKeyboard) {
  TempDir dir;
  const std::string path = dir.file("short.txt", "5000\n");
  Console c("5000\n5001\n" + path + "\n99\n0\n");
  std::string cmdfile = fixed::fit(" ", 50);
  main_menu(cmdfile, 0);
  expect_keyboard_state();
  const Lines out = c.lines();
  EXPECT_TRUE(has_block(out, closed("short.txt")));
  const Lines asked_again = {
      " Level 2 standard output enabled", " " + std::string(42, '.'), " Enter your choice",
      " or return for default value",     " Default =           99",  " New value =            99"};
  EXPECT_TRUE(has_block(out, asked_again));
  EXPECT_EQ(c.unread(), "");
}
