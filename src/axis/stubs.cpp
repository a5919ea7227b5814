// Entry points the program calls before the axis library is built. Each is
// removed from here as the library's own version lands.
#include "axis/axis.h"

void snaxis(std::int32_t) {}
void s1axuswdtyp(std::int32_t&, float&, std::int32_t, std::int32_t) {}
void s1axis1(float&, float&, float&, float&, float&, float&, std::string&, std::int32_t&, std::int32_t&,
             std::int32_t&, std::int32_t, std::int32_t) {}
void s1axis(float&, float&, float&, float&, float&, float&, std::string&, std::int32_t&, std::int32_t&,
            std::int32_t, std::int32_t) {}
void s1bx2d(std::int32_t&, std::int32_t&, std::int32_t&, std::int32_t&, std::int32_t&, std::int32_t&,
            std::int32_t&, std::int32_t&, std::string&, std::int32_t, std::int32_t) {}
void g1axbd(float& usa1, float& usa2, std::int32_t) {
  usa1 = 0.0f;
  usa2 = 10.0f;
}
void d1bx2d(std::int32_t) {}
