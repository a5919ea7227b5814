// The plot road of a plot request (main-menu codes 100 to 299).
#pragma once

#include "stress/state.h"

// Edges of the plot's user window: the bounds of its x and y axes, fetched
// by the page framing and read by the plot's own drawing. drawable is set
// when the bounds span a window and the box was drawn in it.
struct PlotWindow {
  float xa = 0.0f, xb = 0.0f, ya = 0.0f, yb = 0.0f;
  bool drawable = false;
};

// Run information, caption and parameter columns; for 100 and 200 also the
// plot's subplot, box and user window.
void frame_plot_page(VarnholtState& s, PlotWindow& w);
// Code 100: the stress polygon of the study depth.
void plot_shmax_shmin(VarnholtState& s, const PlotWindow& w);
// Code 200: Pf, Sv and the frictional limits against depth.
void plot_stress_depth(VarnholtState& s, const PlotWindow& w);
