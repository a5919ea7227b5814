// The main menu: its first screen, and what every code asks and changes.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "session.h"

namespace {

using dialogue::choice;
using dialogue::kDots;
using dialogue::Lines;
using dialogue::run;
using dialogue::value_of;

const Lines kFirstMenu = {
    " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
    " @ main program varnholt_pk         v1.5 2024-09-13",
    " @=================================================",
    " -------------------------------------------",
    " PLOT PARAMETERS",
    " Open plot file ....................... 10",
    " Modify scaling ....................... 11",
    " Modify plot attributes ............... 12",
    " Modify axes .......................... 14",
    " Close plot file ...................... 20",
    " -------------------------------------------",
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
    " -------------------------------------------",
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
    " -------------------------------------------",
    " PLOTS",
    " Shmax v Shmin limits ................ 100",
    " Stress v depth plot ................. 200",
    " -------------------------------------------",
    " Use command file.................... 5000",
    " QUIT PROGRAM ........................9999",
    " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
};

TEST(MainMenu, StartUpThenTheFirstScreenExactly) {
  auto s = run("\n");
  EXPECT_EQ(s.status, 0);
  ASSERT_EQ(s.menus.size(), 1u);
  EXPECT_EQ(s.menu(0), kFirstMenu);

  // Console set-up, run information, header, angle constants, in that order,
  // and all before the first menu.
  const Lines opening = {
      " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
      " @ subroutine initsio2              v4.0 2012-04-25",
      " @=================================================",
      " INITIALIZING INPUT/OUTPUT",
      " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
      " @ subroutine swpinfo               v1.1 2021-02-27",
      " @=================================================",
      " INITIALISING RUN INFO",
  };
  ASSERT_GE(s.lines.size(), opening.size());
  EXPECT_EQ(Lines(s.lines.begin(), s.lines.begin() + 8), opening);
  std::size_t name = s.find(" @          MAIN PROGRAM: varnholt_pk");
  std::size_t wait = s.find(" @             HIT RETURN TO CONTINUE");
  std::size_t angles = s.find(" Initializing /anglerad/ block");
  EXPECT_LT(name, wait);
  EXPECT_LT(wait, angles);
  EXPECT_LT(angles, s.menus[0].first);
  std::size_t started = 0;
  for (; started < s.lines.size(); ++started)
    if (s.lines[started].find("Starting on") != std::string::npos) break;
  ASSERT_LT(started, wait);
  EXPECT_TRUE(std::regex_match(s.lines[started],
                               std::regex(R"( @       Starting on \d{4}-\d\d-\d\d at \d\d:\d\d:\d\d)")));

  // The choice is asked after the screen; the keyboard's end there ends the
  // run with the trailer.
  Lines tail = s.after(0);
  ASSERT_GE(tail.size(), 5u);
  EXPECT_EQ(tail[0], kDots);
  EXPECT_EQ(tail[1], " Enter your choice");
  EXPECT_EQ(tail[2], " ===> END OF INPUT: RUN ENDED");
  EXPECT_EQ(tail[3], " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");
  EXPECT_EQ(tail[4], " @ PROGRAM varnholt_pk");
}

// Lines that a menu shows differently from the first screen.
struct Change {
  std::string item;
  std::string value;  // empty: the item is not on the screen
};

struct DisplayFlag {
  int code;
  std::string question;
  std::string item;
};

TEST(MainMenu, EachDisplayFlagAsksItsQuestionAndKeepsItsAnswer) {
  const std::vector<DisplayFlag> flags = {
      {31, "compute total stress", " Plot total stress ................... 31"},
      {32, "plot frictional limit", " Plot frictional limits .............. 32"},
      {33, "plot breakout limit", " Plot breakout limit ................. 33"},
      {34, "plot drilling induced fracture limit", " Plot drilling induced fracture limit. 34"},
      {35, "plot lines", " Plot lines .......................... 35"},
      {36, "use colors", " Color ............................... 36"},
      {41, "plot Sv", " Sv .................................. 41"},
      {42, "plot Pf", " Pf .................................. 42"},
      {43, "plot Shmin/max frictional limits", " Shmin Shmax frictional limits ....... 43"},
  };
  for (const auto& f : flags) {
    SCOPED_TRACE(f.code);
    // No, then a bare Return that keeps the no, then yes again.
    const std::string code = std::to_string(f.code);
    auto s = run("\n" + code + "\nn\n" + code + "\n\n" + code + "\ny\n");
    ASSERT_EQ(s.menus.size(), 4u);
    Lines asked = choice(f.code);
    Lines question = {kDots,
                      " " + f.question + " ?",
                      " Enter (0/1)(n/y)(N/Y) to answer",
                      " or return for default value or h for help",
                      " Default = Yes",
                      " New value =  No ",
                      kDots};
    asked.insert(asked.end(), question.begin(), question.end());
    EXPECT_EQ(s.after(0), asked);
    Lines expected = kFirstMenu;
    for (auto& l : expected)
      if (l.rfind(" " + f.item, 0) == 0) l.back() = 'F';
    EXPECT_EQ(s.menu(1), expected);
    EXPECT_EQ(s.menu(2), expected);
    EXPECT_EQ(s.menu(3), kFirstMenu);
  }
}

struct ParameterCase {
  std::string name;
  std::string answers;  // after the header's Return
  std::vector<Change> changes;
};

TEST(MainMenu, ParameterCodesRecomputeWhatDependsOnThem) {
  const std::string depth = "Depth to investigate ................. 51";
  const std::string rock = "Overburden top depth ................. 52";
  const std::string fluid = "Fluid top depth ...................... 53";
  const std::string wet = "Average wet overburden density ....... 54";
  const std::string dry = "Average dry overburden density ....... 55";
  const std::string rhof = "Average fluid density ................ 56";
  const std::string sv57 = "Sv ................................... 57";
  const std::string pf58 = "Pf ................................... 58";
  const std::string angle = "Friction angle........................ 60";
  const std::string coef = "Friction coefficient...................61";
  const std::string k = "K = S1e/S3e max =";
  const std::string nt0 = "  Number of T0 values ................ 62";
  const std::string t0 = "  T0 ................................. 63";
  const std::string t0min = "  T0 mini............................. 63";
  const std::string t0max = "  T0 maxi............................. 64";
  const std::string nc0 = "  Number of C0 values ................ 65";
  const std::string c0 = "  C0 ................................. 66";
  const std::string c0min = "  C0 mini............................. 66";
  const std::string c0max = "  C0 maxi............................. 67";

  const std::vector<ParameterCase> cases = {
      {"deeper", "51\n2000\n", {{depth, " 2000.000"}, {"Sv =", "   49.639"}, {"Pf =", "   19.620"}}},
      {"water column", "52\n100\n", {{rock, "  100.000"}, {"Sv =", "   23.318"}, {"Pf =", "    9.810"}}},
      {"water table", "53\n100\n", {{fluid, "  100.000"}, {"Sv =", "   24.721"}, {"Pf =", "    8.829"}}},
      {"wet density", "54\n2000\n", {{wet, " 2000.000"}, {"Sv =", "   19.620"}, {"Pf =", "    9.810"}}},
      {"dry density unused with equal tops", "55\n2000\n", {{dry, " 2000.000"}, {"Sv =", "   24.819"}}},
      {"dry density under a water table", "53\n100\n55\n2000\n", {{"Sv =", "   24.299"}}},
      {"fluid density", "56\n1100\n", {{rhof, " 1100.000"}, {"Sv =", "   24.819"}, {"Pf =", "   10.791"}}},
      {"Sv and Pf typed in",
       "50\nn\n",
       {{"Sv =", ""},
        {"Pf =", ""},
        {wet, ""},
        {dry, ""},
        {rhof, ""},
        {sv57, "   24.819"},
        {pf58, "    9.810"}}},
      {"typed values stay when the depth changes",
       "50\nn\n57\n30\n58\n12\n51\n2000\n",
       {{sv57, "   30.000"}, {pf58, "   12.000"}, {depth, " 2000.000"}}},
      {"computing again replaces typed values",
       "50\nn\n57\n30\n50\ny\n",
       {{"Sv =", "   24.819"}, {sv57, ""}}},
      {"depth too wide for its field", "51\n10000\n", {{depth, " ********"}, {"Sv =", "  248.193"}}},
      // A bare Return at the choice selects nothing: the read waits for a number.
      {"angle", "\n\n60\n30\n", {{angle, "   30.000"}, {coef, "    0.577"}, {k, "    3.000"}}},
      {"coefficient", "61\n0.6\n", {{angle, "   30.964"}, {coef, "    0.600"}, {k, "    3.119"}}},
      {"one T0", "63\n12\n", {{t0, "   12.000"}}},
      {"more T0 values spread nothing",
       "62\n3\n",
       {{nt0, "      3"}, {t0, ""}, {t0min, "   10.000"}, {t0max, "   10.000"}}},
      {"T0 maximum spreads", "62\n3\n64\n40\n62\n2\n", {{t0max, "   25.000"}}},
      {"T0 minimum spreads", "62\n3\n63\n4\n62\n2\n", {{t0min, "    4.000"}, {t0max, "    7.000"}}},
      {"a count outside 1 to 5 is asked again", "62\n6\n\n5\n", {{nt0, "      5"}}},
      {"one C0", "66\n150\n", {{c0, "  150.000"}}},
      {"C0 minimum spreads",
       "65\n3\n66\n40\n65\n2\n",
       {{nc0, "      2"}, {c0min, "   40.000"}, {c0max, "   70.000"}}},
      {"C0 maximum spreads", "65\n3\n67\n130\n65\n2\n", {{c0max, "  115.000"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto s = run("\n" + c.answers);
    EXPECT_EQ(s.status, 0);
    ASSERT_FALSE(s.menus.empty());
    Lines last = s.last_menu();
    for (const auto& ch : c.changes) EXPECT_EQ(value_of(last, ch.item), ch.value) << ch.item;
  }
}

TEST(MainMenu, RealAndCountPromptsOfferTheCurrentValue) {
  auto s = run("\n60\n30\n62\n\n");
  ASSERT_EQ(s.menus.size(), 3u);
  Lines angle = choice(60);
  Lines q = {kDots,
             " Enter phi0 degrees",
             " or return for default value",
             " Default =  40.3645    ",
             " New value =   30.0000    ",
             kDots};
  angle.insert(angle.end(), q.begin(), q.end());
  EXPECT_EQ(s.after(0), angle);
  Lines count = choice(62);
  q = {kDots,
       " Enter Number of T0 values",
       " inside  [1,5]",
       " or return for default value",
       " Default =            1",
       " New value =             1",
       kDots};
  count.insert(count.end(), q.begin(), q.end());
  EXPECT_EQ(s.after(1), count);
}

TEST(MainMenu, CodesWithoutActionShowTheMenuAgainSilently) {
  // Unknown codes, and codes whose condition fails: 57 and 58 while Sv and
  // Pf are computed, 64 and 67 with one value in force.
  for (int code : {0, 13, 300, -1, 99, 5001, 57, 58, 64, 67}) {
    SCOPED_TRACE(code);
    auto s = run("\n" + std::to_string(code) + "\n");
    ASSERT_EQ(s.menus.size(), 2u);
    EXPECT_EQ(s.after(0), choice(code));
    EXPECT_EQ(s.menu(1), kFirstMenu);
  }
  // The densities while Sv and Pf are typed in.
  for (int code : {54, 55, 56}) {
    SCOPED_TRACE(code);
    auto s = run("\n50\nn\n" + std::to_string(code) + "\n");
    ASSERT_EQ(s.menus.size(), 3u);
    EXPECT_EQ(s.after(1), choice(code));
    EXPECT_EQ(s.menu(2), s.menu(1));
  }
}

}  // namespace
