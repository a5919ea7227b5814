#include "stress/plots.h"

// Their drawing comes with the plot library.
void frame_plot_page(VarnholtState&, PlotWindow&) {}
void plot_shmax_shmin(VarnholtState&, const PlotWindow&) {}
void plot_stress_depth(VarnholtState&, const PlotWindow&) {}
