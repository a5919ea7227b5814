// Entry points the program calls before the axis library is built. Each is
// removed from here as the library's own version lands.
#include "axis/axis.h"

void snaxis(std::int32_t) {}
void s1axuswdtyp(std::int32_t&, float&, std::int32_t, std::int32_t) {}
void s1axis1(float&, float&, float&, float&, float&, float&, std::string&, std::int32_t&, std::int32_t&,
             std::int32_t&, std::int32_t, std::int32_t) {}
