// Shared set-up of the device tests: a scratch working directory for the
// plot and defaults files, a scripted console, fresh device and plot records,
// and the Ghostscript check every written plot file must pass.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gral/angles.h"
#include "gral/units.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "support/console.h"

namespace psdev_test {

inline std::vector<std::string> file_lines(const std::string& path) {
  std::ifstream in(path);
  std::stringstream ss;
  ss << in.rdbuf();
  return testing_support::split_lines(ss.str());
}

// Runs Ghostscript on a plot file; it must draw it without a complaint.
inline void expect_renders(const std::string& path) {
  if (std::system("command -v gs >/dev/null 2>&1") != 0) {
    if (std::getenv("CI")) {
      ADD_FAILURE() << "gs is not installed";
    } else {
      GTEST_SKIP() << "gs is not installed";
    }
    return;
  }
  const std::string cmd =
      "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage '" + path + "' >gs_out.txt 2>gs_err.txt";
  const int rc = std::system(cmd.c_str());
  std::ifstream err("gs_err.txt");
  std::stringstream ss;
  ss << err.rdbuf();
  EXPECT_EQ(rc, 0) << "gs failed on " << path;
  EXPECT_EQ(ss.str(), "") << "gs complained on " << path;
}

class PsDev : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir_ = std::filesystem::current_path();
    char tmpl[] = "/tmp/psdev_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    console_.reset();
    std::filesystem::current_path(old_dir_);
    std::filesystem::remove_all(dir_);
  }

  // Fresh records and a console answering from the script; warnings do not
  // pause, so the script holds only the answers to questions.
  testing_support::Console& start(const std::string& keyboard, bool colour = true) {
    console_.reset();
    console_ = std::make_unique<testing_support::Console>(keyboard);
    iocom.LPAUSE = false;
    trigoset();
    psparams_90 = PsParams90{};
    plt1blk = Plt1Blk{};
    plt2blk = Plt2Blk{};
    plt2blk.LCOLORPLOT = colour;
    set_colour(1, 0, 0, 0);
    set_colour(2, 100, 0, 0);
    set_colour(8, 80, 80, 80);
    set_colour(16, 0, 50, 100);
    plt2blk.ILINECOLOR = 1;
    plt2blk.IFILLCOLOR = 8;
    plt2blk.ITEXTCOLOR = 1;
    plt2blk.IFILLSTYLE = 1;
    plt2blk.ITEXTALIGN = -1;
    console_->clear();
    return *console_;
  }

  static void set_colour(int c, float r, float g, float b) {
    plt2blk.RED(c) = r;
    plt2blk.GREEN(c) = g;
    plt2blk.BLUE(c) = b;
  }

  static void write_defaults(const std::string& content) { std::ofstream("vondt9_ini.txt") << content; }

  // Opens "plot.ps" without the name question (answer yes to the defaults),
  // then sets the scale, font and text size as the plot library does.
  void open_plot(bool colour = true) {
    start("y\n", colour);
    std::string name = "plot.ps";
    intplinit(name, 1);
    scm2de();
    intstextfont(1);
    intstextsize(0.5f);
    gral::flush_units();
    mark_ = file_lines("plot.ps").size();
  }

  // Closes the file and gives the lines written since open_plot, without the
  // trailer.
  std::vector<std::string> close_and_drawn() {
    intplend();
    auto all = file_lines("plot.ps");
    EXPECT_GE(all.size(), mark_ + 5);
    return {all.begin() + static_cast<long>(mark_), all.end() - 5};
  }

  std::filesystem::path old_dir_, dir_;
  std::unique_ptr<testing_support::Console> console_;
  std::size_t mark_ = 0;
};

}  // namespace psdev_test
