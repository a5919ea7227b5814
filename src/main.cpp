#include "stress/program.h"

int main() {
  return run_varnholt_pk();
}
