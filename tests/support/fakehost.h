// A host with fixed answers, installed in place of the operating system, and
// a fixture that runs each test inside a directory of its own (the host facts'
// temporary files have fixed names).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "gral/platform.h"
#include "support/tempdir.h"

namespace testing_support {

class FakeHost : public gral::Platform {
 public:
  gral::LocalTime time{2024, 9, 13, 10, 11, 12};
  std::optional<std::string> login = "tmarsolan", node = "bench.lab";
  // What the processor and version commands write into the file they
  // redirect to; nothing is written when unset.
  std::optional<std::string> cpu_text = "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n";
  std::optional<std::string> version_text = "6.1.0-18-amd64\n";
  gral::ClockReading clock{5000, 1000, 2147483647};
  float cpu = 1.5f;
  bool can_run = true, remove_fails = false;
  int removals = 0;
  std::vector<std::string> log;  // what was asked, in order

  gral::LocalTime local_time() override { return note("time"), time; }
  std::optional<std::string> login_name() override { return note("login"), login; }
  std::optional<std::string> node_name() override { return note("node"), node; }
  gral::CommandResult run_command(const std::string& command) override {
    const bool cpu_query = command.find("cpuinfo") != std::string::npos;
    note(cpu_query ? "cpu" : "version");
    if (!can_run) return {-1, 2, "shell not found"};
    const auto& text = cpu_query ? cpu_text : version_text;
    if (text) std::ofstream(command.substr(command.find_last_of("> ") + 1)) << *text;
    return {};
  }
  gral::CommandResult remove_file(const std::string& path) override {
    ++removals;
    if (remove_fails) return {1, 13, "Permission denied"};
    return gral::RealPlatform().remove_file(path);
  }
  gral::ClockReading system_clock() override { return note("clock"), clock; }
  float processor_time() override { return note("cpu time"), cpu; }

 private:
  void note(const char* what) { log.push_back(what); }
};

class OnFakeHost : public ::testing::Test {
 protected:
  OnFakeHost() { gral::set_platform(&host_); }
  ~OnFakeHost() override { gral::set_platform(nullptr); }
  TempDir dir_{true};
  FakeHost host_;
};

}  // namespace testing_support
