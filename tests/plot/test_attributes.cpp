// The attribute set-routines: their modes, one table per family, a whole
// dialogue, and what reaches an open plot file; the plot's life cycle.
#include <cmath>
#include <map>

#include "plot/plot.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

const std::string kAt = rule('@');

// A setter called with the field holding `stored` and the argument `given`:
// the field and the argument afterwards, as floats.
using Call = std::pair<float, float> (*)(float stored, float given, std::int32_t inter);
template <class T, T Plt2Blk::*field, void (*set)(T&, std::int32_t)>
std::pair<float, float> call(float stored, float given, std::int32_t inter) {
  plt2blk.*field = static_cast<T>(stored);
  T v = static_cast<T>(given);
  set(v, inter);
  return {static_cast<float>(plt2blk.*field), static_cast<float>(v)};
}
using I = std::int32_t;
// clang-format off
const std::map<std::string, Call> kSetters = {
    {"line colour", call<I, &Plt2Blk::ILINECOLOR, slinecolor>}, {"fill colour", call<I, &Plt2Blk::IFILLCOLOR, sfillcolor>},
    {"text colour", call<I, &Plt2Blk::ITEXTCOLOR, stextcolor>}, {"width", call<float, &Plt2Blk::LINEWIDTH, slinewidth>},
    {"angle", call<float, &Plt2Blk::TEXTANGLE, stextangle>}, {"fill style", call<I, &Plt2Blk::IFILLSTYLE, sfillstyle>},
    {"line style", call<I, &Plt2Blk::IFILLSTYLE, slinestyle>}, {"align", call<I, &Plt2Blk::ITEXTALIGN, stextalign>},
    {"font", call<I, &Plt2Blk::ITEXTFONT, stextfont>}, {"height", call<float, &Plt2Blk::TEXTSIZE, stextsize>},
    {"symbol size", call<float, &Plt2Blk::SYMBOLSIZE, ssymbolsize>},
    {"symbol type", call<I, &Plt2Blk::ISYMBOLTYPE, ssymboltype>}};
// clang-format on

enum Plot { closed, open };

// One call: the setter; the field holds `stored` and the argument `given`;
// the mode, the plot open or closed, the keys; afterwards the field must
// hold `kept` and the argument `handed`, and the lines shown stand in this
// order (nothing at all is shown when none are listed).
using Case = std::tuple<const char*, float, float, std::int32_t, Plot, const char*, float, float, Lines>;

// Fresh attributes: four colours named c0 to c3, warnings without a pause.
class Attributes : public PlotFileTest {
 protected:
  void SetUp() override {
    PlotFileTest::SetUp();
    plt2blk.NBCOLOR = 3;
    for (int i = 0; i <= 18; ++i) pltcharblk.COLORNAM(i) = fixed::fit("c" + std::to_string(i), 8);
  }
  void check(const std::vector<Case>& cases) {
    for (const auto& [setter, stored, given, inter, plot, keys, kept_want, handed_want, shown] : cases) {
      SCOPED_TRACE(testing::Message() << setter << " " << given << " mode " << inter);
      Console con(keys);
      iocom.LPAUSE = false;
      iocom.LPLTOPEN = plot == open;
      EXPECT_EQ(kSetters.at(setter)(stored, given, inter), std::make_pair(kept_want, handed_want));
      EXPECT_TRUE(has_in_order(con.lines(), shown)) << ::testing::PrintToString(con.lines());
      EXPECT_EQ(shown.empty(), con.lines().empty());
      EXPECT_EQ(con.unread(), "") << "every answer was asked for";
    }
  }
};

const Lines kClosed = {" TRYING TO PROPAGATE PLOT ATTRIBUTE", "  WITH CLOSED PLOT FILE", " ===> NO ACTION"};

