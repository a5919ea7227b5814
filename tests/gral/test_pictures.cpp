#include <gtest/gtest.h>

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
      {carmag33, 19, kCarmag33},    {endfun1, 4, kEndfun1},    {graben, 6, kGraben},
      {happyface, 8, kHappy},       {horst, 6, kHorst},        {sator, 21, kSator},
      {sorryface, 8, kSorry},       {tetrakis, 19, kTetrakis}, {tetratemple1, 15, kTemple1},
      {tetratemple2, 13, kTemple2},
  };
  for (const auto& [draw, indent, picture] : pictures) {
    const Lines out = written_by(draw);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out.front() + out.back(), "    ");
    std::string shown;
    for (std::size_t i = 1; i + 1 < out.size(); ++i) {
      shown += out[i].substr(std::min(indent, out[i].size())) + "$\n";
      EXPECT_EQ(out[i].substr(0, indent), std::string(indent, ' '));
    }
    EXPECT_EQ(shown, picture);
    EXPECT_EQ(written_by(draw), out);
  }
}

}  // namespace
