// Set-up of the 15 axes, their links to user units and the box: the caller's,
// the stored or the built-in values, an optional menu, checks, then store.
#include <cstdint>
#include <string>
#include <string_view>

#include "axis/axis.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "records/axis.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kS1axis1{"s1axis1    ", " 3.1", "2012-05-09"};
constexpr Stamp kS1axis{"s1axis     ", " 3.1", "2012-05-09"};
constexpr Stamp kS1axuswdtyp{"s1axuswdtyp", " 1.1", "2012-05-09"};
constexpr Stamp kSnaxis{"snaxis     ", " 2.1", "2012-05-09"};
constexpr Stamp kS1bx2d{"s1bx2d     ", " 1.4", "2012-05-09"};

constexpr std::int32_t kMaxBoxes = 1;
constexpr std::size_t kLabelLength = 30;
constexpr std::size_t kBoxLabelLength = 25;
constexpr std::string_view kGenericAxis = "Generic 0-10 axis";

bool even(std::int32_t imode) {
  return imode % 2 == 0;
}
bool from_stored(std::int32_t imode) {
  return imode == 2 || imode == 3 || imode == 10;
}
bool from_defaults(std::int32_t imode) {
  return imode == 4 || imode == 5;
}
bool more_output() {
  return iocom.LWITO(2);
}

std::int32_t ask_choice() {
  std::int32_t choice = 99, status = 0;
  inintegdef(choice, "your choice", 99, status);
  return choice;
}

// The error frame of an axis number outside 1 to 15, up to its last line.
void bad_axis_number(const Stamp& st, std::int32_t iaxis) {
  errorhead(st);
  gral::say_items({"trying to set axis nb =", gral::fmt_i(iaxis, 4)});
  gral::say_items({"max axis nb =", gral::fmt_i(kMaxAxes, 4)});
}

bool refuse_axis(const Stamp& st, std::int32_t iaxis) {
  if (iaxis >= 1 && iaxis <= kMaxAxes) return false;
  bad_axis_number(st, iaxis);
  gral::say("===> NO ACTION");
  errortail00();
  return true;
}

// One axis as the set-up routines hand it around.
struct AxisArgs {
  float &usa1, &usa2, &wau1, &wau2, &waud, &walas;
  std::string& walab;
  std::int32_t &nawdig, &nasubint;
  std::int32_t* nlabintk;  // only the later variant carries the label interval
};

void load_stored(AxisArgs& a, std::int32_t k) {
  const auto& r = axisblk7a;
  a.usa1 = r.USA1(k);
  a.usa2 = r.USA2(k);
  a.wau1 = r.WAU1(k);
  a.wau2 = r.WAU2(k);
  a.waud = r.WAUD(k);
  a.walas = r.WALAS(k);
  a.walab = fixed::fit(axisblk7b.WALAB(k), a.walab.size());
  a.nawdig = r.NAWDIG(k);
  a.nasubint = r.NASUBINT(k);
  if (a.nlabintk) *a.nlabintk = r.NLABINTK(k);
}

void load_defaults(AxisArgs& a) {
  a.usa1 = 0.0f;
  a.usa2 = 10.0f;
  a.wau1 = 0.0f;
  a.wau2 = 10.0f;
  a.waud = 5.0f;
  a.walas = 0.5f;
  a.walab = fixed::fit(kGenericAxis, a.walab.size());
  a.nawdig = 0;
  a.nasubint = 5;
  if (a.nlabintk) *a.nlabintk = 1;
}

void axis_menu_lines(const AxisArgs& a, std::int32_t iaxis, bool user_is_annotation) {
  gral::say("Sizes:");
  gral::say_items({"max nb of axis    =", gral::fmt_i(kMaxAxes, 4)});
  gral::say_items({"axis label length =", gral::fmt_i(static_cast<std::int32_t>(kLabelLength), 4)});
  gral::say_rule(gral::kMenuRule);
  gral::say_items({"SETTING UP AXIS #", gral::fmt_i(iaxis, 4)});
  gral::say_rule(13);
  if (user_is_annotation) {
    gral::say("user space = annotation");
  } else {
    gral::say("user space:");
    gral::say_items({"initial value ....................1", gral::fmt_f(a.usa1, 9, 3)});
    gral::say_items({"final   value ....................2", gral::fmt_f(a.usa2, 9, 3)});
    gral::say_rule(13);
    gral::say("annotation:");
  }
  gral::say_items({"initial value ...................20", gral::fmt_f(a.wau1, 9, 3)});
  gral::say_items({"final   value ...................21", gral::fmt_f(a.wau2, 9, 3)});
  gral::say_items({"increment .......................22", gral::fmt_f(a.waud, 9, 3)});
  gral::say_items({"size in cm ......................23", gral::fmt_f(a.walas, 9, 3)});
  gral::say_items({"nb of digits after dec. point ...24", gral::fmt_i(a.nawdig, 4)});
  gral::say_items({"nb of subtics intervals..........25", gral::fmt_i(a.nasubint, 4)});
  gral::say_items({"axis label ......................26", a.walab});
  if (a.nlabintk) gral::say_items({"nb of tics intervals for label ..27", gral::fmt_i(*a.nlabintk, 4)});
  gral::say_rule(gral::kMenuRule);
  gral::say("EXIT.............................99");
  menutail();
}

