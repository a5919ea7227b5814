// Tests that write plot files work in a scratch directory of their own, and
// every PostScript file they leave there must be drawn by Ghostscript without
// a complaint: a file's text may look right and still not be PostScript.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "gral/units.h"
#include "psdev/psdev.h"
#include "support/expect.h"

namespace testing_support {

inline Lines file_lines(const std::filesystem::path& file) {
  return split_lines(file_text(file));
}

// Exit 0 and nothing on stderr. Without gs the check is left out, except
// under CI, where a missing gs is a failure.
inline void expect_renders(const std::filesystem::path& file) {
  if (std::system("command -v gs >/dev/null 2>&1") != 0) {
    if (std::getenv("CI")) ADD_FAILURE() << "gs is not installed";
    return;
  }
  const std::string err = file.string() + ".gs_err";
  const std::string cmd =
      "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage '" + file.string() + "' >/dev/null 2>'" + err + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << "gs failed on " << file;
  EXPECT_EQ(file_lines(err), Lines{}) << "gs complained on " << file;
}

// A plot file opened on the device as the plot library opens one (the
// keyboard's next line keeps the default page format): the centimetre
// scale and font 1 at 0.5 cm. drawn() closes it and gives the lines written
// after the opening, without the five lines of the trailer.
class DeviceFile {
 public:
  explicit DeviceFile(std::string name = "plot.ps", std::int32_t iopt = 1) : name_(name) {
    intplinit(name, iopt);
    scm2de();
    intstextfont(1);
    intstextsize(0.5f);
    gral::flush_units();
    mark_ = file_lines(name_).size();
  }
  Lines drawn() const {
    intplend();
    const auto all = file_lines(name_);
    return all.size() < mark_ + 5 ? Lines{"file cut short"} : Lines(all.begin() + mark_, all.end() - 5);
  }
  std::size_t mark() const { return mark_; }

 private:
  std::string name_;
  std::size_t mark_ = 0;
};

// Runs each test in a fresh directory and renders every plot file it leaves.
class PlotFileTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_records(); }
  void TearDown() override {
    for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
      if (e.path().extension() == ".ps") expect_renders(e.path());
  }

 private:
  TempDir dir_;
};

}  // namespace testing_support
