// What a windowed console host would be told, and that it can find every
// query by name in the program itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "stress/cwh.h"

namespace {

TEST(ConsoleHost, PreferencesTheFontFamilyBufferAndTheNamesInTheProgram) {
  std::FILE* p = popen("nm --defined-only '" VPK_PROGRAM "'", "r");
  ASSERT_NE(p, nullptr);
  std::string symbols;
  char buf[4096];
  while (std::fgets(buf, sizeof buf, p)) symbols += buf;
  ASSERT_EQ(pclose(p), 0);
  // Each query gives its value and is found by its name.
  const auto query = [&](const std::string& name, std::int32_t (*ask)(), std::int32_t value) {
    EXPECT_EQ(ask(), value) << name;
    EXPECT_NE(symbols.find(" T " + name + "\n"), std::string::npos) << name;
  };
#define QUERY(f, v) query(#f, f, v)
  QUERY(CWH_getStackSize, 33554432), QUERY(CWH_getMdiMode, 0), QUERY(CWH_getShowMaximized, 0);
  QUERY(CWH_promptSaveOnExit, 1), QUERY(CWH_getMainWindowWidth, 340), QUERY(CWH_getMainWindowHeight, 700);
  QUERY(CWH_getMdiTextWindowWidth, 255), QUERY(CWH_getMdiTextWindowHeight, 525);
  QUERY(CWH_defaultFontSize, 10), QUERY(CWH_autoSave, 0), QUERY(CWH_closeOnProgramFinish, 1);
  QUERY(CWH_showDefaultOutputWindow, 1);
#undef QUERY
  EXPECT_NE(symbols.find(" T CWH_defaultFontFamily\n"), std::string::npos);
  // The family fills exactly the length it is given, blank-padded or cut; no length writes nothing.
  std::string family(8, '#');
  for (auto [len, want] : {std::pair{-4, "########"}, {0, "########"}, {3, "Mon#####"}, {7, "Monaco #"}}) {
    CWH_defaultFontFamily(family.data(), len);
    EXPECT_EQ(family, want) << len;
  }
}

}  // namespace
