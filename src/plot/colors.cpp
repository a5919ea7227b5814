// The number of colours in use and single entries of the colour table.
#include <cstdint>
#include <string>

#include "gral/errend.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/fixedtext.h"
#include "records/plot.h"
#include "records/sio.h"

namespace {

constexpr Stamp kScolornb{"scolornb            ", " 1.6", "2020-10-14"};
constexpr Stamp kScolorrgb{"scolorgb            ", " 3.1", "2024-02-13"};

constexpr std::int32_t kMaxColor = 18;
constexpr std::int32_t kCancel = 98;
constexpr std::int32_t kApply = 99;

void say_i3(std::string_view text, std::int32_t v) {
  plot_attr::say_int(text, v, 3);
}

// The number asked for, brought into 1..18 with a warning.
void check_count(std::int32_t& nbcol) {
  if (nbcol >= 1 && nbcol <= kMaxColor) return;
  warninghead(kScolornb);
  say_i3("trying to set nb of color  =", nbcol);
  if (nbcol > kMaxColor) {
    say_i3("max nb of color  =", kMaxColor);
    nbcol = kMaxColor;
  } else {
    gral::say("min nb of color  = 1");
    nbcol = 1;
  }
  say_i3("===> RESET nb of color =", nbcol);
  warningtail00();
}

// With fewer colours, an index in use may lie outside the table: each
// setter checks its stored index and the checked one is kept.
void recheck_indices() {
  gral::say("The nb of colors has been reduced");
  gral::say("==> checking current set up versus new max");
  std::int32_t icol = 0;
  slinecolor(icol, 3);
  plt2blk.ILINECOLOR = icol;
  sfillcolor(icol, 3);
  plt2blk.IFILLCOLOR = icol;
  stextcolor(icol, 3);
  plt2blk.ITEXTCOLOR = icol;
  gral::say("==> checking done");
}

// The count menu; false when it was left without applying.
bool count_menu(std::int32_t& nbcol) {
  for (;;) {
    submenuhead(kScolornb);
    gral::say("SETTING THE NUMBER OF COLORS:");
    plot_attr::dash_rule();
    say_i3("max nb of colors ................", kMaxColor);
    say_i3("current nb of colors ............", plt2blk.NBCOLOR);
    say_i3("new nb of colors to apply .....10", nbcol);
    plot_attr::dash_rule();
    gral::say("CANCEL AND EXIT ...............98");
    gral::say("UPDATE AND EXIT ...............99");
    menutail();
    std::int32_t choice = kApply, st = 0;
    inintegdef(choice, "your choice", kApply, st);
    if (choice == 10) inintegvindef(nbcol, "new nb of colors", nbcol, 1, kMaxColor, st);
    if (choice == kCancel) return false;
    if (choice == kApply) return true;
  }
}

// One row of the component table: a label in 7 columns, then three cells.
void component_row(std::string_view label, std::string_view r, std::string_view g, std::string_view b) {
  gral::say(gral::Rec().X().A(label, 7).A("|").X().A(r, 6).A(" |").X().A(g, 6).A(" |").X().A(b, 6).A(" |"));
}
void component_row(std::string_view label, float r, float g, float b) {
  component_row(label, gral::fmt_f(r, 6, 1), gral::fmt_f(g, 6, 1), gral::fmt_f(b, 6, 1));
}

// The entry menu; false when it was left without applying.
bool entry_menu(std::int32_t icol, std::string& name, float& red, float& green, float& blue) {
  for (;;) {
    submenuhead(kScolorrgb);
    gral::say("               SETTING COLOR               ");
    plot_attr::dash_rule();
    say_i3("max nb of colors ... =", kMaxColor);
    say_i3("current nb of colors =", plt2blk.NBCOLOR);
    plot_attr::dash_rule();
    say_i3("MODIFYING SETTING FOR COLOR INDEX =", icol);
    plot_attr::dash_rule();
    gral::say("Color name:");
    gral::say_items({"current =", pltcharblk.COLORNAM(icol)});
    gral::say_items({"new     =", name});
    gral::say("change new name........................20");
    gral::say_rule(41);
    gral::say("RGB components:");
    component_row(" ", "red%", "green%", "blue%");
    component_row("current", plt2blk.RED(icol), plt2blk.GREEN(icol), plt2blk.BLUE(icol));
    component_row("new", red, green, blue);
    gral::say("change new rgb setting ................30");
    plot_attr::dash_rule();
    gral::say("DO NOT APPLY NEW SETTINGS AND EXIT ....98");
    gral::say("APPLY NEW SETTINGS AND EXIT ...........99");
    menutail();
    std::int32_t choice = kApply, st = 0;
    inintegdef(choice, "your choice", kApply, st);
    if (choice == 20) inchardef(name, "new color name", name, st);
    if (choice == 30) {
      inrealvindef(red, "red component (%)", red, 0.0f, 100.0f, st);
      inrealvindef(green, "green component (%)", green, 0.0f, 100.0f, st);
      inrealvindef(blue, "blue component (%)", blue, 0.0f, 100.0f, st);
    }
    if (choice == kCancel) return false;
    if (choice == kApply) return true;
  }
}

}  // namespace

