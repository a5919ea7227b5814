// Setting up axes, their links and the box: where the values start, what
// is checked, what is stored and handed back, and the menus' transcripts.
#include <string>
#include <tuple>
#include <vector>

#include "axis/axis.h"
#include "records/axis.h"
#include "support/menus.h"
#include "support/records.h"

namespace {

using namespace testing_support;

// One axis as the set-up routines take it.
struct Ax {
  float usa1, usa2, wau1, wau2, waud, walas;
  std::string walab;
  std::int32_t nawdig, nasubint, nlabintk;
  bool operator==(const Ax&) const = default;
};

// s1axis1, or s1axis when the label interval is left out, on a copy of a.
Ax set_axis(Ax a, std::int32_t iaxis, std::int32_t imode, bool with_interval = true) {
  if (with_interval)
    s1axis1(a.usa1, a.usa2, a.wau1, a.wau2, a.waud, a.walas, a.walab, a.nawdig, a.nasubint, a.nlabintk, iaxis,
            imode);
  else
    s1axis(a.usa1, a.usa2, a.wau1, a.wau2, a.waud, a.walas, a.walab, a.nawdig, a.nasubint, iaxis, imode);
  return a;
}
// What axis k holds, its label at the given length.
Ax stored(std::int32_t k, std::size_t label_length = 30) {
  const auto& r = axisblk7a;
  const std::string label = fixed::fit(axisblk7b.WALAB(k), label_length);
  return {r.USA1(k),  r.USA2(k), r.WAU1(k),   r.WAU2(k),     r.WAUD(k),
          r.WALAS(k), label,     r.NAWDIG(k), r.NASUBINT(k), r.NLABINTK(k)};
}

struct Box {
  std::int32_t x, y, left, right, bottom, top, clip, zero;
  std::string label;
  bool operator==(const Box&) const = default;
};
Box set_box(Box b, std::int32_t ibox, std::int32_t imode) {
  s1bx2d(b.x, b.y, b.left, b.right, b.bottom, b.top, b.clip, b.zero, b.label, ibox, imode);
  return b;
}
Box stored_box(std::size_t label_length = 25) {
  const auto& r = axisblk7a;
  return {r.IBXAXIS,     r.IBYAXIS,     r.IBBORDER(1),
          r.IBBORDER(2), r.IBBORDER(3), r.IBBORDER(4),
          r.IBCLIP,      r.IBZEROLIN,   fixed::fit(axisblk7b.BOXLAB, label_length)};
}

const std::string kGeneric = "Generic 0-10 axis";
const Ax kCaller = {1, 2, 10, 20, 2.5f, 0.3f, fixed::fit("Caller", 40), 2, 4, 3};
const Ax kStored = {5000, 0, 5000, 0, -500, 0.5f, fixed::fit("Depth (m)", 40), 0, 5, 2};
const Ax kDefault = {0, 10, 0, 10, 5, 0.5f, fixed::fit(kGeneric, 40), 0, 5, 1};

// Every test starts from the axes of a fresh run and axis 4 as the program
// defines it; box 1 is never set.
class AxisSetUp : public ::testing::Test {
 protected:
  AxisSetUp() {
    reset_records();
    written_by([] { snaxis(5); });
    std::int32_t link = 1;
    float scale = 1.0f;
    s1axuswdtyp(link, scale, 4, 1);
    set_axis(kStored, 4, 1);
  }
};

TEST_F(AxisSetUp, ModesChooseTheStartAndTheDialogueAndAlwaysStore) {
  const Lines announce =
      menu_head(" @ subroutine s1axis1               v3.1 2012-05-09") + Lines{" INITIALIZING AXIS NB    4"};
  // Mode, the values it starts from, whether it announces and whether its menu opens.
  const std::vector<std::tuple<std::int32_t, Ax, bool, bool>> cases = {
      {0, kCaller, false, true},  {1, kCaller, false, false},  {2, kStored, false, true},
      {3, kStored, false, false}, {4, kDefault, true, true},   {5, kDefault, true, false},
      {10, kStored, false, true}, {11, kCaller, false, false}, {12, kCaller, false, true},
      {-2, kCaller, false, true}, {-1, kCaller, false, false},
  };
  for (const auto& [mode, start, announces, menu] : cases) {
    SCOPED_TRACE(mode);
    set_axis(kStored, 4, 1);
    Ax got;
    const auto out = run_with("\n", [&, mode = mode] { got = set_axis(kCaller, 4, mode); });
    EXPECT_EQ(got, start) << "handed back";
    // Link 1: the stored user bounds are the annotation bounds.
    Ax want = start;
    want.usa1 = want.wau1, want.usa2 = want.wau2;
    EXPECT_EQ(stored(4, 40), want);
    EXPECT_EQ(out.unread, menu ? "" : "\n");
    const Lines first4(out.lines.begin(), out.lines.begin() + std::min<std::size_t>(4, out.lines.size()));
    EXPECT_EQ(first4 == announce, announces);
    if (!menu && !announces) {
      EXPECT_EQ(out.lines, Lines{});
    }
  }
  // The earlier variant neither reads nor writes the label interval.
  Ax got = set_axis(kCaller, 5, 3, false);
  EXPECT_EQ(got.nlabintk, kCaller.nlabintk);
  set_axis(kCaller, 5, 1, false);
  EXPECT_EQ(stored(5).nlabintk, 1);
}

TEST_F(AxisSetUp, AxisNumbersOutsideOneToFifteenChangeNothing) {
  for (const auto& [iaxis, trying] :
       {std::pair{0, " trying to set axis nb =    0"}, std::pair{16, " trying to set axis nb =   16"}}) {
    const Lines body = {trying, " max axis nb =   15", " ===> NO ACTION"};
    for (std::int32_t mode : {0, 1, 3, 5}) {
      SCOPED_TRACE(testing::Message() << iaxis << " mode " << mode);
      Ax got;
      const auto out = run_with("", [&, iaxis = iaxis] { got = set_axis(kCaller, iaxis, mode); });
      EXPECT_EQ(got, kCaller);
      EXPECT_EQ(out.lines, error_frame("s1axis1    ", body));
      std::int32_t link = 1;
      float scale = 2;
      EXPECT_EQ(written_by([&, iaxis = iaxis] { s1axuswdtyp(link, scale, iaxis, mode); }),
                error_frame("s1axuswdtyp", body));
      EXPECT_EQ(std::make_pair(link, scale), std::make_pair(1, 2.0f));
    }
  }
  EXPECT_EQ(stored(4, 40), (Ax{5000, 0, 5000, 0, -500, 0.5f, fixed::fit("Depth (m)", 40), 0, 5, 2}));
}

TEST_F(AxisSetUp, IncrementPointsFromTheFirstBoundToTheSecond) {
  // Bounds and increment; the increment stored and the last line of the warning, if any.
  // clang-format off
  const std::vector<std::tuple<float, float, float, float, std::string>> cases = {
      {0, 10, 0, 5, " => RESET increment =     5.000"}, {10, 0, 5, -5, " => RESET increment =    -5.000"},
      {0, 10, -2, 2, " => RESET increment =     2.000"}, {5000, 0, -500, -500, ""}, {3, 3, 2, 2, ""},
      {3, 3, -2, -2, ""},
      // Equal bounds have no range to halve: the check would never end.
      {3, 3, 0, 1, " => RESET increment =     1.000"},
  };
  // clang-format on
  for (const auto& [w1, w2, wd, want, reset] : cases) {
    for (std::int32_t mode : {1, 11}) {
      SCOPED_TRACE(testing::Message() << w1 << " " << w2 << " " << wd << " mode " << mode);
      Ax a = kDefault;
      a.wau1 = w1, a.wau2 = w2, a.waud = wd;
      Ax got;
      const Lines out = written_by([&] { got = set_axis(a, 6, mode); });
      EXPECT_TRUE(got.waud == want && stored(6).waud == want);
      EXPECT_EQ(count(out, warning_head("s1axis1    ")[1]), reset.empty() ? 0 : 1);
      EXPECT_EQ(count(out, reset), reset.empty() ? 0 : 1);
    }
  }
}

TEST_F(AxisSetUp, LinksDeriveTheStoredUserBoundsAndLabelsAreCut) {
  // Link, scale, variant: the stored user bounds of annotation 0 to 5000 and user 7 to 9.
  const std::vector<std::tuple<std::int32_t, float, bool, float, float>> cases = {
      {0, 1000, true, 7, 9}, {1, 1000, true, 0, 5000}, {2, 1000, true, 0, 5}, {2, 1000, false, 7, 9}};
  for (const auto& [link, scale, full, u1, u2] : cases) {
    SCOPED_TRACE(testing::Message() << link << (full ? " s1axis1" : " s1axis"));
    // Link 2 is offered by the menu only.
    std::int32_t l = link == 2 ? 0 : link;
    float s = scale;
    run_with(link == 2 ? "10\n2\n99\n" : "", [&] { s1axuswdtyp(l, s, 7, link == 2 ? 0 : 1); });
    ASSERT_EQ(axisblk7a.IUSWDTYP(7), link);
    const Ax got = set_axis({7, 9, 0, 5000, 500, 0.5f, std::string(40, 'x'), 0, 5, 1}, 7, 1, full);
    EXPECT_EQ(std::make_pair(got.usa1, got.usa2), std::make_pair(7.0f, 9.0f)) << "caller keeps its values";
    EXPECT_EQ(std::make_pair(axisblk7a.USA1(7), axisblk7a.USA2(7)), std::make_pair(u1, u2));
    EXPECT_EQ(axisblk7b.WALAB(7), std::string(30, 'x'));
  }
  // Mode 3 into a shorter text pads or cuts the label.
  Ax a = kCaller;
  a.walab = "ab";
  EXPECT_EQ(set_axis(a, 4, 3).walab, "De");
}

TEST_F(AxisSetUp, LinkModesAndChecks) {
  // Link and scale given, mode; handed back, stored, and the warning's body.
  // clang-format off
  const std::vector<std::tuple<std::int32_t, float, std::int32_t, std::int32_t, float, Lines>> cases = {
      {2, 3.0f, 1, 0, 3.0f, {" trying to set us/wd type =    2", " UNKNOWN TYPE", " ==> RESET TYPE =    0"}},
      {-1, 3.0f, 11, 0, 3.0f, {" trying to set us/wd type =   -1", " UNKNOWN TYPE", " ==> RESET TYPE =    0"}},
      {1, 0.0f, 1, 1, 0.0f, {}},
      {2, 3.0f, 3, 1, 1.0f, {}},  // axis 4 holds link 1, scale 1
      {2, 3.0f, 5, 0, 1.0f, {}},
  };
  // clang-format on
  for (const auto& [link, scale, mode, want_link, want_scale, warning] : cases) {
    SCOPED_TRACE(testing::Message() << link << " " << scale << " mode " << mode);
    std::int32_t l = link;
    float s = scale;
    const Lines out = written_by([&] { s1axuswdtyp(l, s, 4, mode); });
    EXPECT_EQ(std::make_pair(l, s), std::make_pair(want_link, want_scale));
    EXPECT_EQ(std::make_pair(axisblk7a.IUSWDTYP(4), axisblk7a.WAOUS(4)),
              std::make_pair(want_link, want_scale));
    if (mode == 5) {
      EXPECT_EQ(out.back(), " INITIALIZING US-WD FOR AXIS NB    4");
    } else if (warning.empty()) {
      EXPECT_EQ(out, Lines{});
    } else {
      EXPECT_EQ(out, lines({warning_head("s1axuswdtyp"), warning, tail('/')}));
    }
    s1axuswdtyp(l = 1, s = 1.0f, 4, 1);
  }
}

TEST_F(AxisSetUp, AllAxesStartGenericAndOddModesDoNothing) {
  set_axis(kCaller, 9, 1);
  std::int32_t link = 1;
  float scale = 5;
  s1axuswdtyp(link, scale, 9, 1);
  for (std::int32_t mode : {1, 3, 7}) EXPECT_EQ(written_by([&] { snaxis(mode); }), Lines{});
  EXPECT_EQ(stored(9, 40), kCaller);
  EXPECT_EQ(std::make_pair(axisblk7a.IUSWDTYP(9), axisblk7a.WAOUS(9)), std::make_pair(1, 5.0f));
  const Lines out = written_by([] { snaxis(5); });
  EXPECT_EQ(out,
            menu_head(" @ subroutine snaxis                v2.1 2012-05-09") + Lines{" INITIALIZING AXES"});
  for (std::int32_t k = 1; k <= 15; ++k) {
    EXPECT_EQ(stored(k, 40), kDefault) << k;
    EXPECT_EQ(std::make_pair(axisblk7a.IUSWDTYP(k), axisblk7a.WAOUS(k)), std::make_pair(0, 1.0f));
  }
}

TEST_F(AxisSetUp, BoxModesChecksAndStore) {
  const Box caller = {3, 4, 2, 3, 4, 5, 1, 1, fixed::fit("Stress range", 60)};
  const Box generic = {1, 2, 1, 1, 1, 1, 0, 0, fixed::fit("Generic box", 60)};
  auto reset = [](const char* trying, const char* to) {
    return error_frame("s1bx2d     ", {trying, " max axis nb =   15", to});
  };
  const char *x0 = " trying to set axis nb =    0", *x16 = " trying to set axis nb =   16";
  const char *to1 = " ===> RESET axis nb =    1", *to2 = " ===> RESET axis nb =    2";
  // Never set: the stored box names axis 0, and is mended like a caller's.
  Box got;
  Lines out = written_by([&] { got = set_box(caller, 1, 3); });
  EXPECT_EQ(out, lines({reset(x0, to1), reset(x0, to2)}));
  EXPECT_EQ(got, (Box{1, 2, 0, 0, 0, 0, 0, 0, std::string(60, ' ')}));

  // Caller's axis numbers are checked; border types, flags and label are not.
  Box odd = {16, 0, 0, 7, 1, 1, 5, 1, fixed::fit("Box", 60)};
  out = written_by([&] { got = set_box(odd, 1, 1); });
  EXPECT_EQ(out, lines({reset(x16, to1), reset(x0, to2)}));
  EXPECT_EQ(got, (Box{1, 2, 0, 7, 1, 1, 5, 1, fixed::fit("Box", 60)}));
  EXPECT_EQ(stored_box(60), got);

  // Stored values come back unchecked by mode 3; 5 gives the defaults.
  set_box(caller, 1, 1);
  odd.x = 16;
  EXPECT_EQ(set_box(odd, 1, 3), caller);
  out = written_by([&] { got = set_box(odd, 1, 5); });
  EXPECT_EQ(out.back(), " INITIALIZING BOX NB    1");
  EXPECT_EQ(got, generic);
  EXPECT_EQ(stored_box(60), generic);

  // A long label keeps its first 25 characters; boxes other than 1 do not exist.
  set_box({1, 2, 1, 1, 1, 1, 0, 0, std::string(26, 'b') + "c"}, 1, 1);
  EXPECT_EQ(axisblk7b.BOXLAB, std::string(25, 'b'));
  for (const auto& [ibox, trying] :
       {std::pair{0, " trying to set box nb =    0"}, std::pair{2, " trying to set box nb =    2"}}) {
    out = written_by([&, ibox = ibox] { got = set_box(caller, ibox, 1); });
    EXPECT_EQ(got, caller);
    EXPECT_EQ(out, error_frame("s1bx2d     ", {trying, " max box nb =    1", " ===> NO ACTION"}));
  }
  EXPECT_EQ(axisblk7b.BOXLAB, std::string(25, 'b'));
}

}  // namespace
