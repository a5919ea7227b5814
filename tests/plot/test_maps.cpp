// User-to-centimetre maps, their derived maps and the set-up dialogues.
#include <cmath>

#include "plot_fixture.h"

using testing_support::Console;

namespace {

class Maps : public ::testing::Test {
 protected:
  void SetUp() override {
    plot_test::reset_plot_records();
    std::int32_t one = 1;
    ssubplot(one, 1);
  }
};

struct Window {
  float xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax;
  std::int32_t ixy;
};

void set(Window& w, std::int32_t inter = 1) {
  sus2cm3(w.xcm0, w.ycm0, w.xlcm, w.ylcm, w.xumin, w.xumax, w.yumin, w.yumax, w.ixy, inter);
}
void set(Window&& w) {
  set(w);
}

// A console line: one blank, then the text.
std::string l(const std::string& text) {
  return " " + text;
}
std::string head(const std::string& name, const std::string& stamp) {
  return " @ subroutine " + name + std::string(15, ' ') + stamp;
}

}  // namespace

TEST_F(Maps, WindowGivesScalesAndOffset) {
  struct Case {
    const char* what;
    Window w;
    float sx, sy, x0, y0;
  };
  const Case cases[] = {
      {"defaults", {2, 2, 15, 15, -10, 10, -10, 10, 1}, 0.75f, 0.75f, 9.5f, 9.5f},
      {"equal scales shorten y", {0, 0, 15, 15, 0, 100, 0, 50, 1}, 0.15f, 0.15f, 0, 0},
      {"independent scales", {0, 0, 15, 15, 0, 100, 0, 50, 0}, 0.15f, 0.3f, 0, 0},
      {"ixy 2 acts as 0", {0, 0, 15, 15, 0, 100, 0, 50, 2}, 0.15f, 0.3f, 0, 0},
      {"depth axis downwards", {1, 3, 10, 21, 0, 10, 5000, 0, 0}, 1.0f, -0.0042f, 1, 24},
      {"reversed x keeps its sign", {0, 0, 10, 5, 20, 0, 0, 20, 1}, -0.25f, 0.25f, 5, 0},
  };
  Console c;
  for (auto k : cases) {
    set(k.w);
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(1, 1, 1), k.sx) << k.what;
    EXPECT_FLOAT_EQ(plt1blk.USTOCM(2, 2, 1), k.sy) << k.what;
    EXPECT_EQ(plt1blk.USTOCM(1, 2, 1), 0.0f) << k.what;
    EXPECT_NEAR(plt1blk.US0TOCM(1, 1), k.x0, 1e-5f) << k.what;
    EXPECT_NEAR(plt1blk.US0TOCM(2, 1), k.y0, 1e-4f) << k.what;
    // The inverse undoes the map.
    EXPECT_NEAR(plt1blk.CMTOUS(1, 1, 1) * k.sx, 1.0f, 1e-6f) << k.what;
    EXPECT_NEAR(plt1blk.CM0TOUS(2, 1) + plt1blk.CMTOUS(2, 2, 1) * k.y0, 0.0f, 1e-4f) << k.what;
  }
  EXPECT_EQ(c.text(), "") << "the setter writes nothing of its own";
}

TEST_F(Maps, WindowWithEqualEndsIsRefusedAndThePreviousMapKept) {
  Console c;
  iocom.LPAUSE = false;
  set({2, 2, 15, 15, -10, 10, -10, 10, 1});
  const Plt1Blk before = plt1blk;
  for (Window bad : {Window{0, 0, 10, 10, 3, 3, 0, 1, 0}, Window{0, 0, 10, 10, 0, 1, -2, -2, 1},
                     Window{0, 0, 0, 10, 5, 5, 0, 1, 0}}) {
    c.clear();
    set(bad);
    EXPECT_EQ(plt1blk.USTOCM.v, before.USTOCM.v);
    EXPECT_EQ(plt1blk.US0TOCM.v, before.US0TOCM.v);
    EXPECT_EQ(plt1blk.USEXTR.v, before.USEXTR.v) << "the window fields are kept too";
    const auto lines = c.lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1], " ///          subroutine   sus2cm3              ///");
    EXPECT_EQ(lines[4], " user window without extent: no finite scale");
    EXPECT_EQ(lines[7], " subplot nb =   1");
    EXPECT_EQ(lines[8], " ===> NO ACTION: previous map kept");
  }
}

TEST_F(Maps, ModesChooseStartValuesSubplotsAndStorage) {
  Console c;
  set({1, 1, 8, 8, 0, 4, 0, 4, 0});
  // Mode 3 hands back the stored window and recomputes nothing.
  Window w{};
  plt1blk.CMTOUS(1, 1, 1) = 99.0f;
  set(w, 3);
  EXPECT_EQ(w.xumax, 4.0f);
  EXPECT_EQ(plt1blk.CMTOUS(1, 1, 1), 99.0f);
  // Mode 7: every subplot gets the default map and its inverse; the current
  // subplot stays; an odd mode beyond 7 then works on the current one only.
  float a = 0, b = 0, xx = 0, xy = 0, yx = 0, yy = 0;
  sus2cm1(a, b, xx, xy, yx, yy, 7);
  EXPECT_EQ(plt1blk.CM0TOUS(2, 40), -10.0f);
  a = 3, xx = 2, yy = 2;
  sus2cm1(a, b, xx, xy, yx, yy, 9);
  EXPECT_EQ(plt1blk.US0TOCM(1, 1), 3.0f);
  EXPECT_EQ(plt1blk.US0TOCM(1, 2), 10.0f);
  EXPECT_EQ(plt1blk.CMTOUS(1, 1, 1), 0.5f);
  EXPECT_EQ(plt1blk.ISUBPLOT, 1);
  EXPECT_EQ(c.text(), "");
}