void axis_menu(const Stamp& st, AxisArgs& a, std::int32_t iaxis) {
  std::int32_t status = 0;
  for (;;) {
    const bool user_is_annotation = axisblk7a.IUSWDTYP(iaxis) == 1;
    submenuhead(st);
    if (more_output()) axis_menu_lines(a, iaxis, user_is_annotation);
    switch (ask_choice()) {
      case 1:
        if (!user_is_annotation) inrealdef(a.usa1, "user initial value", a.usa1, status);
        break;
      case 2:
        if (!user_is_annotation) inrealdef(a.usa2, "user final value", a.usa2, status);
        break;
      case 20:
        inrealdef(a.wau1, "annotation initial value", a.wau1, status);
        break;
      case 21:
        inrealdef(a.wau2, "annotation final value", a.wau2, status);
        break;
      case 22:
        inrealdef(a.waud, "annotation increment", a.waud, status);
        break;
      case 23:
        inrealdef(a.walas, "annotation size in cm", a.walas, status);
        break;
      case 24:
        inintegdef(a.nawdig, "nb of digits after dec. point", a.nawdig, status);
        break;
      case 25:
        inintegdef(a.nasubint, "nb of intervals between tics", a.nasubint, status);
        break;
      case 26:
        inchardef(a.walab, "axis label", a.walab, status);
        break;
      case 27:
        if (a.nlabintk) inintegdef(*a.nlabintk, "nb of tics intervals for label", *a.nlabintk, status);
        break;
      case 99:
        return;
      default:
        break;
    }
  }
}

bool increment_consistent(const AxisArgs& a) {
  if (a.waud == 0.0f) return false;
  if (a.waud > 0.0f && a.wau1 > a.wau2) return false;
  if (a.waud < 0.0f && a.wau2 > a.wau1) return false;
  return true;
}

// A zero increment becomes half the range, a wrong sign is turned round.
// Equal bounds have no range to halve: their increment becomes 1, which is
// consistent, so a check without a menu ends.
void reset_increment(const Stamp& st, AxisArgs& a) {
  warninghead(st);
  gral::say("Inconsistent annotation increment:");
  gral::say_items({"initial value      =", gral::fmt_f(a.wau1, 9, 3)});
  gral::say_items({"final   value      =", gral::fmt_f(a.wau2, 9, 3)});
  gral::say_items({"increment          =", gral::fmt_f(a.waud, 9, 3)});
  a.waud = a.waud == 0.0f ? 0.5f * (a.wau2 - a.wau1) : -a.waud;
  if (a.waud == 0.0f) a.waud = 1.0f;
  gral::say_items({"=> RESET increment =", gral::fmt_f(a.waud, 9, 3)});
  warningtail00();
}

void store_axis(const AxisArgs& a, std::int32_t k, bool scaled_link) {
  auto& r = axisblk7a;
  const std::int32_t link = r.IUSWDTYP(k);
  if (link == 1) {
    r.USA1(k) = a.wau1;
    r.USA2(k) = a.wau2;
  } else if (link == 2 && scaled_link) {
    r.USA1(k) = a.wau1 / r.WAOUS(k);
    r.USA2(k) = a.wau2 / r.WAOUS(k);
  } else {
    r.USA1(k) = a.usa1;
    r.USA2(k) = a.usa2;
  }
  r.WAU1(k) = a.wau1;
  r.WAU2(k) = a.wau2;
  r.WAUD(k) = a.waud;
  r.WALAS(k) = a.walas;
  axisblk7b.WALAB(k) = fixed::fit(a.walab, kLabelLength);
  r.NAWDIG(k) = a.nawdig;
  r.NASUBINT(k) = a.nasubint;
  if (a.nlabintk) r.NLABINTK(k) = *a.nlabintk;
}

