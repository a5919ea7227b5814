// The program: everything main does, callable in-process by tests.
#pragma once

#include "gral/frames.h"

// The main program's identification, for its menu frame and the run
// information.
inline constexpr Stamp kVarnholtStamp{"varnholt_pk", " 1.5", "2024-09-13"};

// Runs the whole program on the units as bound; returns its exit status.
int run_varnholt_pk();

// The main program: start-up, the menu loop, and shut-down on 9999, which
// ends the run (it never returns).
[[noreturn]] void varnholt_pk();