// One table for every setter family: rows for the branches each member
// takes on its own, the shared refusal and closed-plot warning once.
TEST_F(Attributes, SetterModes) {
  const Lines above = {" trying to set color nb =     17", " when max color nb      =      3",
                       " ===> RESET color nb    =      1"};
  const Lines thin = {" LINE THICKNESS OUT OF RANGE:", "  line thickness (cm) =    0.010", "  min =    0.010",
                      "  max = 1000.000", " ==> RESET line thickness =    0.020"};
  const Lines small = {" TEXT HEIGHT (cm) OUT OF RANGE:", "  text height =    0.020",
                       "  min         =    0.020", "  max         = 1000.000",
                       " ==> RESET text height =    0.020"};
  // clang-format off
  check({
      {"fill colour", 2, 17, 1, closed, "", 1, 1, above},  // 17 mod 4 is 1
      {"fill colour", 2, 4, 1, closed, "", 1, 1, {" ===> RESET color nb    =      1"}},  // 0 becomes 1
      {"fill colour", 2, 0, 1, closed, "", 0, 0, {}},
      {"fill colour", 2, -5, 1, closed, "", 1, 1, {" when min color nb      = 0"}},
      {"fill colour", 17, 0, 3, closed, "", 17, 1, above},  // fetched, checked, not stored
      {"fill colour", 2, 0, 5, closed, "", 1, 1, {" INITIALISING FILL COLOR TO: c8      ",
        " trying to set color nb =      8"}},
      {"fill colour", 2, 3, 8, closed, "", 2, 3, warning_head("sfillcolor          ") + Lines{" inter =      8", " Accepted range = [0,7]"}},
      {"fill colour", 2, 3, 7, open, "", 2, 3, {}},
      {"fill colour", 2, 3, 7, closed, "", 2, 3, kClosed},
      {"fill colour", 2, 3, 6, closed, "1\n", 2, 1, {" new     value:      3", kClosed[0]}},
      {"text colour", 1, 2, 0, closed, "4\n0\n", 0, 0, {" @ subroutine stextcolor            v2.5 2020-10-12",
        " TEXT COLOR                                 ", " current value:      1", " new     value:      2",
        " c3      .................  3", " inside  [0,3]", " outside [0,3]", " New value =             0"}},
      {"line colour", 2, 0, 5, closed, "", 1, 1, {" INITIALISING LINE COLOR TO: c1      "}},
      {"text colour", 2, 0, 5, closed, "", 1, 1, {" INITIALISING TEXT COLOR TO: c1      "}},
      {"width", 1, 0.01f, 1, closed, "", 0.02f, 0.02f, thin},
      {"width", 1, 0.011f, 1, closed, "", 0.011f, 0.011f, {}},
      {"width", 1, 1000, 1, closed, "", 1000, 1000, {}},
      {"width", 1, 1000.5f, 1, closed, "", 0.02f, 0.02f, {"  max = 1000.000"}},
      {"width", 1, std::nanf(""), 1, closed, "", 0.02f, 0.02f, {"  min =    0.010"}},
      {"width", 1, 5000, 0, closed, "\n", 0.02f, 0.02f, {"  line thickness (cm) = 5000.000",
        "           LINE THICKNESS", " present value in cm .......     0.020"}},
      {"width", 0.5f, 0.1f, 3, open, "", 0.5f, 0.5f, {}},
      {"width", 1, 3, 5, closed, "", 0.02f, 0.02f, {" INITIALISING LINE THICKNESS TO:    0.020 cm"}},
      {"fill style", 1, 2, 1, closed, "", 0, 0, {" trying to set style nb =      2", " max style nb =      1"}},
      {"fill style", 1, 3, 1, closed, "", 1, 1, {" ===> RESET style nb =      1"}},
      {"fill style", 0, -1, 1, closed, "", 1, 1, {" trying to set nb of style  =     -1", " min style nb = 0"}},
      {"fill style", 1, 0, 1, closed, "", 0, 0, {}},
      {"fill style", 0, 0, 5, closed, "", 1, 1, {" INITIALISING FILL STYLE TO: filled"}},
      {"fill style", 1, 5, 2, closed, "0\n", 0, 0, {"      POLYGON FILL STYLES", " currently stored   :      1",
        " suggested new value:      1", " hollow ....................0", " filled ....................1"}},
      {"line style", 1, 7, 0, closed, "", 1, 7, {}},
      {"align", 6, 0, 1, closed, "", -1, -1, {" just =      0", " ===> RESET just =     -1"}},
      {"align", 6, 4, 1, closed, "", 1, 1, {" ===> RESET just =      1"}},
      {"align", 6, 12, 1, closed, "", -1, -1, {" trying to set justif =     12", " justif must be in [-11,11]"}},
      {"align", 6, -11, 1, closed, "", -11, -11, {}},
      {"align", 6, 3, 0, closed, "8\n\n", 1, 1, {"    5<==textstring==6==============>7       ",
        " suggested new value:      3", " just =      8", " suggested new value:      1"}},
      {"align", 6, 0, 5, closed, "", -1, -1, {" INITIALISING TEXT ALIGNMENT TO: -1", " =====> left-bottom trimmed"}},
      {"angle", 10, 400, 1, closed, "", 400, 400, {}},
      {"angle", 10, 0, 2, closed, "-30\n", -30, -30, {"          TEXT ANGLE (degrees)",
        " currently stored   :   10.000", " suggested new value:   10.000"}},
      {"angle", 10, 1, 5, closed, "", 0, 0, {" INITIALISING TEXT ANGLE TO: 0.0"}},
      {"font", 5, 17, 1, closed, "", 1, 1, {" trying to set font number =     17", " font number must be in [1,16]"}},
      {"font", 5, 0, 1, closed, "", 1, 1, {" trying to set font number =      0"}},
      {"font", 5, 3, 4, closed, "16\n", 16, 16, {"                  TEXT FONT", " present value.=      1",
        " Symbol-BoldOblique.....................16"}},
      {"font", 5, 99, 6, open, "", 5, 99, {}},
      {"font", 5, 9, 5, closed, "", 1, 1, {" INITIALISING TEXT FONT TO: 1 = Helvetica"}},
      {"height", 0.3f, 0.02f, 1, closed, "", 0.02f, 0.02f, small},
      {"height", 0.3f, 0.0201f, 1, closed, "", 0.0201f, 0.0201f, {}},
      {"height", 0.3f, 1000, 1, closed, "", 1000, 1000, {}},
      {"height", 0.3f, 1001, 1, closed, "", 0.5f, 0.5f, {" ==> RESET text height =    0.500"}},
      {"height", 0.3f, 1, 2, closed, "0.02\n", 0.02f, 0.02f, {" present value in cm ..........     0.300"}},
      {"height", 0.3f, 1, 5, closed, "", 0.5f, 0.5f, {" INITIALISING TEXT SIZE TO:    0.500 cm"}},
      {"symbol size", 0.1f, -2.5f, 1, closed, "", -2.5f, -2.5f, {}},
      {"symbol type", 7, -4, 1, closed, "", -4, -4, {}},
      {"symbol size", 0.1f, 1, 3, closed, "", 0.1f, 0.1f, {}},
      {"symbol size", 0.1f, 1, 5, closed, "", 0.4f, 0.4f, {" INITIALISING SYMBOL SIZE (cm) =    0.400"}},
      {"symbol type", 7, 3, 5, closed, "", 1, 1, {" INITIALISING SYMBOL TYPE =    1"}},
      {"symbol size", 0.1f, 1, 7, open, "", 0.1f, 1, {" inter =      7", " ===> NO ACTION"}},
      {"symbol type", 7, 3, 7, open, "", 7, 3, {" inter =    7", " ===> NO ACTION"}},
      {"symbol size", 0.1f, 1, 6, closed, "2\n", 0.1f, 2, {" ready to  store  size =    1.000", " inter =      6"}},
      {"symbol size", 0.1f, 1, 2, closed, "\n", 0.1f, 0.1f, {" currently stored size =    0.100"}},
      {"symbol type", 7, 3, 2, closed, "12\n", 12, 12, {" SYMBOL TYPE:", " currently stored type =    7",
        " Symbol type ... symbol number", " circle   .................. 0", "    |     ................. 12",
        " circle   ....... other values"}},
      {"symbol type", 7, 3, 102, closed, "", 7, 3, {" circle   .................. 0",
        " circle   ....... other values"}},
      {"symbol type", 7, 3, 200, closed, "9\n", 7, 9, {" ready to set type =    3", " Enter symbol number"}},
  });
  // clang-format on
  // With the explanations off: the head and the question only.
  float size = 1.0f;
  Console con("\n");
  iocom.LWITO(2) = false;
  ssymbolsize(size, 4);
  EXPECT_EQ(con.lines().size(), 5u);
  EXPECT_TRUE(has_in_order(con.lines(), Lines{" Enter symbol size in cm", " New value =  0.400000    "}));
}

