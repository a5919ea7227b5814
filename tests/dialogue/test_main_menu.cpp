// The main menu: its first screen, and what every code asks and changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session.h"
#include "stress/mainmenu.h"
#include "support/records.h"

namespace {

using dialogue::kAt;
using dialogue::Lines;
using dialogue::run;
using testing_support::kDashes;

const Lines kFirstMenu = {kAt,
                          " @ main program varnholt_pk         v1.5 2024-09-13",
                          " @=================================================",
                          kDashes,
                          " PLOT PARAMETERS",
                          " Open plot file ....................... 10",
                          " Modify scaling ....................... 11",
                          " Modify plot attributes ............... 12",
                          " Modify axes .......................... 14",
                          " Close plot file ...................... 20",
                          kDashes,
                          " REPRESENTATIONs",
                          " Shmax v Shmin",
                          "  Plot total stress ................... 31 T",
                          "  Plot frictional limits .............. 32 T",
                          "  Plot breakout limit ................. 33 T",
                          "  Plot drilling induced fracture limit. 34 T",
                          "  Plot lines .......................... 35 T",
                          "  Color ............................... 36 T",
                          " Stress v depth",
                          "  Sv .................................. 41 T",
                          "  Pf .................................. 42 T",
                          "  Shmin Shmax frictional limits ....... 43 T",
                          kDashes,
                          " STRESS PARAMETERS",
                          " Stress, pressure:  MPa          length: m",
                          " volumetric mass: kg/m3  depth>0 downwards",
                          " K = S1e/S3e max =    4.676",
                          " Pf =    9.810",
                          " Sv =   24.819",
                          " Compute Sv,Pf = height*density ....... 50 T",
                          " Depth to investigate ................. 51 1000.000",
                          " Overburden top depth ................. 52    0.000",
                          " Fluid top depth ...................... 53    0.000",
                          " Average wet overburden density ....... 54 2530.000",
                          " Average dry overburden density ....... 55 2430.000",
                          " Average fluid density ................ 56 1000.000",
                          " Friction angle........................ 60   40.365",
                          " Friction coefficient...................61    0.850",
                          " T0 = Uniaxial tensional strength",
                          "   Number of T0 values ................ 62      1",
                          "   T0 ................................. 63   10.000",
                          " C0 = Uniaxial compressional strength",
                          "   Number of C0 values ................ 65      1",
                          "   C0 ................................. 66  100.000",
                          kDashes,
                          " PLOTS",
                          " Shmax v Shmin limits ................ 100",
                          " Stress v depth plot ................. 200",
                          kDashes,
                          " Use command file.................... 5000",
                          " QUIT PROGRAM ........................9999",
                          kAt};

TEST(MainMenu, StartUpThenTheFirstScreenExactly) {
  auto s = run("\n");
  ASSERT_EQ(s.menus.size(), 1u);
  // Console, run information, header and its wait, angle constants, axes, the menu; the keyboard's end at the
  // choice ends the run with the trailer.
  EXPECT_TRUE(testing_support::has_in_order(
      s.lines, {{" INITIALIZING INPUT/OUTPUT"},
                {" INITIALISING RUN INFO"},
                {" @          MAIN PROGRAM: varnholt_pk"},
                {" @             HIT RETURN TO CONTINUE"},
                {" Initializing /anglerad/ block"},
                {" INITIALIZING AXES"},
                kFirstMenu,
                {testing_support::kDots, " Enter your choice", dialogue::kEnd, kAt, dialogue::kTrailer}}));
  EXPECT_EQ(s.status, 0);
}

TEST(MainMenu, EachCodeAsksAndShowsItsValue) {
  // After the header's Return, the answers; then how lines of the last question and the last menu end, or,
  // after a "-", how none of them begins.
  const std::vector<std::pair<std::string, Lines>> cases = {
      // Display flags, each on its own field; the current value is the default.
      {"31\nn\n32\nn\n33\nn\n34\nn\n35\nn\n36\nn\n41\nn\n42\nn\n43\nn\n",
       {" plot Shmin/max frictional limits ?", "31 F", "32 F", "33 F", "34 F", "35 F", "36 F", "41 F", "42 F",
        "43 F"}},
      {"31\nn\n31\n\n", {" compute total stress ?", " Default = No ", "31 F"}},
      // Code 31 relabels the polygon's axes for effective stress and back.
      {"31\nn\n14\n\n", {" Shmin' (MPa)         ............ 1", " Shmax' (MPa)         ............ 2"}},
      {"31\nn\n31\ny\n14\n\n",
       {" Shmin (MPa)          ............ 1", " Shmax (MPa)          ............ 2"}},
      // Depths and densities, and Sv and Pf computed from them or typed in.
      {"51\n2000\n", {"Pf =   19.620", "Sv =   49.639", "51 2000.000"}},
      {"52\n100\n", {"Pf =    9.810", "Sv =   23.318", "52  100.000"}},
      {"53\n100\n55\n2000\n", {"Pf =    8.829", "Sv =   24.299", "53  100.000", "55 2000.000"}},
      {"54\n2000\n56\n1100\n", {"Pf =   10.791", "Sv =   19.620", "54 2000.000", "56 1100.000"}},
      {"50\nn\n", {"50 F", "- Sv =", "- Average", "57   24.819", "58    9.810"}},
      {"50\nn\n57\n30\n58\n12\n51\n2000\n", {"51 2000.000", "57   30.000", "58   12.000"}},
      {"50\nn\n57\n30\n50\ny\n", {"Sv =   24.819", "- Sv ..."}},
      {"51\n10000\n", {"Sv =  248.193", "51 ********"}},
      // Friction and the stress ratio; a bare Return at the choice selects nothing.
      {"\n\n60\n30\n",
       {" Default =  40.3645    ", "K = S1e/S3e max =    3.000", "60   30.000", "61    0.577"}},
      {"61\n0.6\n", {"K = S1e/S3e max =    3.119", "60   30.964", "61    0.600"}},
      // Strength counts, one strength, and the spread between minimum and maximum.
      {"62\n3\n", {" Default =            1", "62      3", "-   T0 ...", "63   10.000", "64   10.000"}},
      {"62\n3\n64\n40\n62\n2\n", {"64   25.000"}},
      {"62\n6\n\n5\n", {" inside  [1,5]", "62      5"}},
      {"63\n12\n65\n3\n66\n40\n65\n2\n", {"63   12.000", "65      2", "66   40.000", "67   70.000"}},
  };
  for (const auto& [answers, expected] : cases) {
    SCOPED_TRACE(answers);
    auto s = run("\n" + answers);
    ASSERT_EQ(std::pair(s.status, s.menus.size() >= 2), std::pair(0, true));
    std::string last = "\n";
    for (const auto& l : s.part(s.menus[s.menus.size() - 2].second, long(s.lines.size()))) last += l + "\n";
    for (const auto& text : expected) {
      if (text.starts_with("- "))
        EXPECT_EQ(last.find("\n" + text.substr(2)), std::string::npos) << text;
      else
        EXPECT_NE(last.find(text + "\n"), std::string::npos) << text;
    }
  }
}

TEST(MainMenu, EachFlagCodeLandsOnTheFieldThePlotsRead) {
  // The flags after answering No, in the order total, frictional, breakout, fracture, lines, colour, Sv, Pf,
  // Shmin/Shmax frictional limits.
  const std::pair<std::int32_t, std::string> cases[] = {
      {31, "FTTTTTTTT"}, {32, "TFTTTTTTT"}, {33, "TTFTTTTTT"}, {34, "TTTFTTTTT"}, {35, "TTTTFTTTT"},
      {36, "TTTTTFTTT"}, {41, "TTTTTTFTT"}, {42, "TTTTTTTFT"}, {43, "TTTTTTTTF"}};
  for (const auto& [code, want] : cases) {
    testing_support::reset_records();
    testing_support::Console c("n\n");
    VarnholtState s;
    s.ICHOICE = code;
    run_menu_code(s);
    std::string got;
    for (bool f : {s.LTOTAL, s.LFRICT, s.LBO, s.LDITF, s.LLINES, s.LCOLOR, s.LSV, s.LPF, s.LFRICTZ})
      got += f ? 'T' : 'F';
    EXPECT_EQ(got, want) << code;
  }
}

TEST(MainMenu, CodesWithoutActionShowTheMenuAgainSilently) {
  // Unknown codes, and codes whose condition fails: 57 and 58 while Sv and Pf are computed, 64 and 67 with
  // one value in force, a density while Sv and Pf are typed in.
  for (const std::string script : {"0", "13", "5001", "57", "58", "64", "67", "50\nn\n54"}) {
    SCOPED_TRACE(script);
    auto s = run("\n" + script + "\n");
    ASSERT_GE(s.menus.size(), 2u);
    const std::size_t m = s.menus.size() - 2;
    EXPECT_EQ(s.part(s.menus[m].second, s.menus[m + 1].first).size(), 4u);  // the question, the echo
    EXPECT_EQ(s.menu(m + 1), s.menu(m));
  }
}

}  // namespace
