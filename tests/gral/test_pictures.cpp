#include <gtest/gtest.h>

#include <sstream>

#include "gral/pictures.h"
#include "support/expect.h"

using namespace testing_support;

namespace {

// Each line of a picture closed by a $, so trailing blanks show.
const char* const kCarmag33 = R"(-------------$
| 8 | 1 | 6 |$
|---|---|---|$
| 3 | 5 | 7 |$
|---|---|---|$
| 4 | 9 | 2 |$
-------------$
)";
const char* const kEndfun1 = R"(      \|/           \|/            \|/      $
     (o o)         (@ @)          (o o)     $
  ooO-(~)-Ooo   ooO-(~)-Ooo    ooO-(~)-Ooo  $
|------------------------------------------|$
|                                          |$
|            THAT'S ALL FOLKS !            |$
|                                          |$
|------------------------------------------|$
)";
const char* const kGraben = R"(-+                                    +-$
@@\-----+                      +-----/@@$
@@@\@@@@@\---+            +---/@@@@@/@@@$
====\@@@@@\@@@\----------/@@@/@@@@@/====$
#####\=====\@@@\@@@@@@@@/@@@/=====/#####$
######\#####\===\@@@@@@/===/#####/######$
#######\#####\###\====/###/#####/#######$
########\#####\###\##/###/#####/########$
)";
const char* const kHorst = R"(           +----------------+           $
        +---\@@@@@@@@@@@@@@/---+        $
   +-----\@@@\@@@@@@@@@@@@/@@@/-----+   $
----\@@@@@\@@@\==========/@@@/@@@@@/----$
@@@@@\@@@@@\===\########/===/@@@@@/@@@@@$
@@@@@@\=====\###\######/###/=====/@@@@@@$
=======\#####\###\####/###/#####/=======$
########\#####\###\##/###/#####/########$
)";
// The two faces differ only in the mouth, lines 12 and 14.
const std::string kFaceTop = R"(            &&&&&&&&&&&&            $
        &&                &&        $
     &&                      &&     $
   &&                          &&   $
  &&                            &&  $
 &&                              && $
 &        &&&          &&&        & $
&&        &&&          &&&        &&$
&&                                &&$
&&                                &&$
&&                                &&$
)";
const std::string kFaceBottom = R"(   &&                          &&   $
     &&                      &&     $
        &&                &&        $
            &&&&&&&&&&&&            $
)";
const std::string kHappy = kFaceTop + R"( &     &&                  &&     & $
 &&      &&&            &&&      && $
  &&        &&&&&&&&&&&&        &&  $
)" + kFaceBottom;
const std::string kSorry = kFaceTop + R"( &          &&&&&&&&&&&&          & $
 &&      &&&            &&&      && $
  &&   &&                  &&   &&  $
)" + kFaceBottom;
const char* const kSator = "S A T O R$\nA R E P O$\nT E N E T$\nO P E R A$\nR O T A S$\n";
const char* const kTetrakis = R"(      O      $
    O   O    $
  O   O   O  $
O   O   O   O$
)";
const char* const kTemple1 = R"(          O          $
       O     O       $
    O     O     O    $
 O     O     O     O $
 =================== $
   | |   | |   | |   $
   | |   | |   | |   $
   | |   | |   | |   $
   | |   | |   | |   $
   | |   | |   | |   $
 =================== $
=====================$
)";
const char* const kTemple2 = R"(               O          $
            O /   O       $
         O   /       O    $
      O     /           O $
     /     O           / /$
    /   O     O       / / $
   / O     O     O   / /  $
  O     O     O     O /   $
  ===================/    $
    | |   | |   | | ||    $
    | |   | |   | | ||===/$
    | |   | |   | |     / $
   /| |   | |   | |    /  $
  / | |   | |   | |   /   $
 /===================/    $
=====================     $
)";

// Each picture is drawn whole again at every call, between two records of
// two blanks, every line after its indent.
TEST(Pictures, EveryLineOfEveryPictureAfterItsIndent) {
  const std::tuple<void (*)(), std::size_t, std::string> pictures[] = {
      {carmag33, 19, kCarmag33},   {endfun1, 4, kEndfun1},    {graben, 6, kGraben},
      {happyface, 8, kHappy},      {horst, 6, kHorst},        {sator, 21, kSator},
      {sorryface, 8, kSorry},      {tetrakis, 19, kTetrakis}, {tetratemple1, 15, kTemple1},
      {tetratemple2, 13, kTemple2}};
  for (const auto& [draw, indent, picture] : pictures) {
    Lines want = {"  "};
    std::string line;
    for (std::istringstream in(picture); std::getline(in, line);)
      want.push_back(std::string(indent, ' ') + line.substr(0, line.size() - 1));
    want.push_back("  ");
    for (int call = 0; call < 2; ++call) EXPECT_EQ(written_by(draw), want) << indent;
  }
}

}  // namespace
