// The attribute set-routines: one mode table per family, one whole dialogue
// each, and what reaches an open plot file.
#include <cmath>
#include <functional>
#include <string>

#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "support/expect.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

const std::string kAt = rule('@');

// A call with the state it starts from and what it must leave.
struct Case {
  std::string what;
  std::int32_t inter;
  bool open;         // the plot file counts as open
  std::string keys;  // the keyboard
  std::function<void()> call;
  std::function<bool()> left;  // the values it must leave
  Lines shown;                 // lines shown in this order; none at all when empty
};

// Fresh attributes: four colours named c0 to c3, warnings without a pause.
class Attributes : public PlotFileTest {
 protected:
  void SetUp() override {
    PlotFileTest::SetUp();
    plt2blk = Plt2Blk{};
    plt2blk.NBCOLOR = 3;
    for (int i = 0; i <= 18; ++i) pltcharblk.COLORNAM(i) = fixed::fit("c" + std::to_string(i), 8);
  }
  void check(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      Console con(c.keys);
      iocom.LPAUSE = false;
      iocom.LPLTOPEN = c.open;
      c.call();
      EXPECT_TRUE(c.left());
      const Lines out = con.lines();
      if (c.shown.empty()) {
        EXPECT_EQ(out, Lines{});
      }
      std::vector<Lines> blocks;
      for (const auto& l : c.shown) blocks.push_back({l});
      EXPECT_TRUE(has_in_order(out, blocks)) << ::testing::PrintToString(out);
      EXPECT_EQ(con.unread(), "") << "every answer was asked for";
    }
  }
};

const Lines kRefused7 = {" inter =      8", " Accepted range = [0,7]", " ===> NO ACTION"};
const Lines kClosed = {" TRYING TO PROPAGATE PLOT ATTRIBUTE", "  WITH CLOSED PLOT FILE", " ===> NO ACTION"};

TEST_F(Attributes, ColourIndexModes) {
  std::int32_t icol = 0;
  auto fill = [&](std::int32_t stored, std::int32_t v, std::int32_t inter) {
    return [&icol, stored, v, inter] {
      plt2blk.IFILLCOLOR = stored;
      icol = v;
      sfillcolor(icol, inter);
    };
  };
  auto leaves = [&](std::int32_t stored, std::int32_t v) {
    return [&icol, stored, v] { return plt2blk.IFILLCOLOR == stored && icol == v; };
  };
  const Lines above = {" trying to set color nb =     17", " when max color nb      =      3",
                       " ===> RESET color nb    =      1"};
  check({
      {"above the table folds back", 1, false, "", fill(2, 17, 1), leaves(1, 1), above},
      {"17 mod 4 is 1; 6 mod 4 is 2",
       1,
       false,
       "",
       fill(2, 6, 1),
       leaves(2, 2),
       {" trying to set color nb =      6", " ===> RESET color nb    =      2"}},
      {"4 mod 4 is 0, which becomes 1",
       1,
       false,
       "",
       fill(2, 4, 1),
       leaves(1, 1),
       {" ===> RESET color nb    =      1"}},
      {"the background is a colour", 1, false, "", fill(2, 0, 1), leaves(0, 0), {}},
      {"negative",
       1,
       false,
       "",
       fill(2, -5, 1),
       leaves(1, 1),
       {" trying to set color nb =     -5", " when min color nb      = 0",
        " ===> RESET color nb    =      1"}},
      {"fetch checks but keeps the field", 3, false, "", fill(17, 0, 3), leaves(17, 1), above},
      {"default named, then reset",
       5,
       false,
       "",
       fill(2, 0, 5),
       leaves(1, 1),
       {" INITIALISING FILL COLOR TO: c8      ", " trying to set color nb =      8"}},
      {"refused", 8, false, "", fill(2, 3, 8), leaves(2, 3),
       warning_head("sfillcolor          ") + kRefused7},
      {"refused below", -1, false, "", fill(2, 3, -1), leaves(2, 3), {" inter =     -1"}},
      {"resend with the plot open", 7, true, "", fill(2, 3, 7), leaves(2, 3), {}},
      {"resend with the plot closed", 7, false, "", fill(2, 3, 7), leaves(2, 3), kClosed},
      {"dialogue of a resend",
       6,
       false,
       "1\n",
       fill(2, 3, 6),
       leaves(2, 1),
       {" new     value:      3", kClosed[0]}},
      {"dialogue from the stored value",
       2,
       false,
       "\n",
       fill(2, 0, 2),
       leaves(2, 2),
       {" new     value:      2"}},
      {"dialogue from the default",
       4,
       false,
       "9\n0\n",
       fill(2, 1, 4),
       leaves(0, 0),
       {" new     value:      1", " outside [0,3]", " New value =             0"}},
  });
  check({
      {"line colour announced",
       5,
       false,
       "",
       [&] { slinecolor(icol, 5); },
       [&] { return plt2blk.ILINECOLOR == 1; },
       {" INITIALISING LINE COLOR TO: c1      "}},
      {"text colour announced",
       5,
       false,
       "",
       [&] { stextcolor(icol, 5); },
       [&] { return plt2blk.ITEXTCOLOR == 1; },
       {" INITIALISING TEXT COLOR TO: c1      "}},
  });
}

