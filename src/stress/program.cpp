#include "stress/program.h"

#include "gral/gral.h"

int run_varnholt_pk() {
  try {
    initsio2(5);
    gral::end_run(0, true);
  } catch (const gral::RunEnd& end) {
    gral::flush_units();
    return end.status;
  }
}
