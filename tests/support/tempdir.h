// A directory of its own for the files a test creates, removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace testing_support {

class TempDir {
 public:
  // enter: work inside it while it lives, for routines whose files have
  // fixed names in the current directory.
  explicit TempDir(bool enter = false) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vpk_test_XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("no temporary directory");
    path = tmpl;
    if (enter) {
      home_ = std::filesystem::current_path();
      std::filesystem::current_path(path);
    }
  }
  ~TempDir() {
    std::error_code ec;
    if (!home_.empty()) std::filesystem::current_path(home_, ec);
    std::filesystem::remove_all(path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string file(const std::string& name, const std::string& content) const {
    std::ofstream(path / name) << content;
    return (path / name).string();
  }
  // A path that can neither be read nor created.
  std::string missing() const { return (path / "no_dir" / "x.txt").string(); }
  bool empty() const { return std::filesystem::is_empty(path); }

  std::filesystem::path path;

 private:
  std::filesystem::path home_;
};

}  // namespace testing_support
