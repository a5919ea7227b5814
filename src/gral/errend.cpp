#include "gral/errend.h"

// Stubs until the error endings are built.
void errortailstop(std::int32_t) {}
void crevin3(float&, float, float, std::string_view, std::string_view, std::int32_t, std::int32_t& ier) {
  ier = 0;
}
