// Runs started together in one directory: each must get the host facts of its
// own commands, whatever temporary files the others hold at that moment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/expect.h"
#include "support/process.h"

namespace {

using namespace testing_support;

// The header's system and processor lines and every warning that a host fact
// could not be had.
Lines host_fact_lines(const std::string& out) {
  Lines facts;
  for (const auto& l : split_lines(out))
    if (l.starts_with(" @    System:") || l.starts_with(" @       CPU:") || l.starts_with(" COULD NOT"))
      facts.push_back(l);
  return facts;
}

// Eight runs at once show what one run alone shows (the facts, no warning on
// a host that has them) and leave no temporary file behind.
TEST(SideBySide, RunsInOneDirectoryEachGetTheirOwnHostFacts) {
  TempDir dir;
  const ProcessRun alone = run_program("\n9999\n");
  const Lines want = host_fact_lines(alone.out);
  ASSERT_EQ(alone.status, 0);
  ASSERT_EQ(lines_with(want, " @    System: Linux_").size(), 1u);
  const std::string runs = std::string("for i in 1 2 3 4 5 6 7 8; do (printf '\\n9999\\n' | timeout 10 ") +
                           VPK_PROGRAM + " >o$i 2>&1; echo $? >s$i) & done; wait";
  ASSERT_EQ(std::system(runs.c_str()), 0);
  for (int i = 1; i <= 8; ++i) {
    const std::string n = std::to_string(i);
    EXPECT_EQ(std::pair(file_text("s" + n), host_fact_lines(file_text("o" + n))),
              std::pair(std::string("0\n"), want))
        << "run " << n;
  }
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().filename().string().find("_tmp_"), std::string::npos) << e.path();
}

}  // namespace
