#include "stress/mainmenu.h"

#include <cmath>
#include <string>
#include <string_view>

#include "axis/axis.h"
#include "gral/angles.h"
#include "gral/cmdfile.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/prompts.h"
#include "plot/plot.h"
#include "records/angles.h"
#include "records/fixedtext.h"
#include "records/sio.h"
#include "stress/program.h"
#include "stress/zd2stressn.h"

namespace {

const std::string kRule(43, '-');

void text(std::string_view t) {
  gral::put1x(iocom.IUNSTDOUT, t);
}
void flag(std::string_view item, bool v) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(item).X().L(v, 1));
}
void real(std::string_view item, float v) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(item).X().F(v, 8, 3));
}
void count(std::string_view item, std::int32_t v) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(item).X().I(v, 6));
}

// Questions travel to the prompts as 60-character texts.
std::string question(std::string_view q) {
  return fixed::fit(q, 60);
}

void ask(bool& v, std::string_view q) {
  std::int32_t status = 0;
  inlogicdef(v, question(q), v, status);
}
void ask(float& v, std::string_view q) {
  std::int32_t status = 0;
  inrealdef(v, question(q), v, status);
}
void ask_count(std::int32_t& v, std::string_view q) {
  std::int32_t status = 0;
  inintegvindef(v, question(q), v, 1, 5, status);
}

// Code 11: the scaling dialogues of both subplots; subplot 2 stays current.
void modify_scaling() {
  float xcm0 = 0.0f, ycm0 = 0.0f, xlcm = 0.0f, ylcm = 0.0f;
  float xumin = 0.0f, xumax = 0.0f, yumin = 0.0f, yumax = 0.0f;
  std::int32_t ixy = 0;
  text("Polygon scaling");
  std::int32_t isub = 1;
  ssubplot(isub, 1);
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 2);
  text("Stress v Depth scaling");
  isub = 2;
  ssubplot(isub, 1);
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 2);
}

// Code 31: only the labels of axes 1 and 2 follow the stress kind.
void relabel_stress_axes(bool total) {
  const char* labels[2][2] = {{"Shmin' (MPa)", "Shmax' (MPa)"}, {"Shmin (MPa)", "Shmax (MPa)"}};
  for (std::int32_t k = 1; k <= 2; ++k) {
    float usa1 = 0.0f, usa2 = 0.0f, wau1 = 0.0f, wau2 = 0.0f, waud = 0.0f, walas = 0.0f;
    std::string walab = fixed::blanks(60);
    std::int32_t nawdig = 0, nasubint = 0, nlabintk = 0;
    s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, k, 3);
    walab = fixed::fit(labels[total ? 1 : 0][k - 1], 60);
    s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, k, 1);
  }
}

void set_k13(VarnholtState& s) {
  const float t = std::tan(0.5f * s.PHI0R + anglerad.RPIO4);
  s.XK13 = t * t;
}

void spread(fixed::Array<float, 5>& v, std::int32_t n, float& dv) {
  if (n <= 1) return;
  dv = (v(n) - v(1)) / static_cast<float>(n - 1);
  for (std::int32_t i = 2; i <= n - 1; ++i) v(i) = v(1) + static_cast<float>(i - 1) * dv;
}

// Codes 63/64 and 66/67: one strength, or the first (minimum) and last
// (maximum) of several with those between spread evenly.
void ask_strength(fixed::Array<float, 5>& v, std::int32_t n, float& dv, const std::string& name,
                  bool maximum) {
  if (n == 1) {
    if (!maximum) ask(v(1), name + " MPa");
    return;
  }
  if (maximum) {
    ask(v(n), "Maximum " + name + " MPa");
  } else {
    ask(v(1), "Minimum " + name + " MPa");
  }
  spread(v, n, dv);
}

}  // namespace

void show_main_menu(const VarnholtState& s) {
  mainmenuhead(kVarnholtStamp);
  text(kRule);
  text("PLOT PARAMETERS");
  text("Open plot file ....................... 10");
  text("Modify scaling ....................... 11");
  text("Modify plot attributes ............... 12");
  text("Modify axes .......................... 14");
  text("Close plot file ...................... 20");
  text(kRule);
  text("REPRESENTATIONs");
  text("Shmax v Shmin");
  flag(" Plot total stress ................... 31", s.LTOTAL);
  flag(" Plot frictional limits .............. 32", s.LFRICT);
  flag(" Plot breakout limit ................. 33", s.LBO);
  flag(" Plot drilling induced fracture limit. 34", s.LDITF);
  flag(" Plot lines .......................... 35", s.LLINES);
  flag(" Color ............................... 36", s.LCOLOR);
  text("Stress v depth");
  flag(" Sv .................................. 41", s.LSV);
  flag(" Pf .................................. 42", s.LPF);
  flag(" Shmin Shmax frictional limits ....... 43", s.LFRICTZ);
  text(kRule);
  text("STRESS PARAMETERS");
  text("Stress, pressure:  MPa          length: m");
  text("volumetric mass: kg/m3  depth>0 downwards");
  real("K = S1e/S3e max =", s.XK13);
  if (s.LRHO) {
    real("Pf =", s.PF);
    real("Sv =", s.SV);
  }
  flag("Compute Sv,Pf = height*density ....... 50", s.LRHO);
  real("Depth to investigate ................. 51", s.Z);
  real("Overburden top depth ................. 52", s.ZROCK);
  real("Fluid top depth ...................... 53", s.ZFLUID);
  if (s.LRHO) {
    real("Average wet overburden density ....... 54", s.RHOWET);
    real("Average dry overburden density ....... 55", s.RHODRY);
    real("Average fluid density ................ 56", s.RHOF);
  } else {
    real("Sv ................................... 57", s.SV);
    real("Pf ................................... 58", s.PF);
  }
  real("Friction angle........................ 60", s.PHI0);
  real("Friction coefficient...................61", s.XMU);
  text("T0 = Uniaxial tensional strength");
  count("  Number of T0 values ................ 62", s.NT0);
  if (s.NT0 == 1) {
    real("  T0 ................................. 63", s.T0(1));
  } else {
    real("  T0 mini............................. 63", s.T0(1));
    real("  T0 maxi............................. 64", s.T0(s.NT0));
  }
  text("C0 = Uniaxial compressional strength");
  count("  Number of C0 values ................ 65", s.NC0);
  if (s.NC0 == 1) {
    real("  C0 ................................. 66", s.C0(1));
  } else {
    real("  C0 mini............................. 66", s.C0(1));
    real("  C0 maxi............................. 67", s.C0(s.NC0));
  }
  text(kRule);
  text("PLOTS");
  text("Shmax v Shmin limits ................ 100");
  text("Stress v depth plot ................. 200");
  text(kRule);
  text("Use command file.................... 5000");
  text("QUIT PROGRAM ........................9999");
  menutail();
}

