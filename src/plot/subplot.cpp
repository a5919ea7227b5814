// Subplot selection, the scaling of all subplots and the map query.
#include <cstdint>
#include <string>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "plot/plot.h"
#include "plot/subplot_maps.h"
#include "psdev/psdev.h"
#include "records/fixedtext.h"
#include "records/plot.h"
#include "records/sio.h"

namespace {

constexpr Stamp kSsubplot{"ssubplot            ", " 1.4", "2019-09-29"};
constexpr Stamp kSplotscaling{"splotscaling        ", " 1.2", "2024-02-19"};
constexpr Stamp kSplotunits{"splotunits          ", " 4.2", "2019-10-04"};

// A subplot's title; before any subplot has been selected there is none.
std::string title_of(std::int32_t s) {
  if (s < 1 || s > kMaxSubplots) return fixed::fit("none", 20);
  return fixed::fit(pltcharblk.SUBPLOTITLE(s), 20);
}

void show_change(std::int32_t isub) {
  submenuhead(kSsubplot);
  gral::say_rule(gral::kMenuRule);
  gral::say("             CHANGING SUBPLOT");
  gral::say_rule(gral::kMenuRule);
  gral::say(gral::Rec().X().A("Maximum nb of subplots :").X().I(kMaxSubplots, 3));
  gral::say_rule(gral::kMenuRule);
  gral::say("CURRENT SUBPLOT:");
  gral::say(gral::Rec().X().A("Subplot nb     :").X().I(plt1blk.ISUBPLOT, 3));
  gral::say(gral::Rec().X().A("Subplot name   :").X().A(title_of(plt1blk.ISUBPLOT)));
  gral::say_rule(gral::kMenuRule);
  gral::say("SWITCHING TO SUBPLOT:");
  gral::say(gral::Rec().X().A("Subplot nb     :").X().I(isub, 3));
  gral::say(gral::Rec().X().A("Subplot name   :").X().A(title_of(isub)));
  menutail();
}

}  // namespace

void ssubplot(std::int32_t& isub, std::int32_t inter) {
  if (inter == 2 || inter == 3) {
    isub = plt1blk.ISUBPLOT;
  } else if (inter >= 4 && inter <= 7) {
    submenuhead(kSsubplot);
    isub = 1;
    gral::say(gral::Rec().X().A("INITIALISING SUBPLOT =").X().I(isub, 3));
  } else if (isub < 1 || isub > kMaxSubplots) {
    errorhead(kSsubplot);
    gral::say(gral::Rec().X().A("trying to set subplot nb =").X().I(isub, 3));
    gral::say(gral::Rec().X().A("max subpplot nb          =").X().I(kMaxSubplots, 3));
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }
  if (inter % 2 == 0) show_change(isub);
  plt1blk.ISUBPLOT = isub;
}

void splotscaling(std::int32_t inter) {
  if (inter != 4 && inter != 5 && inter != 7) {
    warninghead(kSplotscaling);
    gral::say(gral::Rec().X().A("inter =").X().I(inter, 3));
    gral::say("Accepted values = 4,5,7");
    gral::say("===> NO ACTION");
    warningtail00();
    return;
  }
  const bool open = iocom.LPLTOPEN;
  if (inter == 7 && !open) {
    errorhead(kSplotscaling);
    gral::say("TRYING TO UPDATE PLOT SCALING");
    gral::say("WITH CLOSED PLOT FILE");
    gral::say("===> NO ACTION");
    errortail00();
    return;
  }

  submenuhead(kSplotscaling);
  gral::say(inter == 7 ? "UPDATING SUBPLOT SCALING" : "INITIALIZING SUBPLOT SCALING");
  if (open) {
    gral::say(" 1: CM <-> DE updating (plot file open)");
    scm2de();
  } else {
    gral::say(" 1: CM <-> DE untouched (plot file closed)");
  }

  std::int32_t isub = 1;
  if (inter == 4 || inter == 5) {
    gral::say(" 2: US <-> CM initializing");
    gral::say(open ? " 3: US <-> DE updating (plot file open)"
                   : " 3: US <-> DE: untouched (plot file closed)");
    ssubplot(isub, 5);
    float xcm0 = 0.0f, ycm0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, inter == 4 ? 6 : 7);
    for (std::int32_t i = 1; i <= kMaxSubplots; ++i) {
      pltcharblk.SUBPLOTITLE(i) = fixed::fit("Subplot_" + std::to_string(i), 20);
    }
    return;
  }

  gral::say(" 2: US <-> CM untouched (set before)");
  gral::say(" 3: US <-> DE updating (plot file open)");
  for (std::int32_t i = 1; i <= kMaxSubplots; ++i) {
    isub = i;
    ssubplot(isub, 1);
    sus2de();
  }
  ssubplot(isub, 5);
}

void splotunits(float* v0tow, float* vtow, std::int32_t imat, std::int32_t inter) {
  const std::int32_t s = plot_maps::current_subplot();
  const bool known = (inter == 2 || inter == 3) && (imat == 1 || imat == 3);
  if (!known) {
    warninghead(kSplotunits);
    gral::say(gral::Rec().X().A("inter =").X().I(inter, 6));
    gral::say(gral::Rec().X().A("imat  =").X().I(imat, 6));
    gral::say("===> NO ACTION");
    warningtail00();
    return;
  }
  // Nothing to hand back while no subplot has been selected.
  if (s == 0) return;
  const float* x0 = imat == 1 ? &plt1blk.US0TOCM(1, s) : &plt1blk.US0TODE(1, s);
  const float* m = imat == 1 ? plt1blk.USTOCM.layer(s) : plt1blk.USTODE.layer(s);
  v0tow[0] = x0[0];
  v0tow[1] = x0[1];
  for (int e = 0; e < 4; ++e) vtow[e] = m[e];
}
