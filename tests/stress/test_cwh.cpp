// What a windowed console host would be told.
#include <gtest/gtest.h>

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

}  // namespace