TEST_F(Attributes, ColourDialogueWhole) {
  std::int32_t icol = 2;
  plt2blk.NBCOLOR = 2;
  plt2blk.ITEXTCOLOR = 1;
  const auto out = run_with("3\n0\n", [&] {
                     iocom.LPAUSE = false;
                     stextcolor(icol, 0);
                   }).lines;
  const Lines ask = {kDots, " Enter your choice", " inside  [0,2]", " or return for default value",
                     " Default =            2"};
  EXPECT_EQ(out, lines({{kAt, " @ subroutine stextcolor            v2.5 2020-10-12",
                         " @=================================================",
                         " -------------------------------------------",
                         " TEXT COLOR                                 ",
                         " -------------------------------------------", " current value:      1",
                         " new     value:      2", " c0      .................  0",
                         " c1      .................  1", " c2      .................  2", kAt},
                        ask,
                        error_head("inintegvindef"),
                        {" your choice =            3", " outside [0,2]", rule('*')},
                        ask,
                        {" New value =             0", kDots}}));
  EXPECT_EQ(plt2blk.ITEXTCOLOR, 0);
}

TEST_F(Attributes, LineWidthAndFillStyleModes) {
  float w = 0.0f;
  std::int32_t st = 0;
  auto width = [&](float stored, float v, std::int32_t inter) {
    return [&w, stored, v, inter] {
      plt2blk.LINEWIDTH = stored;
      w = v;
      slinewidth(w, inter);
    };
  };
  auto width_left = [&](float stored, float v) {
    return [&w, stored, v] { return plt2blk.LINEWIDTH == stored && w == v; };
  };
  auto style = [&](std::int32_t v, std::int32_t inter) {
    return [&st, v, inter] {
      plt2blk.IFILLSTYLE = 1;
      st = v;
      sfillstyle(st, inter);
    };
  };
  auto style_left = [&](std::int32_t stored, std::int32_t v) {
    return [&st, stored, v] { return plt2blk.IFILLSTYLE == stored && st == v; };
  };
  const Lines thin = {" LINE THICKNESS OUT OF RANGE:", "  line thickness (cm) =    0.010", "  min =    0.010",
                      "  max = 1000.000", " ==> RESET line thickness =    0.020"};
  check({
      {"0.01 is too thin", 1, false, "", width(1, 0.01f, 1), width_left(0.02f, 0.02f), thin},
      {"just above", 1, false, "", width(1, 0.011f, 1), width_left(0.011f, 0.011f), {}},
      {"the upper bound", 1, false, "", width(1, 1000.0f, 1), width_left(1000.0f, 1000.0f), {}},
      {"above", 1, false, "", width(1, 1000.5f, 1), width_left(0.02f, 0.02f), {"  max = 1000.000"}},
      {"not a number",
       1,
       false,
       "",
       width(1, std::nanf(""), 1),
       width_left(0.02f, 0.02f),
       {"  min =    0.010"}},
      {"warning before the dialogue",
       0,
       false,
       "\n",
       width(1, 5000.0f, 0),
       width_left(0.02f, 0.02f),
       {"  line thickness (cm) = 5000.000", " present value in cm .......     0.020"}},
      {"fetch", 3, false, "", width(0.5f, 0.1f, 3), width_left(0.5f, 0.5f), {}},
      {"default announced",
       5,
       false,
       "",
       width(1, 3, 5),
       width_left(0.02f, 0.02f),
       {" INITIALISING LINE THICKNESS TO:    0.020 cm"}},
      {"resend, closed", 7, false, "", width(1, 3, 7), width_left(1, 3), kClosed},
      {"refused", 8, false, "", width(1, 3, 8), width_left(1, 3), kRefused7},
      {"style 2 is hollow",
       1,
       false,
       "",
       style(2, 1),
       style_left(0, 0),
       {" trying to set style nb =      2", " max style nb =      1", " ===> RESET style nb =      0"}},
      {"style 3", 1, false, "", style(3, 1), style_left(1, 1), {" ===> RESET style nb =      1"}},
      {"negative style",
       1,
       false,
       "",
       style(-1, 1),
       style_left(1, 1),
       {" trying to set nb of style  =     -1", " min style nb = 0", " ===> RESET style nb =      1"}},
      {"hollow", 1, false, "", style(0, 1), style_left(0, 0), {}},
      {"style announced",
       5,
       false,
       "",
       style(0, 5),
       style_left(1, 1),
       {" INITIALISING FILL STYLE TO: filled"}},
      {"style resend, open", 6, true, "", style(0, 6), style_left(1, 0), {}},
      {"style resend, closed", 7, false, "", style(0, 7), style_left(1, 0), kClosed},
      {"style dialogue",
       2,
       false,
       "0\n",
       style(5, 2),
       style_left(0, 0),
       {" currently stored   :      1", " suggested new value:      1", " hollow ....................0"}},
      {"the line style does nothing",
       0,
       false,
       "",
       [&] {
         st = 0;
         slinestyle(st, 0);
       },
       style_left(0, 0),
       {}},
  });
}

