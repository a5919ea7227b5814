// The main menu: its screen, and the parameter codes with what each
// recomputes.
#pragma once

#include "stress/state.h"

// Writes the whole screen on the standard output unit, whatever the output
// level.
void show_main_menu(const VarnholtState& s);

// Runs the action of the code in s.ICHOICE, the codes being tried in the
// order 11, 12, 14, 31-36, 41-43, 50-58, 60-67, 5000; at most one runs. A
// code with no action here, or whose condition fails, does nothing.
void run_menu_code(VarnholtState& s);
