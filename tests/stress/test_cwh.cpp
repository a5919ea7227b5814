// What a windowed console host would be told.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "stress/cwh.h"

namespace {

TEST(ConsoleHost, PreferencesAndTheFontFamilyBuffer) {
  const std::vector<std::pair<std::int32_t (*)(), std::int32_t>> queries = {
      {CWH_getStackSize, 33554432},     {CWH_getMdiMode, 0},
      {CWH_getShowMaximized, 0},        {CWH_promptSaveOnExit, 1},
      {CWH_getMainWindowWidth, 340},    {CWH_getMainWindowHeight, 700},
      {CWH_getMdiTextWindowWidth, 255}, {CWH_getMdiTextWindowHeight, 525},
      {CWH_defaultFontSize, 10},        {CWH_autoSave, 0},
      {CWH_closeOnProgramFinish, 1},    {CWH_showDefaultOutputWindow, 1}};
  for (std::size_t i = 0; i < queries.size(); ++i) EXPECT_EQ(queries[i].first(), queries[i].second) << i;
  // The family fills exactly the length it is given, blank-padded or cut; no length writes nothing.
  std::string buf(8, '#');
  for (int len : {-4, 0}) CWH_defaultFontFamily(buf.data(), len);
  EXPECT_EQ(buf, "########");
  CWH_defaultFontFamily(buf.data(), 3);
  EXPECT_EQ(buf, "Mon#####");
  CWH_defaultFontFamily(buf.data(), 7);
  EXPECT_EQ(buf, "Monaco #");
}

// A host looks the queries up by name in the program itself.
TEST(ConsoleHost, TheProgramKeepsEveryQuery) {
  std::FILE* p = popen("nm --defined-only '" VPK_PROGRAM "'", "r");
  ASSERT_NE(p, nullptr);
  std::string symbols;
  char buf[4096];
  while (std::fgets(buf, sizeof buf, p)) symbols += buf;
  ASSERT_EQ(pclose(p), 0);
  for (const char* name :
       {"CWH_getStackSize", "CWH_getMdiMode", "CWH_getShowMaximized", "CWH_promptSaveOnExit",
        "CWH_getMainWindowWidth", "CWH_getMainWindowHeight", "CWH_getMdiTextWindowWidth",
        "CWH_getMdiTextWindowHeight", "CWH_defaultFontSize", "CWH_defaultFontFamily", "CWH_autoSave",
        "CWH_closeOnProgramFinish", "CWH_showDefaultOutputWindow"})
    EXPECT_NE(symbols.find(std::string(" T ") + name + "\n"), std::string::npos) << name;
}

}  // namespace