// Both axis set-ups; the earlier one has no label interval and no scaled link.
void set_up_axis(const Stamp& st, AxisArgs a, std::int32_t iaxis, std::int32_t imode) {
  if (refuse_axis(st, iaxis)) return;
  if (from_stored(imode)) {
    load_stored(a, iaxis);
  } else if (from_defaults(imode)) {
    submenuhead(st);
    gral::say_items({"INITIALIZING AXIS NB", gral::fmt_i(iaxis, 4)});
    load_defaults(a);
  }
  for (;;) {
    if (even(imode)) axis_menu(st, a, iaxis);
    if (increment_consistent(a)) break;
    reset_increment(st, a);
  }
  store_axis(a, iaxis, a.nlabintk != nullptr);
}

void axis_list() {
  gral::say_rule(gral::kMenuRule);
  gral::say("Available axes:");
  gral::say_items({"label:", "nb"});
  gral::say_rule(gral::kMenuRule);
  for (std::int32_t k = 1; k <= kMaxAxes; ++k)
    gral::say(gral::Rec().X().A(axisblk7b.WALAB(k), kLabelLength).X().I(k, 4));
  gral::say_rule(gral::kMenuRule);
}

void border_types() {
  gral::say_rule(gral::kMenuRule);
  gral::say("Border types:");
  gral::say("line+tics+ticmarks+axelabel.......1");
  gral::say("line+tics+ticmarks................2");
  gral::say("line+tics.........................3");
  gral::say("line..............................4");
  gral::say("nothing...........................5");
  gral::say_rule(gral::kMenuRule);
}

// An axis number that names no axis is reset to the given one.
void check_box_axis(std::int32_t& iaxis, std::int32_t reset) {
  if (iaxis >= 1 && iaxis <= kMaxAxes) return;
  bad_axis_number(kS1bx2d, iaxis);
  iaxis = reset;
  gral::say_items({"===> RESET axis nb =", gral::fmt_i(iaxis, 4)});
  errortail00();
}

// Items 11 and 21: the full set-up of one of the box's axes, on scratch
// values, so that the box's own arguments stay as they are.
void edit_box_axis(std::int32_t iaxis) {
  float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
  std::string walab = fixed::blanks(35);
  std::int32_t nawdig = 0, nasubint = 0;
  s1axis(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, iaxis, 2);
}

std::string stored_label(std::int32_t iaxis) {
  return fixed::fit(axisblk7b.WALAB(iaxis), kLabelLength);
}

}  // namespace

void s1axis1(float& usa1, float& usa2, float& wau1, float& wau2, float& waud, float& walas,
             std::string& walab, std::int32_t& nawdig, std::int32_t& nasubint, std::int32_t& nlabintk,
             std::int32_t iaxis, std::int32_t imode) {
  set_up_axis(kS1axis1, {usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, &nlabintk}, iaxis,
              imode);
}

void s1axis(float& usa1, float& usa2, float& wau1, float& wau2, float& waud, float& walas, std::string& walab,
            std::int32_t& nawdig, std::int32_t& nasubint, std::int32_t iaxis, std::int32_t imode) {
  set_up_axis(kS1axis, {usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nullptr}, iaxis, imode);
}

