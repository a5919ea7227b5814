// Entry points the program calls before the plot library is built. Each is
// removed from here as the library's own version lands.
#include "plot/plot.h"

void plinit(std::string&, std::int32_t) {}
void plend() {}
void newpage() {}
void splotattributes(std::int32_t) {}
