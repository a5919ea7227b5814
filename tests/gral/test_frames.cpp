#include <gtest/gtest.h>

#include "gral/frames.h"
#include "support/console.h"

using testing_support::Console;

TEST(Frames, PlaceholderUntilWritten) {
  Console c("\n");
  menutail();
  EXPECT_EQ(c.lines().at(0), " " + std::string(50, '@'));
}
