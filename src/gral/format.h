// The one formatter behind every write: fixed fields as A, Aw, Iw, Fw.d,
// Ew.d, Gw.d, Lw and nX. A number that does not fit its field is written as
// w asterisks. Floats are rounded on their exact binary value, ties to even.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gral {

std::string fmt_a(std::string_view s, int w);  // Aw: cut to w, or blanks before
std::string fmt_i(std::int64_t v, int w);      // Iw
std::string fmt_f(float v, int w, int d);      // Fw.d
std::string fmt_e(float v, int w, int d);      // Ew.d
std::string fmt_g(float v, int w, int d);      // Gw.d
std::string fmt_l(bool v, int w);              // Lw

// One record, built field by field:
//   gral::Rec().X().A("Default =").X().I(99, 12)
class Rec {
 public:
  Rec& X(int n = 1) {
    s_.append(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
    return *this;
  }
  Rec& A(std::string_view t) {
    s_ += t;
    return *this;
  }
  Rec& A(std::string_view t, int w) {
    s_ += fmt_a(t, w);
    return *this;
  }
  Rec& I(std::int64_t v, int w) {
    s_ += fmt_i(v, w);
    return *this;
  }
  Rec& F(float v, int w, int d) {
    s_ += fmt_f(v, w, d);
    return *this;
  }
  Rec& E(float v, int w, int d) {
    s_ += fmt_e(v, w, d);
    return *this;
  }
  Rec& G(float v, int w, int d) {
    s_ += fmt_g(v, w, d);
    return *this;
  }
  Rec& L(bool v, int w) {
    s_ += fmt_l(v, w);
    return *this;
  }
  const std::string& str() const { return s_; }

 private:
  std::string s_;
};

// Writes one record on a unit.
void put(int unit, const Rec& r);
void put(int unit, std::string_view record);
// The common `1X, A` record.
void put1x(int unit, std::string_view text);

}  // namespace gral
