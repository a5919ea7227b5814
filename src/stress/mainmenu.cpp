#include "stress/mainmenu.h"

#include <string>
#include <string_view>

#include "axis/axis.h"
#include "gral/cmdfile.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/plot.h"
#include "records/fixedtext.h"
#include "records/sio.h"
#include "stress/model.h"
#include "stress/program.h"

namespace {

// A menu item and its value: a flag in L1, a real in F8.3, a count in I6.
void flag(std::string_view item, bool v) {
  gral::say_items({item, gral::fmt_l(v, 1)});
}
void real(std::string_view item, float v) {
  gral::say_items({item, gral::fmt_f(v, 8, 3)});
}
void count(std::string_view item, std::int32_t v) {
  gral::say_items({item, gral::fmt_i(v, 6)});
}

void rule() {
  gral::say_rule(gral::kMenuRule);
}

// The display flags: each code asks its question with the current value as
// the default.
struct FlagCode {
  std::int32_t code;
  bool VarnholtState::*field;
  const char* item;
  const char* question;
};
constexpr FlagCode kFlagCodes[] = {
    {31, &VarnholtState::LTOTAL, " Plot total stress ................... 31", "compute total stress"},
    {32, &VarnholtState::LFRICT, " Plot frictional limits .............. 32", "plot frictional limit"},
    {33, &VarnholtState::LBO, " Plot breakout limit ................. 33", "plot breakout limit"},
    {34, &VarnholtState::LDITF, " Plot drilling induced fracture limit. 34",
     "plot drilling induced fracture limit"},
    {35, &VarnholtState::LLINES, " Plot lines .......................... 35", "plot lines"},
    {36, &VarnholtState::LCOLOR, " Color ............................... 36", "use colors"},
    {41, &VarnholtState::LSV, " Sv .................................. 41", "plot Sv"},
    {42, &VarnholtState::LPF, " Pf .................................. 42", "plot Pf"},
    {43, &VarnholtState::LFRICTZ, " Shmin Shmax frictional limits ....... 43",
     "plot Shmin/max frictional limits"},
};

// Depths and densities. Sv and Pf follow them while they are computed from
// heights and densities; the densities are asked only then.
struct DepthCode {
  std::int32_t code;
  float VarnholtState::*field;
  const char* item;
  const char* question;
  bool densities_only;
};
constexpr DepthCode kDepthCodes[] = {
    {51, &VarnholtState::Z, "Depth to investigate ................. 51", "Depth to investigate (m)", false},
    {52, &VarnholtState::ZROCK, "Overburden top depth ................. 52", "Overburden top depth (m)",
     false},
    {53, &VarnholtState::ZFLUID, "Fluid top depth ...................... 53", "Fluid top depth (m)", false},
    {54, &VarnholtState::RHOWET, "Average wet overburden density ....... 54",
     "Average wet overburden density (kg/m3)", true},
    {55, &VarnholtState::RHODRY, "Average dry overburden density ....... 55",
     "Average dry overburden density (kg/m3)", true},
    {56, &VarnholtState::RHOF, "Average fluid density ................ 56", "Average fluid density kg/m3",
     true},
};

void show_flags(const VarnholtState& s, std::int32_t first, std::int32_t last) {
  for (const auto& f : kFlagCodes)
    if (f.code >= first && f.code <= last) flag(f.item, s.*f.field);
}
void show_depths(const VarnholtState& s, bool densities) {
  for (const auto& d : kDepthCodes)
    if (d.densities_only == densities) real(d.item, s.*d.field);
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
  gral::say("Polygon scaling");
  std::int32_t isub = 1;
  ssubplot(isub, 1);
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 2);
  gral::say("Stress v Depth scaling");
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
  rule();
  gral::say("PLOT PARAMETERS");
  gral::say("Open plot file ....................... 10");
  gral::say("Modify scaling ....................... 11");
  gral::say("Modify plot attributes ............... 12");
  gral::say("Modify axes .......................... 14");
  gral::say("Close plot file ...................... 20");
  rule();
  gral::say("REPRESENTATIONs");
  gral::say("Shmax v Shmin");
  show_flags(s, 31, 36);
  gral::say("Stress v depth");
  show_flags(s, 41, 43);
  rule();
  gral::say("STRESS PARAMETERS");
  gral::say("Stress, pressure:  MPa          length: m");
  gral::say("volumetric mass: kg/m3  depth>0 downwards");
  real("K = S1e/S3e max =", s.XK13);
  if (s.LRHO) {
    real("Pf =", s.PF);
    real("Sv =", s.SV);
  }
  flag("Compute Sv,Pf = height*density ....... 50", s.LRHO);
  show_depths(s, false);
  if (s.LRHO) {
    show_depths(s, true);
  } else {
    real("Sv ................................... 57", s.SV);
    real("Pf ................................... 58", s.PF);
  }
  real("Friction angle........................ 60", s.PHI0);
  real("Friction coefficient...................61", s.XMU);
  gral::say("T0 = Uniaxial tensional strength");
  count("  Number of T0 values ................ 62", s.NT0);
  if (s.NT0 == 1) {
    real("  T0 ................................. 63", s.T0(1));
  } else {
    real("  T0 mini............................. 63", s.T0(1));
    real("  T0 maxi............................. 64", s.T0(s.NT0));
  }
  gral::say("C0 = Uniaxial compressional strength");
  count("  Number of C0 values ................ 65", s.NC0);
  if (s.NC0 == 1) {
    real("  C0 ................................. 66", s.C0(1));
  } else {
    real("  C0 mini............................. 66", s.C0(1));
    real("  C0 maxi............................. 67", s.C0(s.NC0));
  }
  rule();
  gral::say("PLOTS");
  gral::say("Shmax v Shmin limits ................ 100");
  gral::say("Stress v depth plot ................. 200");
  rule();
  gral::say("Use command file.................... 5000");
  gral::say("QUIT PROGRAM ........................9999");
  menutail();
}

void run_menu_code(VarnholtState& s) {
  for (const auto& f : kFlagCodes) {
    if (f.code != s.ICHOICE) continue;
    ask(s.*f.field, f.question);
    if (f.code == 31) relabel_stress_axes(s.LTOTAL);
    return;
  }
  for (const auto& d : kDepthCodes) {
    if (d.code != s.ICHOICE) continue;
    if (d.densities_only && !s.LRHO) return;
    ask(s.*d.field, d.question);
    if (s.LRHO) profile_at_z(s);
    return;
  }
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
    case 50:
      ask(s.LRHO, "compute Sv,Pf = height*density");
      if (s.LRHO) profile_at_z(s);
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
