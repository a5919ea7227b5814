// The line, fill and text colour indices. The three setters differ only in
// their field, default and texts; the rest of their mode scheme is one.
#include <cstdint>
#include <string>
#include <string_view>

#include "gral/format.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "records/fixedtext.h"
#include "records/plot.h"

namespace {

using plot_attr::say_int;

constexpr Stamp kSlinecolor{"slinecolor          ", " 3.0", "2020-10-12"};
constexpr Stamp kSfillcolor{"sfillcolor          ", " 3.0", "2020-10-16"};
constexpr Stamp kStextcolor{"stextcolor          ", " 2.5", "2020-10-12"};

struct ColorSetter {
  const Stamp& stamp;
  std::int32_t& stored;
  std::int32_t def;
  std::string_view announcement;
  std::string_view title;
  std::string_view question;
};

// An index outside 0..NBCOLOR is folded back into the table (0 becoming
// the foreground 1) or, when negative, made the foreground.
void check_index(const Stamp& stamp, std::int32_t& icol) {
  const std::int32_t nb = plt2blk.NBCOLOR;
  if (icol > nb) {
    warninghead(stamp);
    say_int("trying to set color nb =", icol);
    say_int("when max color nb      =", nb);
    icol = icol % (nb + 1);
    if (icol == 0) icol = 1;
  } else if (icol < 0) {
    warninghead(stamp);
    say_int("trying to set color nb =", icol);
    gral::say("when min color nb      = 0");
    icol = 1;
  } else {
    return;
  }
  say_int("===> RESET color nb    =", icol);
  warningtail00();
}

void dialogue(const ColorSetter& cs, std::int32_t& icol) {
  submenuhead(cs.stamp);
  plot_attr::dash_rule();
  gral::say(cs.title);
  plot_attr::dash_rule();
  say_int("current value:", cs.stored);
  say_int("new     value:", icol);
  for (std::int32_t i = 0; i <= plt2blk.NBCOLOR; ++i) {
    gral::say(gral::Rec().X().A(pltcharblk.COLORNAM(i), 8).A(std::string(17, '.')).I(i, 3));
  }
  menutail();
  std::int32_t st = 0;
  inintegvindef(icol, cs.question, icol, 0, plt2blk.NBCOLOR, st);
}

void set_color_index(const ColorSetter& cs, std::int32_t& icol, std::int32_t inter) {
  if (inter < 0 || inter > 7) {
    plot_attr::refuse_mode(cs.stamp, inter, "Accepted range = [0,7]");
    return;
  }
  if (inter == 2 || inter == 3) icol = cs.stored;
  if (inter == 4 || inter == 5) icol = cs.def;
  if (inter == 5) {
    // Named before the check: with fewer colours a reset warning follows.
    plot_attr::announce(cs.stamp, std::string(cs.announcement) + " " + pltcharblk.COLORNAM(cs.def));
  }
  check_index(cs.stamp, icol);
  if (inter % 2 == 0) dialogue(cs, icol);
  if (plot_attr::stores(inter)) cs.stored = icol;
  if ((inter == 6 || inter == 7) && !plot_attr::plot_open()) plot_attr::closed_plot_warning(cs.stamp);
}

}  // namespace

void slinecolor(std::int32_t& icol, std::int32_t inter) {
  set_color_index(
      {kSlinecolor, plt2blk.ILINECOLOR, 1, "INITIALISING LINE COLOR TO:", "     LINE COLOR", "color number"},
      icol, inter);
}

void sfillcolor(std::int32_t& icol, std::int32_t inter) {
  set_color_index(
      {kSfillcolor, plt2blk.IFILLCOLOR, 8, "INITIALISING FILL COLOR TO:", "     FILL COLOR", "your choice"},
      icol, inter);
}

void stextcolor(std::int32_t& icol, std::int32_t inter) {
  static const std::string title = fixed::fit("TEXT COLOR", 43);
  set_color_index({kStextcolor, plt2blk.ITEXTCOLOR, 1, "INITIALISING TEXT COLOR TO:", title, "your choice"},
                  icol, inter);
}
