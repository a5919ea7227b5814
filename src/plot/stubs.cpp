// Entry points the program and the libraries above call before the plot
// library's attributes and life cycle are built. Each is removed from here as
// the library's own version lands.
#include "plot/plot.h"

void plinit(std::string&, std::int32_t) {}
void plend() {}
void newpage() {}
void splotattributes(std::int32_t) {}
void scolornb(std::int32_t&, std::int32_t) {}
void scolorrgb(std::int32_t, std::string&, float&, float&, float&, std::int32_t) {}
void scolortable(std::int32_t) {}
