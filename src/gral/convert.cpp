#include "gral/text.h"

// Stubs until number-to-text conversion is built.
void careafmpn(std::string&, std::int32_t, std::int32_t, float) {}
void intg2char(std::string&, std::int32_t& nchar, std::int32_t, std::int32_t) {
  nchar = 0;
}
void real2charf1(std::string&, std::int32_t& nchar, std::int32_t, std::int32_t, float) {
  nchar = 0;
}