TEST_F(Maps, WindowDialogueShowsTheSetUpAndTakesNewValues) {
  Console c("y\n-5\n5\n\n\n\n\n\n\n0\n");
  Window w{};
  set(w, 4);
  const auto lines = c.lines();
  const std::string eq = l(std::string(42, '=')), dash = l(std::string(42, '-'));
  const std::vector<std::string> picture = {
      eq,
      l("          CONVERSION SET UP               "),
      eq,
      l("|  cm  |                     |user units|"),
      l("|  on  | <------------------ |   used   |"),
      l("| plot |                     | in calls |"),
      l(""),
      l(" |xcm|                           |xu|"),
      l(" |   | <------------------------ |  |"),
      l(" |ycm|                           |yu|"),
      eq,
      l("            Current set up:"),
      eq,
      dash,
      l("     1 - USER UNITS IN USER SPACE         "),
      dash,
      l("   _|_________________|_  yumax = " + std::string(3, ' ') + "10.000"),
      l("    |                 |"),
      l("    |                 |"),
      l("   _|_________________|_  yumin = " + std::string(2, ' ') + "-10.000"),
      l("    |                 |"),
      l("  xumin             xumax"),
      "  " + std::string(2, ' ') + "-10.000" + std::string(9 + 3, ' ') + "10.000",
      l(""),
      l(" user limits:          xu,yu in user units"),
      l(" xumin =   -10.000  yumin =   -10.000"),
      l(" xumax =    10.000  yumax =    10.000"),
      dash,
      l("     2 - CM UNITS ON PLOT                 "),
      dash,
      l("   _|_________________|_  "),
      l("    |                 |  |"),
      l("    |                 |  | ylcm =    15.000"),
      l("   _|_________________|_ | _ ycm0 =     2.000"),
      l("    |                 |"),
      l("    <---- xlcm -------> "),
      l("    |      15.000"),
      l("  xcm0 =     2.000"),
      l(""),
      l(" paper limits:               xcm,ycm in cm"),
      l(" xlcm  =    15.000  ylcm  =    15.000"),
      l(" xcm0  =     2.000  ycm0  =     2.000"),
      dash,
      l("X & Y scale imposed equal"),
      dash,
  };
  ASSERT_GT(lines.size(), 3 + picture.size());
  EXPECT_EQ(lines[1], head("mus2cm3", "v4.5 2019-10-02"));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 3 + picture.size()), picture);
  // Then the questions in their order.
  std::vector<std::string> asked;
  for (const auto& line : lines)
    if (line == " Do you want to alter this ?" ||
        (line.rfind(" Enter ", 0) == 0 && line.find("(0/1)(n/y)") == std::string::npos))
      asked.push_back(line);
  const std::vector<std::string> want = {" Do you want to alter this ?",
                                         " Enter xumin",
                                         " Enter xumax",
                                         " Enter yumin",
                                         " Enter yumax",
                                         " Enter xcm0",
                                         " Enter ycm0",
                                         " Enter xlcm",
                                         " Enter ylcm",
                                         " Enter Whether X scale = Y scale (0/1) ?"};
  EXPECT_EQ(asked, want);
  EXPECT_EQ(c.unread(), "");
  EXPECT_EQ(w.xumin, -5.0f);
  EXPECT_EQ(w.ixy, 0);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM(1, 1, 1), 1.5f);
  EXPECT_FLOAT_EQ(plt1blk.USTOCM(2, 2, 1), 0.75f);
}

TEST_F(Maps, OffsetMatrixDialogue) {
  Console c("n\n\n");
  float x0 = 10, y0 = 10, xx = 1, xy = 0, yx = 0, yy = 1;
  mus2cm1(x0, y0, xx, xy, yx, yy);
  auto lines = c.lines();
  ASSERT_GE(lines.size(), 24u);
  EXPECT_EQ(lines[1], head("mus2cm1", "v6.6 2019-10-02"));
  EXPECT_EQ(lines[20], " |xcm|   |  1.000   0.000|   |xu|   | 10.000|");
  EXPECT_EQ(lines[21], " |   | = |               | * |  | + |       |");
  EXPECT_EQ(lines[22], " |ycm|   |  0.000   1.000|   |yu|   | 10.000|");
  // Without level 2 only the head and the question; Return keeps the values.
  c.clear();
  iocom.LWITO(2) = false;
  mus2cm1(x0, y0, xx, xy, yx, yy);
  lines = c.lines();
  EXPECT_EQ(lines[3], " Do you want to alter this ?");
  EXPECT_EQ(xx, 1.0f);
}
