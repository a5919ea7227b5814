// Text justification, angle, font and height. Justification and angle are
// read by the device for every text; font and height live in the device's
// own state and are handed to it whenever the plot file is open.
#include <cstdint>
#include <string_view>

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

constexpr Stamp kStextalign{"stextalign          ", " 3.0", "2020-10-12"};
constexpr Stamp kStextangle{"stextangle          ", " 3.0", "2020-10-12"};
constexpr Stamp kStextfont{"stextfont           ", " 4.0", "2020-10-13"};
constexpr Stamp kStextsize{"stextsize           ", " 8.0", "2020-10-12"};

constexpr float kDefaultSize = 0.5f;
constexpr float kMinSize = 0.02f;

bool refused(const Stamp& stamp, std::int32_t inter) {
  if (inter >= 0 && inter <= 7) return false;
  plot_attr::refuse_mode(stamp, inter, "Accepted range = [0,7]");
  return true;
}

bool asks(std::int32_t inter) {
  return inter == 0 || inter == 2 || inter == 4;
}

// The last step of every member: a resend needs an open plot file.
void closed_resend(const Stamp& stamp, std::int32_t inter) {
  if (inter >= 6 && !plot_attr::plot_open()) plot_attr::closed_plot_warning(stamp);
}

constexpr std::string_view kAlignPicture[16] = {
    "-------------------------------------------", "          SETTING TEXT ALIGNMENT           ",
    "        (from dorvex by K.Lindor)          ", "-------------------------------------------",
    " |just| indicates where the x,y point      ", "      is relative to the textstring        ",
    " if just < 0 leading and trailing blanks   ", "      will be ignored                      ",
    "                                           ", "   9              10              11       ",
    "   |---------------|---------------|       ", "   5<==textstring==6==============>7       ",
    "   |---------------|---------------|       ", "   1               2               3       ",
    "                                           ", "-------------------------------------------",
};

// Codes with no horizontal place of their own: 0, -4 and -8 become -1,
// 4 and 8 become 1. True when the code was reset.
bool reset_placeless(std::int32_t& just) {
  if (just == 0 || just == -4 || just == -8 || just == 4 || just == 8) {
    warninghead(kStextalign);
    say_int("just =", just);
    just = just > 0 ? 1 : -1;
    say_int("===> RESET just =", just);
    warningtail00();
    return true;
  }
  return false;
}

constexpr std::string_view kFontMenu[16] = {
    "Helvetica...............................1", "Helvetica-Bold..........................2",
    "Helvetica-Oblique.......................3", "Helvetica-BoldOblique...................4",
    "Times-Roman.............................5", "Times-Bold..............................6",
    "Times-Italic............................7", "Times-BoldItalic........................8",
    "Courier.................................9", "Courier-Bold...........................10",
    "Courier-Oblique........................11", "Courier-BoldOblique....................12",
    "Symbol.................................13", "Symbol-Bold............................14",
    "Symbol-Oblique.........................15", "Symbol-BoldOblique.....................16",
};

}  // namespace

void stextalign(std::int32_t& just, std::int32_t inter) {
  if ((inter == 0 || inter == 1) && (just < -11 || just > 11)) {
    warninghead(kStextalign);
    say_int("trying to set justif =", just);
    gral::say("justif must be in [-11,11]");
    just = -1;
    say_int("===> RESET justif =", just);
    warningtail00();
  }
  if (inter == 2 || inter == 3) just = plt2blk.ITEXTALIGN;
  if (inter == 4 || inter == 5) just = -1;
  if (inter == 5) {
    plot_attr::announce(kStextalign, "INITIALISING TEXT ALIGNMENT TO: -1");
    gral::say("=====> left-bottom trimmed");
  }
  if (refused(kStextalign, inter)) return;
  if (inter <= 5) {
    // A reset code is offered again in the dialogue and checked again.
    do {
      if (!asks(inter)) continue;
      submenuhead(kStextalign);
      for (auto line : kAlignPicture) gral::say(line);
      say_int("currently stored   :", plt2blk.ITEXTALIGN);
      say_int("suggested new value:", just);
      menutail();
      std::int32_t st = 0;
      inintegvindef(just, "value of just", just, -11, 11, st);
    } while (reset_placeless(just) && asks(inter));
  }
  if (plot_attr::stores(inter)) plt2blk.ITEXTALIGN = just;
  closed_resend(kStextalign, inter);
}

