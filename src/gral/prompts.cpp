#include "gral/prompts.h"

// Stubs until the prompt family is built.
void inchar1(std::string&, std::string_view, std::int32_t& s) {
  s = 0;
}
void inchardef(std::string&, std::string_view, std::string, std::int32_t& s) {
  s = 0;
}
void ininteg1(std::int32_t&, std::string_view, std::int32_t& s) {
  s = 0;
}
void inintegdef(std::int32_t&, std::string_view, std::int32_t, std::int32_t& s) {
  s = 0;
}
void inintegvin1(std::int32_t&, std::string_view, std::int32_t, std::int32_t, std::int32_t& s) {
  s = 0;
}
void inintegvindef(std::int32_t&, std::string_view, std::int32_t, std::int32_t, std::int32_t,
                   std::int32_t& s) {
  s = 0;
}
void inrealdef(float&, std::string_view, float, std::int32_t& s) {
  s = 0;
}
void inrealvindef(float&, std::string_view, float, float, float, std::int32_t& s) {
  s = 0;
}
void inlogicdef(bool&, std::string_view, bool, std::int32_t& s) {
  s = 0;
}
void inlogicdef2(bool&, std::string_view, bool, std::int32_t, std::int32_t, std::int32_t& s) {
  s = 0;
}
