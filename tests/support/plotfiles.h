// Tests that write plot files work in a scratch directory of their own, and
// every PostScript file they leave there must be drawn by Ghostscript without
// a complaint: a file's text may look right and still not be PostScript.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/console.h"

namespace testing_support {

inline long count_of(const std::vector<std::string>& all, const std::string& line) {
  return std::count(all.begin(), all.end(), line);
}

// True when block stands in all as consecutive lines.
inline bool contains_block(const std::vector<std::string>& all, const std::vector<std::string>& block) {
  return std::search(all.begin(), all.end(), block.begin(), block.end()) != all.end();
}

inline std::vector<std::string> file_lines(const std::filesystem::path& file) {
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
  const std::filesystem::path err = file.string() + ".gs_err";
  const std::string cmd = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage '" + file.string() +
                          "' >/dev/null 2>'" + err.string() + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << "gs failed on " << file;
  EXPECT_EQ(file_lines(err), std::vector<std::string>{}) << "gs complained on " << file;
}

// Works inside a fresh directory while it lives. Call render_all() before
// it goes (from the fixture's TearDown) to check every plot file left there.
class ScratchDir {
 public:
  ScratchDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vpk_plot_XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("no scratch directory");
    path_ = tmpl;
    home_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::current_path(home_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  void render_all() const {
    std::vector<std::filesystem::path> plots;
    for (const auto& e : std::filesystem::directory_iterator(path_)) {
      if (e.path().extension() == ".ps") plots.push_back(e.path());
    }
    for (const auto& p : plots) expect_renders(p);
  }

 private:
  std::filesystem::path path_, home_;
};

}  // namespace testing_support