void stextangle(float& angle, std::int32_t inter) {
  if (inter == 2 || inter == 3) angle = plt2blk.TEXTANGLE;
  if (inter == 4 || inter == 5) angle = 0.0f;
  if (inter == 5) plot_attr::announce(kStextangle, "INITIALISING TEXT ANGLE TO: 0.0");
  if (refused(kStextangle, inter)) return;
  if (asks(inter)) {
    submenuhead(kStextangle);
    plot_attr::dash_rule();
    gral::say("         TEXT ANGLE (degrees)");
    plot_attr::dash_rule();
    say_real("currently stored   :", plt2blk.TEXTANGLE);
    say_real("suggested new value:", angle);
    menutail();
    std::int32_t st = 0;
    inrealdef(angle, "text angle in degrees", angle, st);
  }
  if (plot_attr::stores(inter)) plt2blk.TEXTANGLE = angle;
  closed_resend(kStextangle, inter);
}

void stextfont(std::int32_t& ifont, std::int32_t inter) {
  if ((inter == 0 || inter == 1) && (ifont < 1 || ifont > 16)) {
    warninghead(kStextfont);
    say_int("trying to set font number =", ifont);
    gral::say("font number must be in [1,16]");
    ifont = 1;
    say_int("===> RESET font number =", ifont);
    warningtail00();
  }
  if (inter == 2 || inter == 3) ifont = plt2blk.ITEXTFONT;
  if (inter == 4 || inter == 5) ifont = 1;
  if (inter == 5) plot_attr::announce(kStextfont, "INITIALISING TEXT FONT TO: 1 = Helvetica");
  if (refused(kStextfont, inter)) return;
  if (asks(inter)) {
    submenuhead(kStextfont);
    plot_attr::dash_rule();
    gral::say("                 TEXT FONT");
    plot_attr::dash_rule();
    say_int("present value.=", ifont);
    for (auto line : kFontMenu) gral::say(line);
    menutail();
    std::int32_t st = 0;
    inintegvindef(ifont, "your choice", ifont, 1, 16, st);
  }
  if (plot_attr::stores(inter)) plt2blk.ITEXTFONT = ifont;
  if (inter != 3 && plot_attr::plot_open()) intstextfont(plt2blk.ITEXTFONT);
  closed_resend(kStextfont, inter);
}

void stextsize(float& height, std::int32_t inter) {
  // Written so that a height that is not a number is out of range too.
  if ((inter == 0 || inter == 1) && !(height > kMinSize && height <= 1000.0f)) {
    warninghead(kStextsize);
    gral::say("TEXT HEIGHT (cm) OUT OF RANGE:");
    say_real(" text height =", height);
    say_real(" min         =", kMinSize);
    say_real(" max         =", 1000.0f);
    height = height <= kMinSize ? kMinSize : kDefaultSize;
    say_real("==> RESET text height =", height);
    warningtail00();
  }
  if (inter == 2 || inter == 3) height = plt2blk.TEXTSIZE;
  if (inter == 4 || inter == 5) height = kDefaultSize;
  if (inter == 5) {
    submenuhead(kStextsize);
    gral::say(gral::Rec().X().A("INITIALISING TEXT SIZE TO:").X().F(height, 8, 3).X().A("cm"));
  }
  if (refused(kStextsize, inter)) return;
  if (asks(inter)) {
    submenuhead(kStextsize);
    plot_attr::dash_rule();
    gral::say("                TEXT SIZE");
    plot_attr::dash_rule();
    say_real("present value in cm .......... ", height);
    menutail();
    std::int32_t st = 0;
    inrealvindef(height, "text height in cm", height, kMinSize, 1000.0f, st);
  }
  if (plot_attr::stores(inter)) plt2blk.TEXTSIZE = height;
  if (inter != 3 && plot_attr::plot_open()) intstextsize(plt2blk.TEXTSIZE);
  closed_resend(kStextsize, inter);
}