void s1axuswdtyp(std::int32_t& itype, float& scale, std::int32_t iaxis, std::int32_t imode) {
  const Stamp& st = kS1axuswdtyp;
  if (refuse_axis(st, iaxis)) return;
  if (from_stored(imode)) {
    itype = axisblk7a.IUSWDTYP(iaxis);
    scale = axisblk7a.WAOUS(iaxis);
  } else if (from_defaults(imode)) {
    submenuhead(st);
    gral::say_items({"INITIALIZING US-WD FOR AXIS NB", gral::fmt_i(iaxis, 4)});
    itype = 0;
    scale = 1.0f;
  } else if (itype < 0 || itype > 1) {
    warninghead(st);
    gral::say_items({"trying to set us/wd type =", gral::fmt_i(itype, 4)});
    gral::say("UNKNOWN TYPE");
    itype = 0;
    gral::say_items({"==> RESET TYPE =", gral::fmt_i(itype, 4)});
    warningtail00();
  }
  std::int32_t status = 0;
  while (even(imode)) {
    if (scale == 0.0f) {
      warninghead(st);
      gral::say_items({"trying to set wd/us scaling =", gral::fmt_g(scale, 13, 6)});
      scale = 1.0f;
      gral::say_items({"==> RESET SCALING =", gral::fmt_g(scale, 13, 6)});
      warningtail00();
    }
    submenuhead(st);
    if (more_output()) {
      gral::say_items({"SETTING UP AXIS #", gral::fmt_i(iaxis, 4)});
      gral::say_items({"max nb of axis  =", gral::fmt_i(kMaxAxes, 4)});
      gral::say_rule(gral::kMenuRule);
      gral::say(itype == 1 ? "user space = annotation" : "user space and annotations independent");
      gral::say_items({"user space versus annotations ...10", gral::fmt_i(itype, 4)});
      gral::say_items({"annotations/user scaling  .......20", gral::fmt_g(scale, 13, 6)});
      gral::say_rule(gral::kMenuRule);
      gral::say("EXIT.............................99");
      menutail();
    }
    const std::int32_t choice = ask_choice();
    if (choice == 99) break;
    if (choice == 10) {
      gral::say("link between user units and annotations:");
      gral::say("annotation & user independent ....0");
      gral::say("annotation = user ................1");
      gral::say("annotation = user * scale ........2");
      inintegvindef(itype, "your choice (0-2)", itype, 0, 2, status);
    } else if (choice == 20) {
      inrealdef(scale, "annotation/user scaling", scale, status);
    }
  }
  axisblk7a.IUSWDTYP(iaxis) = itype;
  axisblk7a.WAOUS(iaxis) = scale;
}

void snaxis(std::int32_t imode) {
  const Stamp& st = kSnaxis;
  if (from_defaults(imode)) {
    submenuhead(st);
    gral::say("INITIALIZING AXES");
    for (std::int32_t k = 1; k <= kMaxAxes; ++k) {
      std::int32_t itype = 0;
      float scale = 1.0f;
      s1axuswdtyp(itype, scale, k, 1);
    }
    for (std::int32_t k = 1; k <= kMaxAxes; ++k) {
      float usa1 = 0.0f, usa2 = 10.0f, wau1 = 0.0f, wau2 = 10.0f, waud = 5.0f, walas = 0.5f;
      std::string walab = fixed::fit(kGenericAxis, 35);
      std::int32_t nawdig = 0, nasubint = 5, nlabintk = 1;
      s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, k, 1);
    }
  }
  if (!even(imode)) return;

  // One axis through its link (when the mode asks for it) and its set-up.
  auto set_up = [imode](std::int32_t k) {
    if (imode >= 10) {
      std::int32_t itype = 0;
      float scale = 1.0f;
      s1axuswdtyp(itype, scale, k, 2);
    }
    float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
    std::string walab = fixed::blanks(35);
    std::int32_t nawdig = 0, nasubint = 0, nlabintk = 0;
    s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, k, 2);
  };
  for (;;) {
    submenuhead(st);
    if (more_output()) {
      gral::say("AXIS SET UP");
      gral::say_rule(gral::kMenuRule);
      gral::say("axis label" + std::string(18, ' ') + "axis nb");
      gral::say_rule(35);
      for (std::int32_t k = 1; k <= kMaxAxes; ++k)
        gral::say(gral::Rec().X().A(axisblk7b.WALAB(k), 20).X().A(std::string(12, '.')).I(k, 2));
      gral::say_rule(gral::kMenuRule);
      gral::say("Go through all axes.............100");
      gral::say("EXIT.............................99");
      menutail();
    }
    const std::int32_t choice = ask_choice();
    if (choice == 99) return;
    if (choice >= 1 && choice <= kMaxAxes) set_up(choice);
    if (choice == 100)
      for (std::int32_t k = 1; k <= kMaxAxes; ++k) set_up(k);
  }
}

