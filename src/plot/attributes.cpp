// The plot attributes as a whole: initialised, carried into a newly opened
// plot file, or edited through one menu. Each attribute is checked and
// stored by its own set-routine; this only chooses which run, and how.
#include <cstdint>
#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "records/sio.h"

namespace {

constexpr Stamp kSplotattributes{"splotattributes     ", " 1.0", "2020-10-16"};

// The colour table first: the colour indices are checked against the
// number of colours it sets.
void initialise(std::int32_t mode) {
  plot_attr::announce(kSplotattributes, "INITIALIZING PLOT ATTRIBUTESS");
  std::int32_t i = 0;
  float r = 0.0f;
  scolortable(mode);
  slinestyle(i, mode);
  slinecolor(i, mode);
  stextalign(i, mode);
  stextangle(r, mode);
  stextcolor(i, mode);
  sfillcolor(i, mode);
  sfillstyle(i, mode);
  ssymbolsize(r, mode);
  ssymboltype(i, mode);
  slinewidth(r, mode);
  stextsize(r, mode);
  stextfont(i, mode);
}

void update_open_plot() {
  if (!iocom.LPLTOPEN) {
    errorhead(kSplotattributes);
    gral::say("TRYING TO PROPAGATE PLOT ATTRIBUTES");
    gral::say(" WITH CLOSED PLOT FILE");
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }
  plot_attr::announce(kSplotattributes, "UPDATING PLOT ATTRIBUTESS");
  std::int32_t i = 0;
  float r = 0.0f;
  slinewidth(r, 7);
  stextsize(r, 7);
  stextfont(i, 7);
}

void show_menu(bool current) {
  submenuhead(kSplotattributes);
  if (!iocom.LWITO(2)) return;
  plot_attr::dash_rule();
  gral::say("         SETTING PLOT ATTRIBUTES");
  plot_attr::dash_rule();
  gral::say("GET SETTINGS");
  gral::say_items({" from currently stored..... 1", gral::fmt_l(current, 1)});
  gral::say_items({" from initialisation....... 1", gral::fmt_l(!current, 1)});
  plot_attr::dash_rule();
  gral::say("LINE ATTRIBUTES:");
  gral::say(" thickness ................10");
  gral::say(" style ....................11");
  gral::say(" color ....................12");
  gral::say("POLYGON FILL ATTRIBUTES:");
  gral::say(" interior style ...........20");
  gral::say(" interior color ...........21");
  gral::say("TEXT ATTRIBUTES:");
  gral::say(" font .....................30");
  gral::say(" size .....................31");
  gral::say(" justification ............32");
  gral::say(" angle ....................33");
  gral::say(" color ....................34");
  gral::say("SYMBOL ATTRIBUTES:");
  gral::say(" type .....................40");
  gral::say(" size .....................41");
  gral::say("COLOR:");
  gral::say(" color table ..............50");
  plot_attr::dash_rule();
  gral::say("EXIT THIS SET UP  .........99");
  menutail();
}

void menu() {
  bool current = true;
  std::int32_t m = 2;
  std::int32_t i = 0;
  float r = 0.0f;
  for (;;) {
    show_menu(current);
    std::int32_t choice = 99, st = 0;
    inintegdef(choice, "your choice", 99, st);
    switch (choice) {
      case 1:
        inlogicdef(current, "whether to use current(1) or initial(0) parameters", current, st);
        m = current ? 2 : 4;
        break;
      case 10:
        slinewidth(r, m);
        break;
      case 11:
        slinestyle(i, m);
        break;
      case 12:
        slinecolor(i, m);
        break;
      case 20:
        sfillstyle(i, m);
        break;
      case 21:
        sfillcolor(i, m);
        break;
      case 30:
        stextfont(i, m);
        break;
      case 31:
        stextsize(r, m);
        break;
      case 32:
        stextalign(i, m);
        break;
      case 33:
        stextangle(r, m);
        break;
      case 34:
        stextcolor(i, m);
        break;
      case 40:
        ssymboltype(i, m);
        break;
      case 41:
        ssymbolsize(r, m);
        break;
      case 50:
        scolortable(m);
        break;
      case 99:
        return;
      default:
        break;
    }
  }
}

}  // namespace

void splotattributes(std::int32_t inter) {
  if (inter == 4 || inter == 5) initialise(inter);
  if (inter == 7) update_open_plot();
  if (inter % 2 == 0) menu();
}
