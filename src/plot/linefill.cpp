// Line width, the line style that is not supported, and the fill style.
#include <cstdint>

#include "gral/format.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/plot.h"

namespace {

using plot_attr::say_int;
using plot_attr::say_real;

constexpr Stamp kSlinewidth{"slinewidth          ", " 7.0", "2020-10-11"};
constexpr Stamp kSfillstyle{"sfillstyle          ", " 4.0", "2020-10-12"};

constexpr float kDefaultWidth = 0.02f;

void width_warning(float& width) {
  warninghead(kSlinewidth);
  gral::say("LINE THICKNESS OUT OF RANGE:");
  say_real(" line thickness (cm) =", width);
  say_real(" min =", 0.01f);
  say_real(" max =", 1000.0f);
  width = kDefaultWidth;
  say_real("==> RESET line thickness =", width);
  warningtail00();
}

void style_warning(std::int32_t& istyle) {
  warninghead(kSfillstyle);
  if (istyle > 1) {
    say_int("trying to set style nb =", istyle);
    say_int("max style nb =", 1);
    istyle = istyle % 2;
  } else {
    say_int("trying to set nb of style  =", istyle);
    gral::say("min style nb = 0");
    istyle = 1;
  }
  say_int("===> RESET style nb =", istyle);
  warningtail00();
}

}  // namespace

void slinewidth(float& width, std::int32_t inter) {
  if (inter < 0 || inter > 7) {
    plot_attr::refuse_mode(kSlinewidth, inter, "Accepted range = [0,7]");
    return;
  }
  // Written so that a width that is not a number is out of range too.
  if ((inter == 0 || inter == 1) && !(width > 0.01f && width <= 1000.0f)) width_warning(width);
  if (inter == 2 || inter == 3) width = plt2blk.LINEWIDTH;
  if (inter == 4 || inter == 5) width = kDefaultWidth;
  if (inter == 5) {
    submenuhead(kSlinewidth);
    gral::say(gral::Rec().X().A("INITIALISING LINE THICKNESS TO:").X().F(width, 8, 3).X().A("cm"));
  }
  if (inter == 0 || inter == 2 || inter == 4) {
    submenuhead(kSlinewidth);
    plot_attr::dash_rule();
    gral::say("          LINE THICKNESS");
    plot_attr::dash_rule();
    say_real("present value in cm ....... ", width);
    menutail();
    std::int32_t st = 0;
    inrealvindef(width, "line thickness in cm", width, 0.01f, 1000.0f, st);
  }
  if (plot_attr::stores(inter)) plt2blk.LINEWIDTH = width;
  if (inter == 3) return;
  if (plot_attr::plot_open()) {
    float points = 0.0f;
    lengthcm2de(points, plt2blk.LINEWIDTH);
    intslinewidth(points);
  } else if (inter >= 6) {
    plot_attr::closed_plot_warning(kSlinewidth);
  }
}

void slinestyle(std::int32_t&, std::int32_t) {}

void sfillstyle(std::int32_t& istyle, std::int32_t inter) {
  if (inter < 0 || inter > 7) {
    plot_attr::refuse_mode(kSfillstyle, inter, "Accepted range = [0,7]");
    return;
  }
  if ((inter == 0 || inter == 1) && (istyle > 1 || istyle < 0)) style_warning(istyle);
  if (inter == 2 || inter == 3) istyle = plt2blk.IFILLSTYLE;
  if (inter == 4 || inter == 5) istyle = 1;
  if (inter == 5) plot_attr::announce(kSfillstyle, "INITIALISING FILL STYLE TO: filled");
  if (inter == 0 || inter == 2 || inter == 4) {
    submenuhead(kSfillstyle);
    plot_attr::dash_rule();
    gral::say("     POLYGON FILL STYLES");
    plot_attr::dash_rule();
    say_int("currently stored   :", plt2blk.IFILLSTYLE);
    say_int("suggested new value:", istyle);
    gral::say("hollow ....................0");
    gral::say("filled ....................1");
    menutail();
    std::int32_t st = 0;
    inintegvindef(istyle, "your choice", istyle, 0, 1, st);
  }
  if (plot_attr::stores(inter)) plt2blk.IFILLSTYLE = istyle;
  if (inter >= 6 && !plot_attr::plot_open()) plot_attr::closed_plot_warning(kSfillstyle);
}