void s1bx2d(std::int32_t& ixaxis, std::int32_t& iyaxis, std::int32_t& ileft, std::int32_t& iright,
            std::int32_t& ibottom, std::int32_t& itop, std::int32_t& iclip, std::int32_t& izerolin,
            std::string& boxlab, std::int32_t ibox, std::int32_t imode) {
  const Stamp& st = kS1bx2d;
  if (ibox < 1 || ibox > kMaxBoxes) {
    errorhead(st);
    gral::say_items({"trying to set box nb =", gral::fmt_i(ibox, 4)});
    gral::say_items({"max box nb =", gral::fmt_i(kMaxBoxes, 4)});
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }
  auto& r = axisblk7a;
  if (from_stored(imode)) {
    ixaxis = r.IBXAXIS;
    iyaxis = r.IBYAXIS;
    ileft = r.IBBORDER(1);
    iright = r.IBBORDER(2);
    ibottom = r.IBBORDER(3);
    itop = r.IBBORDER(4);
    iclip = r.IBCLIP;
    izerolin = r.IBZEROLIN;
    boxlab = fixed::fit(axisblk7b.BOXLAB, boxlab.size());
  } else if (from_defaults(imode)) {
    submenuhead(st);
    gral::say_items({"INITIALIZING BOX NB", gral::fmt_i(ibox, 4)});
    ixaxis = 1;
    iyaxis = 2;
    ileft = iright = ibottom = itop = 1;
    iclip = 0;
    izerolin = 0;
    boxlab = fixed::fit("Generic box", boxlab.size());
  }
  // A box that was never set names axis 0; the stored numbers are checked
  // like a caller's, so the menu and the drawing always name real axes.
  if (!from_defaults(imode)) {
    check_box_axis(ixaxis, 1);
    check_box_axis(iyaxis, 2);
  }

  std::int32_t status = 0;
  while (even(imode)) {
    submenuhead(st);
    gral::say_items({"SETTING BOX #", gral::fmt_i(ibox, 4)});
    gral::say_rule(gral::kMenuRule);
    gral::say_items({"X axis label:", stored_label(ixaxis)});
    gral::say_items({"X axis nb........................10", gral::fmt_i(ixaxis, 4)});
    gral::say("X axis params ...................11");
    gral::say_rule(35);
    gral::say_items({"Y axis label:", stored_label(iyaxis)});
    gral::say_items({"Y axis nb........................20", gral::fmt_i(iyaxis, 4)});
    gral::say("Y axis params ...................21");
    gral::say_rule(gral::kMenuRule);
    gral::say("Border types:");
    gral::say_items({"left ............................30", gral::fmt_i(ileft, 4)});
    gral::say_items({"right ...........................31", gral::fmt_i(iright, 4)});
    gral::say_items({"bottom ..........................32", gral::fmt_i(ibottom, 4)});
    gral::say_items({"top .............................33", gral::fmt_i(itop, 4)});
    gral::say_rule(gral::kMenuRule);
    gral::say_items({"Box label   :", boxlab});
    gral::say_items({"Clipping ........................40", gral::fmt_i(iclip, 4)});
    gral::say_items({"X=0 & Y=0 mark line .............50", gral::fmt_i(izerolin, 4)});
    gral::say("Change box label ................60");
    gral::say_rule(gral::kMenuRule);
    gral::say("EXIT.............................99");
    menutail();
    const std::int32_t choice = ask_choice();
    if (choice == 99) break;
    if (choice == 10 || choice == 20) axis_list();
    if (choice >= 30 && choice <= 33) border_types();
    switch (choice) {
      case 10:
        inintegvindef(ixaxis, "X axis nb", ixaxis, 1, kMaxAxes, status);
        break;
      case 11:
        edit_box_axis(ixaxis);
        break;
      case 20:
        inintegvindef(iyaxis, "Y axis nb", iyaxis, 1, kMaxAxes, status);
        break;
      case 21:
        edit_box_axis(iyaxis);
        break;
      case 30:
        inintegvindef(ileft, "left border type", ileft, 1, 5, status);
        break;
      case 31:
        inintegvindef(iright, "right border type", iright, 1, 5, status);
        break;
      case 32:
        inintegvindef(ibottom, "bottom border type", ibottom, 1, 5, status);
        break;
      case 33:
        inintegvindef(itop, "top border type", itop, 1, 5, status);
        break;
      case 40:
        inintegvindef(iclip, "clipping (0/1)", iclip, 0, 1, status);
        break;
      case 50:
        inintegvindef(izerolin, "draw X=0 & Y=0 lines (0/1)", izerolin, 0, 1, status);
        break;
      case 60:
        inchardef(boxlab, "box label", boxlab, status);
        break;
      default:
        break;
    }
  }
  r.IBXAXIS = ixaxis;
  r.IBYAXIS = iyaxis;
  r.IBBORDER(1) = ileft;
  r.IBBORDER(2) = iright;
  r.IBBORDER(3) = ibottom;
  r.IBBORDER(4) = itop;
  r.IBCLIP = iclip;
  r.IBZEROLIN = izerolin;
  axisblk7b.BOXLAB = fixed::fit(boxlab, kBoxLabelLength);
}
