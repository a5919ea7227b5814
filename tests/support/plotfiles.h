// Tests that write plot files work in a scratch directory of their own, and
// every PostScript file they leave there must be drawn by Ghostscript without
// a complaint: a file's text may look right and still not be PostScript.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/console.h"  // gtest, strings, split_lines

namespace testing_support {

using Lines = std::vector<std::string>;

inline long count_of(const Lines& all, const std::string& line) {
  return std::count(all.begin(), all.end(), line);
}

// True when block stands in all as consecutive lines.
inline bool contains_block(const Lines& all, const Lines& block) {
  return std::search(all.begin(), all.end(), block.begin(), block.end()) != all.end();
}

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
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vpk_plot_XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    std::filesystem::current_path(dir_ = tmpl);
  }
  void TearDown() override {
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      if (e.path().extension() == ".ps") expect_renders(e.path());
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(dir_);
  }

 private:
  std::filesystem::path home_ = std::filesystem::current_path(), dir_;
};

}  // namespace testing_support