// What reaches the plot file: the stored width, height and font of every
// storing mode and of a resend, and nothing of a fetch.
TEST_F(Attributes, DeviceGetsStoredWidthFontAndHeight) {
  Console con("y\n\n");
  DeviceFile file("attr.ps");
  plt2blk.ITEXTALIGN = -1;
  float w = 0.02f, h = 0.5f, x = 10.0f, y = 10.0f;
  std::int32_t f = 9;
  slinewidth(w, 1);
  slinewidth(w, 3);
  stextsize(h, 3);
  stextfont(f, 3);
  plt2blk.TEXTSIZE = 1.0f;
  plt2blk.ITEXTFONT = 7;
  stextsize(h, 6);
  stextfont(f, 7);
  detext2(x, y, "b");
  EXPECT_EQ(file.drawn(), (Lines{"0.57 setlinewidth", "10.00 10.00 moveto",
                                 "28 /Times-Italic findfont exch scalefont setfont", "(b) show"}));
}

// Opening, paging and closing the plot, with the one flag that says the
// plot file is open; and the attributes as a whole.
class Lifecycle : public PlotFileTest {
 protected:
  // Attributes as at start-up and a console answering from keys.
  Console& start(const std::string& keys) {
    con_.emplace();
    splotattributes(5);
    con_.emplace(keys);
    iocom.LPAUSE = false;
    return *con_;
  }
  bool shows(const Lines& block) const { return has_in_order(con_->lines(), {block}); }
  std::optional<Console> con_;
};

