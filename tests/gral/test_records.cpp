#include <gtest/gtest.h>

#include "records/angles.h"
#include "records/axis.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "records/runinfo.h"
#include "records/sio.h"
TEST(Records, StartBlankAndZero) {
  EXPECT_EQ(plt1blk.USTOCM(2, 2, 40), 0.0f);
  EXPECT_EQ(pltcharblk.COLORNAM(0), "        ");
  EXPECT_EQ(psparams_90.FONTS(16).size(), 22u);
  EXPECT_EQ(axisblk7b.BOXLAB.size(), 25u);
  EXPECT_EQ(runinfo3com.ROUTNAME(3), "           ");
  // 2 x 2 matrices are stored column by column.
  plt1blk.USTOCM(2, 1, 3) = 5.0f;
  EXPECT_EQ(plt1blk.USTOCM.layer(3)[1], 5.0f);
  plt1blk.USTOCM(2, 1, 3) = 0.0f;
}
