// The axis, link, all-axes and box menus, line by line, at output level 2
// and without it (as while a command file is read).
#include <string>

#include "axis/axis.h"
#include "records/axis.h"
#include "support/menus.h"
#include "support/records.h"

namespace {

using namespace testing_support;

const Lines kAxisHead = menu_head(" @ subroutine s1axis1               v3.1 2012-05-09");
const Lines kLinkHead = menu_head(" @ subroutine s1axuswdtyp           v1.1 2012-05-09");
const Lines kBoxHead = menu_head(" @ subroutine s1bx2d                v1.4 2012-05-09");

// clang-format off
// The menu of axis 6, generic but for its increment line.
Lines axis_menu(const std::string& increment) {
  return {" Sizes:", " max nb of axis    =   15", " axis label length =   30", kDashes, " SETTING UP AXIS #    6",
          " -------------", " user space:", " initial value ....................1     0.000",
          " final   value ....................2    10.000", " -------------", " annotation:",
          " initial value ...................20     0.000", " final   value ...................21    10.000",
          increment, " size in cm ......................23     0.500", " nb of digits after dec. point ...24    0",
          " nb of subtics intervals..........25    5", " axis label ......................26 Generic 0-10 axis",
          " nb of tics intervals for label ..27    1", kDashes, " EXIT.............................99", kMenuTail};
}

Lines link_menu(const std::string& kind, const std::string& link) {
  return {" SETTING UP AXIS #    3", " max nb of axis  =   15", kDashes, kind, link,
          " annotations/user scaling  .......20   1.00000    ", kDashes, " EXIT.............................99",
          kMenuTail};
}

const Lines kBoxMenu = {
    " SETTING BOX #    1", kDashes, " X axis label: Generic 0-10 axis             ",
    " X axis nb........................10    1", " X axis params ...................11",
    " -----------------------------------", " Y axis label: Generic 0-10 axis             ",
    " Y axis nb........................20    2", " Y axis params ...................21", kDashes, " Border types:",
    " left ............................30    1", " right ...........................31    1",
    " bottom ..........................32    1", " top .............................33    1", kDashes,
    " Box label   : Generic box" + std::string(49, ' '), " Clipping ........................40    0",
    " X=0 & Y=0 mark line .............50    0", " Change box label ................60", kDashes,
    " EXIT.............................99", kMenuTail};
// clang-format on

class Menus : public ::testing::Test {
 protected:
  Menus() {
    reset_records();
    written_by([] { snaxis(5); });
  }
  // The transcript of f with the keyboard, at level 2 or without it, not pausing.
  template <class F>
  static Lines transcript(const std::string& keyboard, bool level2, F&& f) {
    return run_with(keyboard,
                    [&] {
                      iocom.LWITO(2) = level2;
                      iocom.LPAUSE = false;
                      f();
                    })
        .lines;
  }
};

TEST_F(Menus, AxisMenuComesBackAfterTheIncrementIsReset) {
  auto run = [](const std::string& keyboard, bool level2) {
    return transcript(keyboard, level2, [] {
      float u1 = 0, u2 = 10, w1 = 0, w2 = 10, wd = 0, size = 0.5f;
      std::string label = "Generic 0-10 axis";
      std::int32_t ndig = 0, nsub = 5, nlab = 1;
      s1axis1(u1, u2, w1, w2, wd, size, label, ndig, nsub, nlab, 6, 0);
    });
  };
  const Lines reset = lines({warning_head("s1axis1    "),
                             {" Inconsistent annotation increment:", " initial value      =     0.000",
                              " final   value      =    10.000", " increment          =     0.000",
                              " => RESET increment =     5.000", rule('/')}});
  const std::string echo = " New value =            99";
  EXPECT_EQ(
      run("\n\n", true),
      lines({kAxisHead, axis_menu(" increment .......................22     0.000"), choice(echo), reset,
             kAxisHead, axis_menu(" increment .......................22     5.000"), choice(echo)}));
  EXPECT_EQ(run("99\n99\n", false),
            lines({kAxisHead, choice(echo, false), reset, kAxisHead, choice(echo, false)}));
  EXPECT_EQ(axisblk7a.WAUD(6), 5.0f);
}

TEST_F(Menus, LinkMenuResetsAZeroScaleAndOffersThreeLinks) {
  auto run = [](const std::string& keyboard, bool level2) {
    return transcript(keyboard, level2, [] {
      std::int32_t link = 1;
      float scale = 0;
      s1axuswdtyp(link, scale, 3, 0);
    });
  };
  const Lines reset = lines(
      {warning_head("s1axuswdtyp"),
       {" trying to set wd/us scaling =  0.000000    ", " ==> RESET SCALING =   1.00000    ", rule('/')}});
  const Lines links = {" link between user units and annotations:", " annotation & user independent ....0",
                       " annotation = user ................1", " annotation = user * scale ........2"};
  EXPECT_EQ(run("10\n2\n\n", true),
            lines({reset,
                   kLinkHead,
                   link_menu(" user space = annotation", " user space versus annotations ...10    1"),
                   choice(" New value =            10"),
                   links,
                   {kDots, " Enter your choice (0-2)", " inside  [0,2]", " or return for default value",
                    " Default =            1", " New value =             2", kDots},
                   kLinkHead,
                   link_menu(" user space and annotations independent",
                             " user space versus annotations ...10    2"),
                   choice(" New value =            99")}));
  EXPECT_EQ(run("10\n2\n\n", false),
            lines({reset,
                   kLinkHead,
                   choice(" New value =            10", false),
                   links,
                   {" Enter your choice (0-2)", " inside  [0,2]", " New value =             2"},
                   kLinkHead,
                   choice(" New value =            99", false)}));
  EXPECT_EQ(std::make_pair(axisblk7a.IUSWDTYP(3), axisblk7a.WAOUS(3)), std::make_pair(2, 1.0f));
}

TEST_F(Menus, AllAxesMenuListsTheAxesAndChainsTheirMenus) {
  const Lines head = menu_head(" @ subroutine snaxis                v2.1 2012-05-09");
  Lines list = {" AXIS SET UP", kDashes, " axis label                  axis nb",
                " -----------------------------------"};
  for (const char* n :
       {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "13", "14", "15"})
    list.push_back(std::string(" Generic 0-10 axis    ............") + n);
  list = lines(
      {list,
       {kDashes, " Go through all axes.............100", " EXIT.............................99", kMenuTail}});
  EXPECT_EQ(transcript("\n", true, [] { snaxis(0); }),
            lines({head, list, choice(" New value =            99")}));
  // Mode 10: the link menu of axis 3, then its axis menu, then the list again.
  const auto off = [](const char* echo) { return choice(echo, false); };
  EXPECT_EQ(transcript("3\n\n\n\n", false, [] { snaxis(10); }),
            lines({head, off(" New value =             3"), kLinkHead, off(" New value =            99"),
                   kAxisHead, off(" New value =            99"), head, off(" New value =            99")}));
}

TEST_F(Menus, BoxMenuShowsTheAxesAndBorderTypesBeforeAskingForThem) {
  Lines axes = {kDashes, " Available axes:", " label: nb", kDashes};
  for (const char* n :
       {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "13", "14", "15"})
    axes.push_back(std::string(" Generic 0-10 axis                ") + n);
  axes.push_back(kDashes);
  // clang-format off
  const Lines types = {kDashes, " Border types:", " line+tics+ticmarks+axelabel.......1",
                       " line+tics+ticmarks................2", " line+tics.........................3",
                       " line..............................4", " nothing...........................5", kDashes};
  // clang-format on
  const auto box = [](std::int32_t mode) {
    std::int32_t x = 1, y = 2, l = 1, r = 1, b = 1, t = 1, clip = 0, zero = 0;
    std::string label(60, ' ');
    s1bx2d(x, y, l, r, b, t, clip, zero, label, 1, mode);
  };
  EXPECT_EQ(transcript("10\n\n30\n\n\n", true, [&] { box(4); }),
            lines({kBoxHead,
                   {" INITIALIZING BOX NB    1"},
                   kBoxHead,
                   kBoxMenu,
                   choice(" New value =            10"),
                   axes,
                   {kDots, " Enter X axis nb", " inside  [1,15]", " or return for default value",
                    " Default =            1", " New value =             1", kDots},
                   kBoxHead,
                   kBoxMenu,
                   choice(" New value =            30"),
                   types,
                   {kDots, " Enter left border type", " inside  [1,5]", " or return for default value",
                    " Default =            1", " New value =             1", kDots},
                   kBoxHead,
                   kBoxMenu,
                   choice(" New value =            99")}));
  // The whole box menu at every level; item 11 opens the axis menu.
  const auto off = [](const char* echo) { return choice(echo, false); };
  EXPECT_EQ(
      transcript("11\n\n\n", false, [&] { box(2); }),
      lines({kBoxHead, kBoxMenu, off(" New value =            11"),
             menu_head(" @ subroutine s1axis                v3.1 2012-05-09"),
             off(" New value =            99"), kBoxHead, kBoxMenu, off(" New value =            99")}));
}

}  // namespace
