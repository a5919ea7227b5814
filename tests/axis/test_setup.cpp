// Setting up axes, their links and the box: where the values start, what is checked, what is
// stored and handed back, and the menus at output level 2 and without it (as while a command
// file is read).
#include <functional>
#include <tuple>
#include <vector>

#include "support/axes.h"
#include "support/menus.h"

namespace {

using namespace testing_support;

const AxisValues kCaller = {1, 2, 10, 20, 2.5f, 0.3f, fixed::fit("Caller", 40), 2, 4, 3};
const AxisValues kStored = {5000, 0, 5000, 0, -500, 0.5f, fixed::fit("Depth (m)", 40), 0, 5, 2};
const AxisValues kDefault = {0, 10, 0, 10, 5, 0.5f, fixed::fit("Generic 0-10 axis", 40), 0, 5, 1};

const Lines kAxisHead = menu_head(" @ subroutine s1axis1               v3.1 2012-05-09");
const Lines kLinkHead = menu_head(" @ subroutine s1axuswdtyp           v1.1 2012-05-09");
const Lines kBoxHead = menu_head(" @ subroutine s1bx2d                v1.4 2012-05-09");
const Lines kAllHead = menu_head(" @ subroutine snaxis                v2.1 2012-05-09");

// The axes of a fresh run, axis 1 with a label longer than the lists show, axis 4 as the program
// defines it besides; box 1 is never set.
class AxisSetUp : public ::testing::Test {
 protected:
  AxisSetUp() {
    reset_records();
    run_with("", [] { snaxis(5); }).lines;
    axisblk7b.WALAB(1) = fixed::fit("Shmax: largest horizontal stress", 30);
    set_axis(kStored, 4, 1);
  }
};

TEST_F(AxisSetUp, ModesChooseTheStartAndTheDialogueAndAlwaysStore) {
  const Lines announce = kAxisHead + Lines{" INITIALIZING AXIS NB    4"},
              menu = kAxisHead + choice(" New value =            99", false);
  // The modes that take one path, the values they start from, whether they announce and whether
  // the menu opens.
  const std::vector<std::tuple<std::vector<std::int32_t>, AxisValues, bool, bool>> cases = {
      // clang-format off
      {{0, 12, -2}, kCaller, false, true},
      {{1, 11, -1}, kCaller, false, false},
      {{2, 10}, kStored, false, true},
      {{3}, kStored, false, false},
      {{4}, kDefault, true, true},
      {{5}, kDefault, true, false},
      // clang-format on
  };
  for (const auto& [modes, start, announces, opens] : cases) {
    for (std::int32_t mode : modes) {
      SCOPED_TRACE(mode);
      set_axis(kStored, 4, 1);
      AxisValues got;
      EXPECT_EQ(menu_transcript("\n", false, [&] { got = set_axis(kCaller, 4, mode); }),
                lines({announces ? announce : Lines{}, opens ? menu : Lines{}}));
      EXPECT_TRUE(got == start && axis_stored(4) == start);
    }
  }
  // The earlier variant neither reads nor writes the label interval (axis 4 now holds 1).
  EXPECT_EQ(set_axis(kCaller, 4, 3, false).nlabintk, kCaller.nlabintk);
  set_axis(kCaller, 4, 1, false);
  EXPECT_EQ(axis_stored(4).nlabintk, 1);
}

TEST_F(AxisSetUp, NumbersOfNoAxisOrBoxAreRefusedAndChangeNothing) {
  const BoxValues box = {3, 3, 3, 3, 3, 3, 0, 0, "Box"};
  const Lines none = {" max axis nb =   15", " ===> NO ACTION"};
  // The call on number n in the mode that would open the menu, true when it left its arguments as
  // they were; the frame's name, its first line up to the number, and its last two lines.
  // clang-format off
  const std::vector<std::tuple<std::function<bool(std::int32_t)>, const char*, const char*, Lines>> cases = {
      {[](auto n) { return set_axis(kCaller, n, 0) == kCaller; }, "s1axis1    ",
       " trying to set axis nb =", none},
      {[](auto n) { return set_link({1, 2.0f}, n, 0) == Link{1, 2.0f}; }, "s1axuswdtyp",
       " trying to set axis nb =", none},
      {[&](auto n) { return set_box(box, n, 0) == box; }, "s1bx2d     ", " trying to set box nb =",
       {" max box nb =    1", " ===> NO ACTION"}},
      {[](auto n) { return axis_bounds(n) == std::pair{0.0f, 10.0f}; }, "g1axbd     ",
       " trying to get bounds of axis nb =", {" max axis nb =   15", " ===> RETURNING [0, 10]"}},
  };
  // clang-format on
  for (const auto& [unchanged, routine, trying, ending] : cases) {
    for (const auto& [n, nb] : {std::pair{0, "    0"}, std::pair{16, "   16"}}) {
      SCOPED_TRACE(testing::Message() << routine << n);
      bool kept = false;
      EXPECT_EQ(run_with("", [&] { kept = unchanged(n); }).lines,
                error_frame(routine, Lines{std::string(trying) + nb} + ending));
      EXPECT_TRUE(kept) << "arguments unchanged";
    }
  }
  EXPECT_EQ(axis_bounds(4), std::pair(5000.0f, 0.0f));
}

TEST_F(AxisSetUp, IncrementPointsFromTheFirstBoundToTheSecond) {
  // Bounds and increment; the increment stored and the last line of the warning, if any. A zero
  // increment on unequal bounds is reset as the axis menu test shows.
  const std::vector<std::tuple<float, float, float, float, std::string>> cases = {
      {10, 0, 5, -5, " => RESET increment =    -5.000"},
      {0, 10, -2, 2, " => RESET increment =     2.000"},
      {3, 3, 2, 2, ""},
      {3, 3, -2, -2, ""},
      // Equal bounds have no range to halve: the check would never end.
      {3, 3, 0, 1, " => RESET increment =     1.000"},
  };
  for (const auto& [w1, w2, wd, want, reset] : cases) {
    SCOPED_TRACE(testing::Message() << w1 << " " << w2 << " " << wd);
    AxisValues a = kDefault, got;
    a.wau1 = w1, a.wau2 = w2, a.waud = wd;
    const Lines out = run_with("", [&] { got = set_axis(a, 6, 1); }).lines;
    EXPECT_TRUE(got.waud == want && axis_stored(6).waud == want);
    EXPECT_EQ(count(out, warning_head("s1axis1    ")[1]), reset.empty() ? 0 : 1);
    EXPECT_EQ(count(out, reset), reset.empty() ? 0 : 1);
  }
}

TEST_F(AxisSetUp, LinksAreCheckedAndDeriveTheStoredUserBounds) {
  // Link and scale given, mode; stored, and the screen; then the user bounds s1axis1 stores for
  // annotation 1000 to 5000 and user 7 to 9. Link 2 is offered by the menu only.
  const auto unknown = [](const char* trying) {
    return warning_head("s1axuswdtyp") + Lines{trying, " UNKNOWN TYPE", " ==> RESET TYPE =    0", rule('/')};
  };
  // clang-format off
  const std::vector<std::tuple<Link, std::int32_t, Link, Lines, std::pair<float, float>>> cases = {
      {{2, 3.0f}, 1, {0, 3.0f}, unknown(" trying to set us/wd type =    2"), {7, 9}},
      {{-1, 3.0f}, 11, {0, 3.0f}, unknown(" trying to set us/wd type =   -1"), {7, 9}},
      {{1, 0.0f}, 1, {1, 0.0f}, {}, {1000, 5000}},
      // Axis 4 holds link 1, scale 1.
      {{2, 3.0f}, 3, {1, 1.0f}, {}, {1000, 5000}},
      {{2, 3.0f}, 5, {0, 1.0f}, kLinkHead + Lines{" INITIALIZING US-WD FOR AXIS NB    4"}, {7, 9}},
  };
  // clang-format on
  for (const auto& [given, mode, want, screen, bounds] : cases) {
    SCOPED_TRACE(testing::Message() << given.type << " " << given.scale << " mode " << mode);
    set_link({1, 1.0f}, 4, 1);
    Link got{};
    EXPECT_EQ(menu_transcript("", false, [&] { got = set_link(given, 4, mode); }), screen);
    EXPECT_TRUE(got == want && axisblk7a.IUSWDTYP(4) == want.type && axisblk7a.WAOUS(4) == want.scale);
    set_axis({7, 9, 1000, 5000, 500, 0.5f, "x", 0, 5, 1}, 4, 1);
    EXPECT_EQ(std::make_pair(axisblk7a.USA1(4), axisblk7a.USA2(4)), bounds);
  }
}

TEST_F(AxisSetUp, AllAxesStartGenericAndOddModesDoNothing) {
  set_link({0, 5.0f}, 9, 1);
  set_axis(kCaller, 9, 1);
  for (std::int32_t mode : {1, 3, -1}) EXPECT_EQ(run_with("", [&] { snaxis(mode); }).lines, Lines{});
  EXPECT_TRUE(axis_stored(9) == kCaller && axisblk7a.WAOUS(9) == 5.0f);
  EXPECT_EQ(run_with("", [] { snaxis(5); }).lines, kAllHead + Lines{" INITIALIZING AXES"});
  for (std::int32_t k = 1; k <= 15; ++k)
    EXPECT_TRUE(axis_stored(k) == kDefault && axisblk7a.IUSWDTYP(k) == 0 && axisblk7a.WAOUS(k) == 1.0f) << k;
}

TEST_F(AxisSetUp, BoxModesCheckAxisNumbersFromTheCallerAndTheStoredBoxAndStore) {
  const BoxValues caller = {3, 4, 2, 3, 4, 5, 1, 1, fixed::fit("Stress range", 60)};
  auto reset = [](const char* n, const char* to) {
    return error_frame("s1bx2d     ", {std::string(" trying to set axis nb =") + n, " max axis nb =   15",
                                       std::string(" ===> RESET axis nb =    ") + to});
  };
  // Whether a box was stored before (else never set), the mode; the screen and the box handed back
  // and stored. Axis numbers from the caller and the stored box are checked, nothing else is.
  const BoxValues odd = {16, 0, 0, 7, 1, 1, 5, 1, fixed::fit("Box", 60)};
  // clang-format off
  const std::vector<std::tuple<bool, std::int32_t, Lines, BoxValues>> cases = {
      {false, 3, reset("    0", "1") + reset("    0", "2"), {1, 2, 0, 0, 0, 0, 0, 0, std::string(60, ' ')}},
      {true, 1, reset("   16", "1") + reset("    0", "2"), {1, 2, 0, 7, 1, 1, 5, 1, fixed::fit("Box", 60)}},
      {true, 3, {}, caller},
      {true, 5, kBoxHead + Lines{" INITIALIZING BOX NB    1"},
       {1, 2, 1, 1, 1, 1, 0, 0, fixed::fit("Generic box", 60)}},
  };
  // clang-format on
  for (const auto& [before, mode, out, want] : cases) {
    SCOPED_TRACE(mode);
    reset_records();
    if (before) set_box(caller, 1, 1);
    BoxValues got;
    EXPECT_EQ(run_with("", [&] { got = set_box(odd, 1, mode); }).lines, out);
    EXPECT_TRUE(got == want && box_stored() == want);
  }
  // A long label keeps its first 25 characters.
  set_box({1, 2, 1, 1, 1, 1, 0, 0, std::string(26, 'b') + "c"}, 1, 1);
  EXPECT_EQ(axisblk7b.BOXLAB, std::string(25, 'b'));
}

// The axis menu, whole: the one menu with every kind of field.
TEST_F(AxisSetUp, AxisMenuComesBackAfterTheIncrementIsResetAndOffersNoUserBoundsWhenLinked) {
  auto run = [](const std::string& keyboard, bool level2, std::int32_t iaxis) {
    return menu_transcript(keyboard, level2, [=] {
      set_axis({0, 10, 0, 10, 0, 0.5f, "Generic 0-10 axis", 0, 5, 1}, iaxis, 0);
    });
  };
  // clang-format off
  const Lines reset = warning_head("s1axis1    ") + Lines{" Inconsistent annotation increment:",
      " initial value      =     0.000", " final   value      =    10.000", " increment          =     0.000",
      " => RESET increment =     5.000", rule('/')};
  Lines menu = {" Sizes:", " max nb of axis    =   15", " axis label length =   30", kDashes,
      " SETTING UP AXIS #    6", " -------------", " user space:",
      " initial value ....................1     0.000",
      " final   value ....................2    10.000", " -------------", " annotation:",
      " initial value ...................20     0.000", " final   value ...................21    10.000",
      " increment .......................22     0.000", " size in cm ......................23     0.500",
      " nb of digits after dec. point ...24    0", " nb of subtics intervals..........25    5",
      " axis label ......................26 Generic 0-10 axis", " nb of tics intervals for label ..27    1",
      kDashes, " EXIT.............................99", rule('@')};
  // clang-format on
  const Lines first = menu;
  menu[13] = " increment .......................22     5.000";
  const char* echo = " New value =            99";
  EXPECT_EQ(run("\n\n", true, 6),
            lines({kAxisHead, first, choice(echo), reset, kAxisHead, menu, choice(echo)}));
  EXPECT_EQ(axisblk7a.WAUD(6), 5.0f);
  // Linked axis 7: item 1 only shows the menu again.
  axisblk7a.IUSWDTYP(7) = 1;
  EXPECT_EQ(run("1\n99\n99\n", false, 7),
            lines({kAxisHead, choice(" New value =             1", false), kAxisHead, choice(echo, false),
                   reset, kAxisHead, choice(echo, false)}));
}

TEST_F(AxisSetUp, LinkMenuResetsAZeroScaleOffersThreeLinksAndScalesTheUserBounds) {
  auto run = [](bool level2) {
    return menu_transcript("10\n2\n20\n1000\n\n", level2, [] { set_link({1, 0.0f}, 3, 0); });
  };
  const Lines links = {" link between user units and annotations:", " annotation & user independent ....0",
                       " annotation = user ................1", " annotation = user * scale ........2"};
  const Lines out = run(true);
  EXPECT_TRUE(has_in_order(
      out,
      Lines{" trying to set wd/us scaling =  0.000000    ", " ==> RESET SCALING =   1.00000    ",
            " SETTING UP AXIS #    3", " max nb of axis  =   15", " user space = annotation",
            " user space versus annotations ...10    1", " annotations/user scaling  .......20   1.00000    ",
            " EXIT.............................99", " Enter your choice (0-2)", " inside  [0,2]",
            " user space and annotations independent", " user space versus annotations ...10    2"}));
  EXPECT_TRUE(has_in_order(out, {links}));
  EXPECT_EQ(std::make_pair(axisblk7a.IUSWDTYP(3), axisblk7a.WAOUS(3)), std::make_pair(2, 1000.0f));
  // Annotation 1000 to 5000 over the scale; the earlier axis set-up keeps the user bounds.
  set_axis({7, 9, 1000, 5000, 500, 0.5f, "x", 0, 5, 1}, 3, 1);
  EXPECT_EQ(std::make_pair(axisblk7a.USA1(3), axisblk7a.USA2(3)), std::make_pair(1.0f, 5.0f));
  set_axis({7, 9, 1000, 5000, 500, 0.5f, "x", 0, 5, 1}, 3, 1, false);
  EXPECT_EQ(std::make_pair(axisblk7a.USA1(3), axisblk7a.USA2(3)), std::make_pair(7.0f, 9.0f));
  // The links are listed at every level.
  EXPECT_TRUE(has_in_order(run(false), {kLinkHead, choice(" New value =            10", false), links}));
}

TEST_F(AxisSetUp, AllAxesMenuListsTheAxesAndChainsTheirMenus) {
  EXPECT_TRUE(has_in_order(
      menu_transcript("\n", true, [] { snaxis(0); }),
      Lines{" AXIS SET UP", " axis label                  axis nb", " Shmax: largest horiz ............ 1",
            " Generic 0-10 axis    ............ 2", " Generic 0-10 axis    ............15",
            " Go through all axes.............100", " EXIT.............................99"}));
  // From mode 10 on, the link menu of axis 3 comes first and its new link shapes the axis menu.
  EXPECT_TRUE(has_in_order(menu_transcript("3\n10\n2\n\n\n\n", true, [] { snaxis(10); }),
                           Lines{kAllHead[1], kLinkHead[1], " user space versus annotations ...10    2",
                                 kAxisHead[1], " user space:", kAllHead[1]}));
  // 100 goes through the fifteen axes, and below mode 10 without their links.
  const Lines all = menu_transcript("100\n" + std::string(16, '\n'), false, [] { snaxis(0); });
  EXPECT_TRUE(count(all, kAxisHead[1]) == 15 && count(all, kLinkHead[1]) == 0);
}

TEST_F(AxisSetUp, BoxMenuShowsTheAxesAndBorderTypesBeforeAskingForThem) {
  const auto box = [](std::int32_t mode) { set_box({1, 2, 1, 1, 1, 1, 0, 0, fixed::blanks(60)}, 1, mode); };
  const Lines out = menu_transcript("10\n\n30\n\n\n", true, [&] { box(4); });
  EXPECT_EQ(count(out, " Box label   : Generic box" + std::string(49, ' ')), 3);
  // clang-format off
  const Lines shown = {" INITIALIZING BOX NB    1", " SETTING BOX #    1",
      " X axis label: Shmax: largest horizontal stre", " X axis nb........................10    1",
      " X axis params ...................11", " Y axis label: Generic 0-10 axis             ",
      " Y axis nb........................20    2", " Y axis params ...................21",
      " left ............................30    1", " right ...........................31    1",
      " bottom ..........................32    1", " top .............................33    1",
      " Clipping ........................40    0", " X=0 & Y=0 mark line .............50    0",
      " Change box label ................60", " EXIT.............................99", " Available axes:",
      " Shmax: largest horizontal stre    1", " Generic 0-10 axis                15", " Enter X axis nb",
      " inside  [1,15]", " line+tics+ticmarks+axelabel.......1", " line+tics+ticmarks................2",
      " line+tics.........................3", " line..............................4",
      " nothing...........................5", " Enter left border type", " inside  [1,5]"};
  // clang-format on
  EXPECT_TRUE(has_in_order(out, shown));
  // The box menu at every level; item 11 opens the earlier axis menu, without a label interval.
  EXPECT_TRUE(has_in_order(menu_transcript("11\n\n\n", false, [&] { box(2); }),
                           Lines{" SETTING BOX #    1", " New value =            11",
                                 " @ subroutine s1axis                v3.1 2012-05-09",
                                 " New value =            99", " SETTING BOX #    1"}));
  EXPECT_TRUE(has_in_order(
      menu_transcript("21\n\n\n", true, [&] { box(2); }),
      {{" axis label ......................26 Generic 0-10 axis" + std::string(18, ' '), kDashes}}));
}

}  // namespace
