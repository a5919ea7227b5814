#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gral/pictures.h"
#include "support/console.h"

using testing_support::Console;

namespace {

struct PictureCase {
  const char* name;
  void (*draw)();
  std::size_t lines;
  std::size_t width;
  std::size_t indent;
};

const PictureCase kPictures[] = {
    {"carmag33", carmag33, 7, 13, 19},
    {"endfun1", endfun1, 8, 44, 4},
    {"graben", graben, 8, 40, 6},
    {"happyface", happyface, 18, 36, 8},
    {"horst", horst, 8, 40, 6},
    {"sator", sator, 5, 9, 21},
    {"sorryface", sorryface, 18, 36, 8},
    {"tetrakis", tetrakis, 4, 13, 19},
    {"tetratemple1", tetratemple1, 12, 21, 15},
    {"tetratemple2", tetratemple2, 16, 26, 13},
};

std::vector<std::string> drawn(void (*draw)()) {
  Console c;
  draw();
  return c.lines();
}

// The picture's own lines, without the blank records around them and the indent.
std::vector<std::string> body(void (*draw)(), std::size_t indent) {
  std::vector<std::string> out = drawn(draw);
  std::vector<std::string> b;
  for (std::size_t i = 1; i + 1 < out.size(); ++i) b.push_back(out[i].substr(indent));
  return b;
}

}  // namespace

TEST(Pictures, EveryRecordIsIndentPlusWidthBetweenTwoBlankRecords) {
  for (const PictureCase& p : kPictures) {
    SCOPED_TRACE(p.name);
    std::vector<std::string> out = drawn(p.draw);
    ASSERT_EQ(out.size(), p.lines + 2);
    EXPECT_EQ(out.front(), "  ");
    EXPECT_EQ(out.back(), "  ");
    for (std::size_t i = 1; i <= p.lines; ++i) {
      EXPECT_EQ(out[i].size(), p.indent + p.width) << "record " << i;
      EXPECT_EQ(out[i].substr(0, p.indent), std::string(p.indent, ' ')) << "record " << i;
    }
    // The picture is drawn again, whole, at every call.
    EXPECT_EQ(drawn(p.draw), out);
  }
}

TEST(Pictures, SatorSquare) {
  std::vector<std::string> out = drawn(sator);
  const std::string ind(21, ' ');
  EXPECT_EQ(out, (std::vector<std::string>{"  ", ind + "S A T O R", ind + "A R E P O", ind + "T E N E T",
                                           ind + "O P E R A", ind + "R O T A S", "  "}));
}

TEST(Pictures, Temples) {
  EXPECT_EQ(body(tetratemple1, 15), (std::vector<std::string>{
                                        "          O          ",
                                        "       O     O       ",
                                        "    O     O     O    ",
                                        " O     O     O     O ",
                                        " =================== ",
                                        "   | |   | |   | |   ",
                                        "   | |   | |   | |   ",
                                        "   | |   | |   | |   ",
                                        "   | |   | |   | |   ",
                                        "   | |   | |   | |   ",
                                        " =================== ",
                                        "=====================",
                                    }));
  EXPECT_EQ(body(tetratemple2, 13), (std::vector<std::string>{
                                        "               O          ",
                                        "            O /   O       ",
                                        "         O   /       O    ",
                                        "      O     /           O ",
                                        "     /     O           / /",
                                        "    /   O     O       / / ",
                                        "   / O     O     O   / /  ",
                                        "  O     O     O     O /   ",
                                        "  ===================/    ",
                                        "    | |   | |   | | ||    ",
                                        "    | |   | |   | | ||===/",
                                        "    | |   | |   | |     / ",
                                        "   /| |   | |   | |    /  ",
                                        "  / | |   | |   | |   /   ",
                                        " /===================/    ",
                                        "=====================     ",
                                    }));
}

TEST(Pictures, HappyAndSorryFacesDifferOnlyInTheMouth) {
  std::vector<std::string> happy = body(happyface, 8);
  std::vector<std::string> sorry = body(sorryface, 8);
  ASSERT_EQ(happy.size(), 18u);
  ASSERT_EQ(sorry.size(), 18u);
  for (std::size_t i = 0; i < happy.size(); ++i) {
    std::size_t line = i + 1;
    if (line == 12 || line == 14) {
      EXPECT_NE(happy[i], sorry[i]) << "line " << line;
    } else {
      EXPECT_EQ(happy[i], sorry[i]) << "line " << line;
    }
  }
  EXPECT_EQ(happy[11], " &     &&                  &&     & ");
  EXPECT_EQ(sorry[13], "  &&   &&                  &&   &&  ");
}

TEST(Pictures, EndfunBannerHoldsItsPhraseCentred) {
  std::vector<std::string> b = body(endfun1, 4);
  ASSERT_EQ(b.size(), 8u);
  EXPECT_EQ(b[3].front(), '|');
  EXPECT_EQ(b[3].back(), '|');
  EXPECT_EQ(b[4], "|" + std::string(42, ' ') + "|");
  EXPECT_EQ(b[6], b[4]);
  EXPECT_EQ(b[7], "|" + std::string(42, '-') + "|");
  const std::string& phrase = b[5];
  ASSERT_EQ(phrase.front(), '|');
  ASSERT_EQ(phrase.back(), '|');
  std::size_t first = phrase.find_first_not_of(' ', 1);
  std::size_t last = phrase.find_last_not_of(' ', 42);
  ASSERT_NE(first, std::string::npos);
  std::size_t left = first - 1;
  std::size_t right = 42 - last;
  EXPECT_LE(left > right ? left - right : right - left, 1u);
}