TEST_F(Attributes, TextAttributeModes) {
  std::int32_t i = 0;
  float r = 0.0f;
  auto align = [&](std::int32_t v, std::int32_t inter) {
    return [&i, v, inter] {
      plt2blk.ITEXTALIGN = 6;
      i = v;
      stextalign(i, inter);
    };
  };
  auto align_left = [&](std::int32_t stored, std::int32_t v) {
    return [&i, stored, v] { return plt2blk.ITEXTALIGN == stored && i == v; };
  };
  auto size = [&](float v, std::int32_t inter) {
    return [&r, v, inter] {
      plt2blk.TEXTSIZE = 0.3f;
      r = v;
      stextsize(r, inter);
    };
  };
  auto size_left = [&](float stored, float v) {
    return [&r, stored, v] { return plt2blk.TEXTSIZE == stored && r == v; };
  };
  auto font = [&](std::int32_t v, std::int32_t inter) {
    return [&i, v, inter] {
      plt2blk.ITEXTFONT = 5;
      i = v;
      stextfont(i, inter);
    };
  };
  auto font_left = [&](std::int32_t stored, std::int32_t v) {
    return [&i, stored, v] { return plt2blk.ITEXTFONT == stored && i == v; };
  };
  auto angle = [&](float v, std::int32_t inter) {
    return [&r, v, inter] {
      plt2blk.TEXTANGLE = 10.0f;
      r = v;
      stextangle(r, inter);
    };
  };
  auto angle_left = [&](float stored, float v) {
    return [&r, stored, v] { return plt2blk.TEXTANGLE == stored && r == v; };
  };
  const Lines small = {" TEXT HEIGHT (cm) OUT OF RANGE:", "  text height =    0.020",
                       "  min         =    0.020", "  max         = 1000.000",
                       " ==> RESET text height =    0.020"};
  check({
      {"placeless 0",
       1,
       false,
       "",
       align(0, 1),
       align_left(-1, -1),
       {" just =      0", " ===> RESET just =     -1"}},
      {"4 keeps blanks", 1, false, "", align(4, 1), align_left(1, 1), {" ===> RESET just =      1"}},
      {"-8", 1, false, "", align(-8, 1), align_left(-1, -1), {" just =     -8"}},
      {"out of range, one warning",
       1,
       false,
       "",
       align(12, 1),
       align_left(-1, -1),
       {" trying to set justif =     12", " justif must be in [-11,11]", " ===> RESET justif =     -1"}},
      {"-11", 1, false, "", align(-11, 1), align_left(-11, -11), {}},
      {"reset answer asked again",
       0,
       false,
       "8\n\n",
       align(3, 0),
       align_left(1, 1),
       {" suggested new value:      3", " just =      8", " suggested new value:      1",
        " New value =             1"}},
      {"fetch", 3, false, "", align(0, 3), align_left(6, 6), {}},
      {"resend, open", 7, true, "", align(0, 7), align_left(6, 0), {}},
      {"resend, closed", 6, false, "", align(0, 6), align_left(6, 0), kClosed},
      {"alignment announced",
       5,
       false,
       "",
       align(0, 5),
       align_left(-1, -1),
       {" INITIALISING TEXT ALIGNMENT TO: -1", " =====> left-bottom trimmed"}},
      {"angles are not reduced", 1, false, "", angle(400.0f, 1), angle_left(400.0f, 400.0f), {}},
      {"angle dialogue",
       2,
       false,
       "-30\n",
       angle(0, 2),
       angle_left(-30.0f, -30.0f),
       {" currently stored   :   10.000", " suggested new value:   10.000"}},
      {"angle refused", -1, false, "", angle(1, -1), angle_left(10.0f, 1.0f), {" inter =     -1"}},
      {"angle announced",
       5,
       false,
       "",
       angle(1, 5),
       angle_left(0.0f, 0.0f),
       {" INITIALISING TEXT ANGLE TO: 0.0"}},
      {"font 17",
       1,
       false,
       "",
       font(17, 1),
       font_left(1, 1),
       {" trying to set font number =     17", " font number must be in [1,16]",
        " ===> RESET font number =      1"}},
      {"font 0", 1, false, "", font(0, 1), font_left(1, 1), {" trying to set font number =      0"}},
      {"font dialogue",
       4,
       false,
       "16\n",
       font(3, 4),
       font_left(16, 16),
       {" present value.=      1", " Symbol-BoldOblique.....................16"}},
      {"font resend keeps the argument", 6, true, "", font(99, 6), font_left(5, 99), {}},
      {"font announced",
       5,
       false,
       "",
       font(9, 5),
       font_left(1, 1),
       {" INITIALISING TEXT FONT TO: 1 = Helvetica"}},
      {"height 0.02 is reset to itself", 1, false, "", size(0.02f, 1), size_left(0.02f, 0.02f), small},
      {"0.0201", 1, false, "", size(0.0201f, 1), size_left(0.0201f, 0.0201f), {}},
      {"1000", 1, false, "", size(1000.0f, 1), size_left(1000.0f, 1000.0f), {}},
      {"above 1000 becomes 0.5",
       1,
       false,
       "",
       size(1001.0f, 1),
       size_left(0.5f, 0.5f),
       {" ==> RESET text height =    0.500"}},
      {"negative", 1, false, "", size(-1.0f, 1), size_left(0.02f, 0.02f), {"  text height =   -1.000"}},
      {"dialogue takes 0.02",
       2,
       false,
       "0.02\n",
       size(1, 2),
       size_left(0.02f, 0.02f),
       {" present value in cm ..........     0.300", " New value =  0.200000E-01"}},
      {"height announced",
       5,
       false,
       "",
       size(1, 5),
       size_left(0.5f, 0.5f),
       {" INITIALISING TEXT SIZE TO:    0.500 cm"}},
      {"height refused", 9, false, "", size(1, 9), size_left(0.3f, 1), {" inter =      9"}},
  });
}