void run_menu_code(VarnholtState& s) {
  switch (s.ICHOICE) {
    case 11:
      modify_scaling();
      break;
    case 12:
      splotattributes(0);
      break;
    case 14:
      snaxis(0);
      break;
    case 31:
      ask(s.LTOTAL, "compute total stress");
      relabel_stress_axes(s.LTOTAL);
      break;
    case 32:
      ask(s.LFRICT, "plot frictional limit");
      break;
    case 33:
      ask(s.LBO, "plot breakout limit");
      break;
    case 34:
      ask(s.LDITF, "plot drilling induced fracture limit");
      break;
    case 35:
      ask(s.LLINES, "plot lines");
      break;
    case 36:
      ask(s.LCOLOR, "use colors");
      break;
    case 41:
      ask(s.LSV, "plot Sv");
      break;
    case 42:
      ask(s.LPF, "plot Pf");
      break;
    case 43:
      ask(s.LFRICTZ, "plot Shmin/max frictional limits");
      break;
    case 50:
      ask(s.LRHO, "compute Sv,Pf = height*density");
      if (s.LRHO) profile_at_z(s);
      break;
    case 51:
      ask(s.Z, "Depth to investigate (m)");
      if (s.LRHO) profile_at_z(s);
      break;
    case 52:
      ask(s.ZROCK, "Overburden top depth (m)");
      if (s.LRHO) profile_at_z(s);
      break;
    case 53:
      ask(s.ZFLUID, "Fluid top depth (m)");
      if (s.LRHO) profile_at_z(s);
      break;
    case 54:
      if (!s.LRHO) break;
      ask(s.RHOWET, "Average wet overburden density (kg/m3)");
      profile_at_z(s);
      break;
    case 55:
      if (!s.LRHO) break;
      ask(s.RHODRY, "Average dry overburden density (kg/m3)");
      profile_at_z(s);
      break;
    case 56:
      if (!s.LRHO) break;
      ask(s.RHOF, "Average fluid density kg/m3");
      profile_at_z(s);
      break;
    case 57:
      if (!s.LRHO) ask(s.SV, "Sv MPa");
      break;
    case 58:
      if (!s.LRHO) ask(s.PF, "Pf MPa");
      break;
    case 60:
      ask(s.PHI0, "phi0 degrees");
      friction_from_angle(s);
      break;
    case 61:
      ask(s.XMU, "friction coefficient");
      friction_from_coefficient(s);
      break;
    case 62:
      ask_count(s.NT0, "Number of T0 values");
      break;
    case 63:
    case 64:
      ask_strength(s.T0, s.NT0, s.DT0, "T0", s.ICHOICE == 64);
      break;
    case 65:
      ask_count(s.NC0, "Number of C0 values");
      break;
    case 66:
    case 67:
      ask_strength(s.C0, s.NC0, s.DC0, "C0", s.ICHOICE == 67);
      break;
    case 5000:
      altsio2(s.CMDFILE, s.ICHOICE, 0);
      break;
    default:
      break;
  }
}

void profile_at_z(VarnholtState& s) {
  std::int32_t ierr = 0;
  s.YP01(1) = s.Z;
  zd2stressn(s.SV01.data(), s.PF01.data(), ierr, s.YP01.data(), s.ZROCK, s.RHOWET, s.RHODRY, s.ZFLUID, s.RHOF,
             1);
  s.SV = s.SV01(1);
  s.PF = s.PF01(1);
}

void friction_from_angle(VarnholtState& s) {
  deg2rad1(s.PHI0R, s.PHI0);
  s.XMU = std::tan(s.PHI0R);
  set_k13(s);
}

void friction_from_coefficient(VarnholtState& s) {
  s.PHI0R = std::atan(s.XMU);
  rad2deg1(s.PHI0, s.PHI0R);
  set_k13(s);
}
