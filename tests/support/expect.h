// What the tests expect to see: frame lines, question transcripts and the
// screen records a routine leaves, plus a scratch directory and a host with
// fixed answers to run routines in.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "gral/platform.h"
#include "support/console.h"

namespace testing_support {

// A frame's rule: 50 characters c after the blank.
inline std::string rule(char c) {
  return " " + std::string(50, c);
}
// The 43-dash rule of the menus and announcements.
inline const std::string kDashes = " " + std::string(43, '-');
// The rule of dots around a question at output level 2.
inline const std::string kDots = " " + std::string(42, '.');

// The routine's name line of a warning or error head.
inline std::string name_line(std::string frame, std::string_view name) {
  std::string n(name.substr(0, 13)), gap(10, ' ');
  return " " + frame + gap + "subroutine " + std::string(13 - n.size(), ' ') + n + gap + frame;
}

// The nine lines of an error head for a routine name as handed over.
inline Lines error_head(std::string_view name) {
  const std::string e = " ***" + std::string(44, ' ') + "***", r = rule('*'), gap(19, ' ');
  return {r, r, e, name_line("***", name), e, " ***" + gap + "ERROR " + gap + "***", e, r, r};
}

inline Lines warning_head(std::string_view name) {
  const std::string gap(18, ' ');
  return {rule('/'), name_line("///", name), " ///" + gap + "WARNING " + gap + "///", rule('/')};
}

// A pausing tail: the pause prompt and the closing rule.
inline Lines tail(char c, bool command_file = false) {
  return {command_file ? " ===> HIT RETURN TO RESUME COMMANDS" : " ===> HIT RETURN TO CONTINUE", rule(c)};
}

inline Lines lines(std::initializer_list<Lines> blocks) {
  Lines all;
  for (const auto& b : blocks) all.insert(all.end(), b.begin(), b.end());
  return all;
}
inline Lines operator+(Lines a, const Lines& b) {
  return lines({a, b});
}

// An error frame: head, the caller's lines, then the pause and closing rule.
inline Lines error_frame(std::string_view name, const Lines& body) {
  return lines({error_head(name), body, tail('*')});
}

// True when each item stands in all after the one before: a line anywhere, a
// block of lines as consecutive lines.
template <class Item = Lines>
bool has_in_order(const Lines& all, const std::vector<Item>& items) {
  auto from = all.begin();
  for (const auto& item : items) {
    const Lines b{item};
    from = std::search(from, all.end(), b.begin(), b.end());
    if (from == all.end() && !b.empty()) return false;
    from += static_cast<long>(b.size());
  }
  return true;
}

// The lines of all that begin with prefix and end with suffix.
inline Lines lines_with(const Lines& all, std::string_view prefix, std::string_view suffix = "") {
  Lines some;
  for (const auto& l : all)
    if (l.starts_with(prefix) && l.ends_with(suffix)) some.push_back(l);
  return some;
}

inline long count(const Lines& all, const std::string& line) {
  return std::ranges::count(all, line);
}

// What running f against a scripted keyboard left: the exit status (-1 when
// it returned), the screen's records and what the keyboard still holds.
struct Outcome {
  int status;
  Lines lines;
  std::string unread;
};
template <class F>
Outcome run_with(const std::string& keyboard, F&& f) {
  Console c(keyboard);
  const int status = run_status(f);
  return {status, c.lines(), c.unread()};
}

// Works inside a fresh directory while it lives, for the files a test writes
// and for routines whose files have fixed names.
class TempDir {
 public:
  TempDir() { std::filesystem::current_path(path_); }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(home_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  // Writes a file here and gives its name.
  std::string file(const std::string& n, const std::string& text) const {
    std::ofstream(n) << text;
    return n;
  }
  bool empty() const { return std::filesystem::is_empty(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::string tmpl_ = (std::filesystem::temp_directory_path() / "vpk_test_XXXXXX").string();
  const std::filesystem::path home_ = std::filesystem::current_path(), path_ = mkdtemp(tmpl_.data());
};
// A path that can neither be read nor created.
inline const std::string kMissing = "no_dir/x.txt";

class FakeHost : public gral::Platform {
 public:
  gral::LocalTime time{2024, 9, 13, 10, 11, 12};
  std::optional<std::string> login = "tmarsolan", node = "bench.lab";
  // What the processor and version commands write into the file they
  // redirect to; nothing is written when unset.
  std::optional<std::string> cpu_text = "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n",
                             version_text = "6.1.0-18-amd64\n";
  gral::ClockReading clock{5000, 1000, 2147483647};
  float cpu = 1.5f;
  // The file a command's output goes to when not the one asked for, as when
  // that name is taken; unset, the result names none and the platform's
  // default names the one asked for.
  std::optional<std::string> used;
  bool can_run = true, remove_fails = false;
  int removals = 0;
  Lines log;  // what was asked, in order

  gral::LocalTime local_time() override { return noted("time", time); }
  std::optional<std::string> login_name() override { return noted("login", login); }
  std::optional<std::string> node_name() override { return noted("node", node); }
  gral::CommandResult run_command(const std::string& command, const std::string& output) override {
    const bool cpu_query = command.find("cpuinfo") != std::string::npos;
    log.push_back(cpu_query ? "cpu" : "version");
    if (!can_run) return {-1, 2, "shell not found", used.value_or("")};
    const auto& text = cpu_query ? cpu_text : version_text;
    if (text) std::ofstream(used.value_or(output)) << *text;
    return {0, 0, "", used.value_or("")};
  }
  gral::CommandResult remove_file(const std::string& path) override {
    ++removals;
    return remove_fails ? gral::CommandResult{1, 13, "Permission denied", ""}
                        : gral::RealPlatform().remove_file(path);
  }
  gral::ClockReading system_clock() override { return noted("clock", clock); }
  float processor_time() override { return noted("cpu time", cpu); }

 private:
  template <class T>
  T noted(const char* what, const T& answer) {
    log.push_back(what);
    return answer;
  }
};

// Each test on the fake host, inside a directory of its own (the host facts'
// temporary files have fixed names).
class OnFakeHost : public ::testing::Test {
 protected:
  OnFakeHost() {
    reset_records();
    gral::set_platform(&host_);
  }
  ~OnFakeHost() override { gral::set_platform(nullptr); }
  TempDir dir_;
  FakeHost host_;
};

}  // namespace testing_support