// The main menu's dialogue shows opening and closing twice; here a failed
// opening, the run ending with the plot open, and a new page with and
// without a plot open.
TEST_F(Lifecycle, FailedOpeningRunEndAndNewPage) {
  start("y\nn\n");
  std::string name = "no_dir/c.ps";
  plinit(name, 3);
  EXPECT_FALSE(iocom.LPLTOPEN);
  EXPECT_TRUE(shows({" Plot file or window could not be opened", " ==> the plot stays closed"}));
  EXPECT_FALSE(shows({" UPDATING PLOT ATTRIBUTESS"}));
  start("0\n");
  newpage();
  EXPECT_TRUE(shows({" No plot window or file is open", " ===> NO ACTION"}));
  start("y\n\n");
  plinit(name = "d.ps", 3);
  EXPECT_TRUE(iocom.LPLTOPEN);
  newpage();
  EXPECT_TRUE(has_in_order(
      con_->lines(),
      Lines{" @ subroutine newpage               v6.1 2016-01-07", " IT IS SUGGESTED TO CLEAR THE PLOT",
            " clear the window / add a page to the file ..0",
            " close the window / file and open a new one .1",
            " append to the current window / file ........2", " Default =            0"}));
  EXPECT_EQ(run_status([] { gral::end_run(1, false); }), 1);
  EXPECT_FALSE(iocom.LPLTOPEN);
  const auto all = file_lines("d.ps");
  EXPECT_EQ(Lines(all.end() - 3, all.end()), (Lines{"%%Trailer", "%%Pages:   2", "%%EOF"}));
}

TEST_F(Lifecycle, AttributeModesAndMenu) {
  for (int quiet : {1, 3, 9, -1}) {
    start("");
    splotattributes(quiet);
    EXPECT_EQ(con_->lines(), Lines{}) << quiet;
  }
  start("");
  splotattributes(7);
  EXPECT_TRUE(shows({" TRYING TO PROPAGATE PLOT ATTRIBUTES", "  WITH CLOSED PLOT FILE", " ===> NO ACTION"}));
  // The menu, whole; then the initial values chosen, and the width starts
  // from its default.
  start("1\nn\n10\n\n99\n");
  plt2blk.LINEWIDTH = 0.3f;
  splotattributes(2);
  // clang-format off
  EXPECT_TRUE(has_in_order(con_->lines(), Lines{"          SETTING PLOT ATTRIBUTES",
      "  from currently stored..... 1 T", "  from initialisation....... 1 F", "  thickness ................10",
      "  interior color ...........21", "  justification ............32", "  color ....................34",
      "  type .....................40", "  color table ..............50", " EXIT THIS SET UP  .........99"}));
  // clang-format on
  EXPECT_TRUE(shows({"  from currently stored..... 1 F", "  from initialisation....... 1 T"}));
  EXPECT_TRUE(shows({" present value in cm .......     0.020"}));
  // Without the menu lines (a command file being read): the head and the
  // question only; an empty answer leaves.
  start("\n");
  iocom.LWITO(2) = false;
  splotattributes(0);
  EXPECT_EQ(lines_with(con_->lines(), " E"), Lines{" Enter your choice"});
  EXPECT_EQ(count(con_->lines(), "          SETTING PLOT ATTRIBUTES"), 0);
  // Mode 4: every setter with its dialogue from its default, then the menu.
  start(std::string(13, '\n'));
  splotattributes(4);
  EXPECT_TRUE(
      has_in_order(con_->lines(), Lines{" INITIALIZING PLOT ATTRIBUTESS", " EXIT THIS SET UP  .........99"}));
  EXPECT_EQ(con_->unread(), "");
}

}  // namespace
