// The program: everything main does, callable in-process by tests.
#pragma once

// Runs the whole program on the units as bound; returns its exit status.
int run_varnholt_pk();
