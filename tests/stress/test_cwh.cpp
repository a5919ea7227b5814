// What a windowed console host would be told.
#include <gtest/gtest.h>

#include <string>

#include "stress/cwh.h"

namespace {

TEST(ConsoleHost, TextWindowsAreThreeQuartersOfTheMainWindow) {
  EXPECT_EQ(CWH_getMdiTextWindowWidth(), 255);
  EXPECT_EQ(CWH_getMdiTextWindowHeight(), 525);
}

TEST(ConsoleHost, FontFamilyFillsExactlyTheBufferItIsGiven) {
  std::string buf(32, '#');
  CWH_defaultFontFamily(buf.data(), 30);
  EXPECT_EQ(buf, "Monaco" + std::string(24, ' ') + "##");
  buf.assign(5, '#');
  CWH_defaultFontFamily(buf.data(), 3);
  EXPECT_EQ(buf, "Mon##");
  CWH_defaultFontFamily(buf.data(), 0);
  CWH_defaultFontFamily(buf.data(), -4);
  EXPECT_EQ(buf, "Mon##");
}

}  // namespace
