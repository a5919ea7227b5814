#include "gral/signals.h"
#include "stress/program.h"

int main() {
  const int status = run_varnholt_pk();
  // An interrupted run, its files finished, dies by the signal: the shell
  // stops a loop or script that runs it only when it sees that death.
  gral::die_by_interrupt();
  return status;
}
