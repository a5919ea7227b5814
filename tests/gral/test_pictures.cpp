#include <gtest/gtest.h>

#include <cstdint>

#include "gral/pictures.h"
#include "support/expect.h"

using namespace testing_support;

namespace {

// FNV-1a over the records, each closed by a newline: the whole of a picture
// in one number.
std::uint64_t digest(const Lines& records) {
  std::uint64_t h = 1469598103934665603u;
  for (const auto& r : records)
    for (unsigned char ch : r + "\n") h = (h ^ ch) * 1099511628211u;
  return h;
}

// Each picture is drawn whole again at every call, between two records of
// two blanks, every line after its indent.
TEST(Pictures, EveryPictureIsDrawnWholeAfterItsIndent) {
  EXPECT_EQ(run_with("", carmag33).lines,
            (Lines{"  ", "                   -------------", "                   | 8 | 1 | 6 |",
                   "                   |---|---|---|", "                   | 3 | 5 | 7 |",
                   "                   |---|---|---|", "                   | 4 | 9 | 2 |",
                   "                   -------------", "  "}));
  // picture, its records, one of them, the digest of all
  const std::tuple<void (*)(), std::size_t, std::size_t, std::string, std::uint64_t> pictures[] = {
      {endfun1, 10, 6, "    |            THAT'S ALL FOLKS !            |", 0x57ccde7b6f9d14de},
      {graben, 10, 6, "      ######\\#####\\===\\@@@@@@/===/#####/######", 0x760dfa991358fea1},
      {happyface, 20, 12, "         &     &&                  &&     & ", 0x224227435cc8aea3},
      {horst, 10, 5, "      @@@@@\\@@@@@\\===\\########/===/@@@@@/@@@@@", 0x32e29e065d5d4723},
      {sator, 7, 3, "                     T E N E T", 0xde0e585fac1108ed},
      {sorryface, 20, 12, "         &          &&&&&&&&&&&&          & ", 0xf4d393a08ba0bde3},
      {tetrakis, 6, 4, "                   O   O   O   O", 0x29420ef72c547b87},
      {tetratemple1, 14, 12, "               =====================", 0x745ad3e382c49554},
      {tetratemple2, 18, 11, "                 | |   | |   | | ||===/", 0xe0cd967f5ec21072}};
  for (const auto& [draw, size, at, line, sum] : pictures)
    for (int call = 0; call < 2; ++call) {
      const Lines l = run_with("", draw).lines;
      ASSERT_EQ(l.size(), size) << line;
      EXPECT_EQ(std::tuple(l[at], digest(l)), std::tuple(line, sum));
    }
}

}  // namespace
