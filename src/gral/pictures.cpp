#include "gral/pictures.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "gral/format.h"
#include "records/sio.h"

namespace {

// A picture's lines all share one width; a line drawn a column short or long
// would shift the whole picture, so the width is checked when compiling.
template <std::size_t N>
constexpr bool all_of_width(const std::array<std::string_view, N>& lines, std::size_t width) {
  for (std::string_view l : lines) {
    if (l.size() != width) return false;
  }
  return true;
}

template <std::size_t N>
void show(const std::array<std::string_view, N>& lines, std::size_t indent) {
  int u = iocom.IUNSTDOUT;
  gral::put1x(u, " ");
  for (std::string_view l : lines) gral::put(u, std::string(indent, ' ') + std::string(l));
  gral::put1x(u, " ");
}

constexpr std::array<std::string_view, 7> kCarmag33{
    "-------------", "| 8 | 1 | 6 |", "|---|---|---|", "| 3 | 5 | 7 |",
    "|---|---|---|", "| 4 | 9 | 2 |", "-------------",
};
static_assert(all_of_width(kCarmag33, 13));

constexpr std::array<std::string_view, 8> kEndfun1{
    R"(      \|/           \|/            \|/      )", R"(     (o o)         (@ @)          (o o)     )",
    R"(  ooO-(~)-Ooo   ooO-(~)-Ooo    ooO-(~)-Ooo  )", R"(|------------------------------------------|)",
    R"(|                                          |)", R"(|            THAT'S ALL FOLKS !            |)",
    R"(|                                          |)", R"(|------------------------------------------|)",
};
static_assert(all_of_width(kEndfun1, 44));

constexpr std::array<std::string_view, 8> kGraben{
    R"(-+                                    +-)", R"(@@\-----+                      +-----/@@)",
    R"(@@@\@@@@@\---+            +---/@@@@@/@@@)", R"(====\@@@@@\@@@\----------/@@@/@@@@@/====)",
    R"(#####\=====\@@@\@@@@@@@@/@@@/=====/#####)", R"(######\#####\===\@@@@@@/===/#####/######)",
    R"(#######\#####\###\====/###/#####/#######)", R"(########\#####\###\##/###/#####/########)",
};
static_assert(all_of_width(kGraben, 40));

constexpr std::array<std::string_view, 18> kHappyface{
    "            &&&&&&&&&&&&            ", "        &&                &&        ",
    "     &&                      &&     ", "   &&                          &&   ",
    "  &&                            &&  ", " &&                              && ",
    " &        &&&          &&&        & ", "&&        &&&          &&&        &&",
    "&&                                &&", "&&                                &&",
    "&&                                &&", " &     &&                  &&     & ",
    " &&      &&&            &&&      && ", "  &&        &&&&&&&&&&&&        &&  ",
    "   &&                          &&   ", "     &&                      &&     ",
    "        &&                &&        ", "            &&&&&&&&&&&&            ",
};
static_assert(all_of_width(kHappyface, 36));

constexpr std::array<std::string_view, 8> kHorst{
    R"(           +----------------+           )", R"(        +---\@@@@@@@@@@@@@@/---+        )",
    R"(   +-----\@@@\@@@@@@@@@@@@/@@@/-----+   )", R"(----\@@@@@\@@@\==========/@@@/@@@@@/----)",
    R"(@@@@@\@@@@@\===\########/===/@@@@@/@@@@@)", R"(@@@@@@\=====\###\######/###/=====/@@@@@@)",
    R"(=======\#####\###\####/###/#####/=======)", R"(########\#####\###\##/###/#####/########)",
};
static_assert(all_of_width(kHorst, 40));

constexpr std::array<std::string_view, 5> kSator{
    "S A T O R", "A R E P O", "T E N E T", "O P E R A", "R O T A S",
};
static_assert(all_of_width(kSator, 9));

// The sad face is the smiling one with its mouth turned down.
constexpr std::array<std::string_view, 18> sad(std::array<std::string_view, 18> face) {
  face[11] = " &          &&&&&&&&&&&&          & ";
  face[13] = "  &&   &&                  &&   &&  ";
  return face;
}
constexpr std::array<std::string_view, 18> kSorryface = sad(kHappyface);
static_assert(all_of_width(kSorryface, 36));

constexpr std::array<std::string_view, 4> kTetrakis{
    "      O      ",
    "    O   O    ",
    "  O   O   O  ",
    "O   O   O   O",
};
static_assert(all_of_width(kTetrakis, 13));

constexpr std::array<std::string_view, 12> kTetratemple1{
    "          O          ", "       O     O       ", "    O     O     O    ", " O     O     O     O ",
    " =================== ", "   | |   | |   | |   ", "   | |   | |   | |   ", "   | |   | |   | |   ",
    "   | |   | |   | |   ", "   | |   | |   | |   ", " =================== ", "=====================",
};
static_assert(all_of_width(kTetratemple1, 21));

constexpr std::array<std::string_view, 16> kTetratemple2{
    "               O          ", "            O /   O       ", "         O   /       O    ",
    "      O     /           O ", "     /     O           / /", "    /   O     O       / / ",
    "   / O     O     O   / /  ", "  O     O     O     O /   ", "  ===================/    ",
    "    | |   | |   | | ||    ", "    | |   | |   | | ||===/", "    | |   | |   | |     / ",
    "   /| |   | |   | |    /  ", "  / | |   | |   | |   /   ", " /===================/    ",
    "=====================     ",
};
static_assert(all_of_width(kTetratemple2, 26));

}  // namespace

void carmag33() {
  show(kCarmag33, 19);
}
void endfun1() {
  show(kEndfun1, 4);
}
void graben() {
  show(kGraben, 6);
}
void happyface() {
  show(kHappyface, 8);
}
void horst() {
  show(kHorst, 6);
}
void sator() {
  show(kSator, 21);
}
void sorryface() {
  show(kSorryface, 8);
}
void tetrakis() {
  show(kTetrakis, 19);
}
void tetratemple1() {
  show(kTetratemple1, 15);
}
void tetratemple2() {
  show(kTetratemple2, 13);
}
