// Plot library tests: fresh plot records, a scripted console, and a real
// plot file opened through the device in a temporary directory, read back
// path by path.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gral/format.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/fixedtext.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "support/console.h"

namespace plot_test {

inline void reset_plot_records() {
  plt1blk = Plt1Blk{};
  plt2blk = Plt2Blk{};
  pltcharblk = PltCharBlk{};
  pltbuff1 = PltBuff1{};
}

// A window on subplot s, set silently (mode 1).
inline void set_window(int s, float xcm0, float ycm0, float xlcm, float ylcm, float xumin, float xumax,
                       float yumin, float yumax, std::int32_t ixy) {
  std::int32_t isub = s;
  ssubplot(isub, 1);
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
}

// One path of the plot file: its points and whether it was closed and
// filled.
struct Path {
  std::vector<std::pair<float, float>> pts;
  bool filled = false;
};

// Runs in its own temporary directory, so the device's defaults file and
// the plot file never touch the source tree.
class PlotFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    char tmpl[] = "/tmp/plot_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    std::filesystem::current_path(dir_);
    reset_plot_records();
    psparams_90 = PsParams90{};
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }

  // Opens the plot file (the device asks only whether to keep the default
  // page format: the console's script starts with its answer) and brings the maps up to date as plot opening
  // does. A black-and-white plot: no colour lines between the path lines.
  void open_plot() {
    std::string name = fixed::fit("t.ps", 50);
    intplinit(name, 3);
    iocom.LPLTOPEN = true;
    iocom.LPAUSE = false;
    plt2blk.LCOLORPLOT = false;
    plt2blk.IFILLSTYLE = 1;
    plt2blk.ITEXTALIGN = 1;
    splotscaling(7);
    intstextfont(1);
    intstextsize(0.5f);
  }

  // Closes the plot and returns the lines drawn on page 1.
  std::vector<std::string> close_plot() {
    intplend();
    iocom.LPLTOPEN = false;
    std::ifstream f(dir_ / "t.ps");
    std::vector<std::string> body;
    bool in_page = false;
    for (std::string l; std::getline(f, l);) {
      if (l == "showpage") break;
      if (in_page) body.push_back(l);
      if (l.rfind("%%Page:", 0) == 0) in_page = true;
    }
    return body;
  }

  static std::vector<Path> paths(const std::vector<std::string>& body) {
    std::vector<Path> out;
    bool open = false;  // text moves stand outside any path
    for (const auto& l : body) {
      if (l == "newpath") {
        out.emplace_back();
        open = true;
      }
      if (l == "stroke") open = false;
      if (!open) continue;
      if (l == "closepath gsave") out.back().filled = true;
      std::istringstream in(l);
      float x = 0, y = 0;
      std::string op;
      if (in >> x >> y >> op && (op == "moveto" || op == "lineto")) out.back().pts.emplace_back(x, y);
    }
    return out;
  }

 private:
  std::filesystem::path old_, dir_;
};

}  // namespace plot_test