TEST_F(Attributes, SymbolModes) {
  float size = 0.0f;
  std::int32_t type = 0;
  auto sym = [&](float s, std::int32_t t, std::int32_t inter, bool level2 = true) {
    return [&, s, t, inter, level2] {
      iocom.LWITO(2) = level2;
      plt2blk.SYMBOLSIZE = 0.1f;
      plt2blk.ISYMBOLTYPE = 7;
      size = s;
      type = t;
      ssymbolsize(size, inter);
      ssymboltype(type, inter);
    };
  };
  auto left = [&](float stored_size, std::int32_t stored_type, float s, std::int32_t t) {
    return [&, stored_size, stored_type, s, t] {
      return plt2blk.SYMBOLSIZE == stored_size && plt2blk.ISYMBOLTYPE == stored_type && size == s &&
             type == t;
    };
  };
  check({
      {"anything is stored", 1, false, "", sym(-2.5f, -4, 1), left(-2.5f, -4, -2.5f, -4), {}},
      {"fetch", 3, false, "", sym(1, 1, 3), left(0.1f, 7, 0.1f, 7), {}},
      {"announced",
       5,
       false,
       "",
       sym(1, 3, 5),
       left(0.4f, 1, 0.4f, 1),
       {" INITIALISING SYMBOL SIZE (cm) =    0.400", " INITIALISING SYMBOL TYPE =    1"}},
      {"7 is refused",
       7,
       true,
       "",
       sym(1, 3, 7),
       left(0.1f, 7, 1, 3),
       {" inter =      7", " ===> NO ACTION", " inter =    7", " ===> NO ACTION"}},
      {"6 asks, then refuses",
       6,
       false,
       "2\n5\n",
       sym(1, 3, 6),
       left(0.1f, 7, 2, 5),
       {" ready to  store  size =    1.000", " inter =      6", " ready to  store  type =    3",
        " inter =    6"}},
      {"dialogue",
       2,
       false,
       "\n12\n",
       sym(1, 3, 2),
       left(0.1f, 12, 0.1f, 12),
       {" currently stored size =    0.100", " currently stored type =    7",
        "    |     ................. 12", " circle   ....... other values"}},
      {"level 2 off: head and question only",
       4,
       false,
       "\n\n",
       sym(1, 3, 4, false),
       left(0.4f, 1, 0.4f, 1),
       {" Enter symbol size in cm", " Enter symbol number"}},
      {"the table alone",
       102,
       false,
       "\n",
       sym(1, 3, 102),
       left(0.1f, 7, 1, 3),
       {" inter =    102", " circle   .................. 0", " circle   ....... other values"}},
      {"a type asked for, not stored",
       200,
       false,
       "\n9\n",
       sym(1, 3, 200),
       left(0.1f, 7, 1, 9),
       {" ready to set type =    3", " Enter symbol number"}},
  });
}

