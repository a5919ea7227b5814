#include <gtest/gtest.h>

#include "gral/pictures.h"
#include "support/expect.h"

using namespace testing_support;

// Each picture is drawn whole again at every call.
TEST(Pictures, EveryRecordIsIndentPlusWidthBetweenTwoBlankRecordsAndSatorIsASquare) {
  struct {
    void (*draw)();
    std::size_t lines, width, indent;
  } const pictures[] = {
      {carmag33, 7, 13, 19},      {endfun1, 8, 44, 4},        {graben, 8, 40, 6},     {happyface, 18, 36, 8},
      {horst, 8, 40, 6},          {sator, 5, 9, 21},          {sorryface, 18, 36, 8}, {tetrakis, 4, 13, 19},
      {tetratemple1, 12, 21, 15}, {tetratemple2, 16, 26, 13},
  };
  for (const auto& p : pictures) {
    const Lines out = written_by(p.draw);
    ASSERT_EQ(out.size(), p.lines + 2) << p.indent << "+" << p.width;
    EXPECT_EQ(out.front() + out.back(), "    ");
    for (std::size_t i = 1; i <= p.lines; ++i)
      EXPECT_TRUE(out[i].size() == p.indent + p.width && out[i].find_first_not_of(' ') >= p.indent) << out[i];
    EXPECT_EQ(written_by(p.draw), out);
  }
  const std::string ind(21, ' ');
  EXPECT_EQ(written_by(sator), (Lines{"  ", ind + "S A T O R", ind + "A R E P O", ind + "T E N E T",
                                      ind + "O P E R A", ind + "R O T A S", "  "}));
}