void scolornb(std::int32_t& nbcol, std::int32_t inter) {
  if (inter < 0 || inter > 5) {
    plot_attr::refuse_mode(kScolornb, inter, "Accepted range = [0,5]", 3);
    return;
  }
  // Compared with the number in force on entry, so that the default of
  // modes 4 and 5, stored at once, is checked against the indices in use.
  const std::int32_t before = plt2blk.NBCOLOR;
  if (inter == 0 || inter == 1) check_count(nbcol);
  if (inter == 2 || inter == 3) nbcol = plt2blk.NBCOLOR;
  if (inter == 4 || inter == 5) {
    nbcol = 4;
    plt2blk.NBCOLOR = 4;
    plt2blk.LCOLORPLOT = true;
    submenuhead(kScolornb);
    say_i3("INITIALIZING NUMBER OF COLORS TO:", nbcol);
  }
  if (inter % 2 == 0 && !count_menu(nbcol)) {
    if (plt2blk.NBCOLOR < before) recheck_indices();
    return;
  }
  plt2blk.LCOLORPLOT = nbcol != 1;
  if (inter % 2 == 0 || inter == 5) {
    gral::say_items({"NB of colors =", gral::fmt_i(nbcol, 3),
                     plt2blk.LCOLORPLOT ? "==> Color plot" : "==> Black & White plot"});
  }
  plt2blk.NBCOLOR = nbcol;
  if (nbcol < before) recheck_indices();
}

void scolorrgb(std::int32_t icol, std::string& name, float& red, float& green, float& blue,
               std::int32_t inter) {
  if (icol < 0 || icol > plt2blk.NBCOLOR) {
    errorhead(kScolorrgb);
    say_i3("trying to set color nb =", icol);
    gral::say(gral::Rec().X().A("When color index range = [0,").I(plt2blk.NBCOLOR, 3).A("]"));
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }
  if (inter == 0 || inter == 1) {
    std::int32_t ier = 0;
    crevin3(red, 0.0f, 100.0f, "red (%)", "scolorgb", 10, ier);
    crevin3(green, 0.0f, 100.0f, "green (%)", "scolorgb", 10, ier);
    crevin3(blue, 0.0f, 100.0f, "blue (%)", "scolorgb", 10, ier);
  }
  if (inter == 2 || inter == 3) {
    red = plt2blk.RED(icol);
    green = plt2blk.GREEN(icol);
    blue = plt2blk.BLUE(icol);
    name = fixed::fit(pltcharblk.COLORNAM(icol), name.size());
  }
  // The entry as stored is handed back, and stays as it is.
  if (inter == 3) return;
  if (inter == 4 || inter == 5) {
    submenuhead(kScolorrgb);
    gral::say(gral::Rec().X().A("INITIALIZING Color nb =").X().I(icol, 3).X().A("as 50% Grey"));
    red = green = blue = 50.0f;
    name = fixed::fit("50% Grey", name.size());
  }
  if (inter < 0 || inter > 5) {
    plot_attr::refuse_mode(kScolorrgb, inter, "Accepted range = [0,5]", 3);
    return;
  }
  if (inter % 2 == 0 && !entry_menu(icol, name, red, green, blue)) return;
  plt2blk.RED(icol) = red;
  plt2blk.GREEN(icol) = green;
  plt2blk.BLUE(icol) = blue;
  pltcharblk.COLORNAM(icol) = fixed::fit(name, 8);
  // The device writes a colour only when another index is chosen: the entry
  // of the index in use would otherwise never reach the open plot file.
  if (iocom.LPLTOPEN && icol == plt2blk.ICURCOLOR) psrgbcolor(0);
}