// What reaches the plot file: the stored width, height and font of every
// storing mode and of a resend, and nothing of a fetch.
TEST_F(Attributes, DeviceGetsStoredWidthFontAndHeight) {
  Console con("y\n\n");
  iocom.LPAUSE = false;
  std::string name = "attr.ps";
  intplinit(name, 1);
  ASSERT_TRUE(iocom.LPLTOPEN);
  scm2de();
  plt2blk.ITEXTALIGN = -1;
  float w = 0.02f, h = 0.5f, x = 10.0f, y = 10.0f;
  std::int32_t f = 1;
  slinewidth(w, 1);
  stextsize(h, 1);
  stextfont(f, 1);
  detext2(x, y, "a");
  w = 9.0f, h = 9.0f, f = 9;
  slinewidth(w, 3);
  stextsize(h, 3);
  stextfont(f, 3);
  plt2blk.LINEWIDTH = 0.1f;
  plt2blk.TEXTSIZE = 1.0f;
  plt2blk.ITEXTFONT = 7;
  slinewidth(w, 7);
  stextsize(h, 6);
  stextfont(f, 7);
  detext2(x, y, "b");
  intplend();
  const auto file = file_lines("attr.ps");
  const auto from = std::find(file.begin(), file.end(), "%%Page:    1    1");
  EXPECT_EQ(Lines(from + 1, from + 10),
            (Lines{"0.57 setlinewidth", "10.00 10.00 moveto", "14 /Helvetica findfont exch scalefont setfont",
                   "(a) show", "2.84 setlinewidth", "10.00 10.00 moveto",
                   "28 /Times-Italic findfont exch scalefont setfont", "(b) show", "showpage"}));
  EXPECT_FALSE(iocom.LPLTOPEN);
}

}  // namespace
