#include "stress/program.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "axis/axis.h"
#include "gral/gral.h"
#include "plot/plot.h"
#include "records/sio.h"
#include "runinfo/runinfo.h"
#include "stress/mainmenu.h"
#include "stress/model.h"
#include "stress/plots.h"
#include "stress/state.h"

namespace {

// One axis of the start-up set: link type 1 (annotation equals user value),
// then its definition.
struct AxisDefinition {
  float usa1, usa2, wau1, wau2, waud;
  const char* label;
};

void define_axis(std::int32_t k, const AxisDefinition& d) {
  std::int32_t itype = 1;
  float scale = 1.0f;
  s1axuswdtyp(itype, scale, k, 1);
  float usa1 = d.usa1, usa2 = d.usa2, wau1 = d.wau1, wau2 = d.wau2, waud = d.waud;
  float walas = 0.5f;
  std::string walab = fixed::fit(d.label, 60);
  std::int32_t nawdig = 0, nasubint = 5, nlabintk = 2;
  s1axis1(usa1, usa2, wau1, wau2, waud, walas, walab, nawdig, nasubint, nlabintk, k, 1);
}

void define_subplot(std::int32_t isub, float xcm0, float ycm0, float xlcm, float ylcm, std::int32_t ixy) {
  float xumin = 0.0f, xumax = 1.0f, yumin = 0.0f, yumax = 1.0f;
  ssubplot(isub, 1);
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy, 1);
}

void start_up(VarnholtState& s) {
  initsio2(5);
  smaininfo2(kVarnholtStamp.name, kVarnholtStamp.vers, kVarnholtStamp.date);
  progheadtm2();
  std::int32_t code = 2;
  swpinfo(code, 1);
  trigoset();
  splotattributes(5);
  define_subplot(1, 3.0f, 8.0f, 15.0f, 15.0f, 1);
  define_subplot(2, 3.0f, 3.0f, 15.0f, 21.0f, 0);
  snaxis(5);
  define_axis(1, {0.0f, 100.0f, 0.0f, 100.0f, 5.0f, "Shmin (MPa)"});
  define_axis(2, {0.0f, 100.0f, 0.0f, 100.0f, 5.0f, "Shmax (MPa)"});
  define_axis(3, {0.0f, 500.0f, 0.0f, 500.0f, 50.0f, "Stress (MPa)"});
  define_axis(4, {5000.0f, 0.0f, 5000.0f, 0.0f, -500.0f, "Depth (m)"});

  // The state starts at its initial values; what is computed from them:
  profile_at_z(s);
  s.XMU = 0.85f;
  friction_from_coefficient(s);
}

// Only the first plot-file step whose condition holds is carried out.
void handle_plot_file(VarnholtState& s) {
  const std::int32_t c = s.ICHOICE;
  const bool plot_request = c >= 100 && c <= 299;
  if (c == 20) {
    plend();
  } else if (iocom.LPLTOPEN && c == 9999) {
    plend();
  } else if (plot_request && iocom.LPLTOPEN) {
    newpage();
  } else if (c == 10 || plot_request) {
    plinit(s.PLOTFILE, 2);
  }
}

void plot_road(VarnholtState& s) {
  PlotWindow w;
  frame_plot_page(s, w);
  if (s.ICHOICE == 100) plot_shmax_shmin(s, w);
  if (s.ICHOICE == 200) plot_stress_depth(s, w);
}

}  // namespace

void varnholt_pk() {
  VarnholtState s;
  start_up(s);
  for (;;) {
    show_main_menu(s);
    std::int32_t status = 0;
    // The input may end here without harm: that is a normal way to leave.
    gral::set_end_of_input_status(0);
    ininteg1(s.ICHOICE, fixed::fit("your choice", 60), status);
    gral::set_end_of_input_status(1);
    run_menu_code(s);
    handle_plot_file(s);
    if (s.ICHOICE == 9999) gral::end_run(0, true);
    if (s.ICHOICE >= 100 && s.ICHOICE <= 299) plot_road(s);
  }
}

int run_varnholt_pk() {
  // Before anything else, so that no signal finds the run half started.
  gral::catch_interrupts();
  gral::run_end_hooks().trailer = progtail2;
  gral::set_end_of_input_status(1);
  int status = 0;
  try {
    varnholt_pk();
  } catch (const gral::RunEnd& end) {
    gral::flush_units();
    // Output lost, on the console or in a file, is no success.
    status = gral::output_lost() ? 1 : end.status;
  }
  // However the run ended, an interrupt during it tells which signal came.
  if (const int signal = gral::interrupt_signal(); signal != 0) status = 128 + signal;
  gral::release_interrupts();
  return status;
}
