// Tests that write plot files work in a scratch directory of their own, and
// every PostScript file they leave there must be drawn by Ghostscript without
// a complaint: a file's text may look right and still not be PostScript.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/expect.h"

namespace testing_support {

inline Lines file_lines(const std::filesystem::path& file) {
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  return split_lines(text.str());
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
