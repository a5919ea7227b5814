#include "gral/lines.h"

#include "records/sio.h"

namespace gral {

void say(std::string_view text) {
  put1x(iocom.IUNSTDOUT, text);
}
void say(const Rec& r) {
  put(iocom.IUNSTDOUT, r);
}
void say_err(std::string_view text) {
  put1x(iocom.IUNERROUT, text);
}
void say_err(const Rec& r) {
  put(iocom.IUNERROUT, r);
}

std::string rule_text(int n, char c) {
  return std::string(static_cast<std::size_t>(n > 0 ? n : 0), c);
}
void say_rule(int n, char c) {
  put_rule(iocom.IUNSTDOUT, n, c);
}
void say_err_rule(int n, char c) {
  put_rule(iocom.IUNERROUT, n, c);
}
void put_rule(int unit, int n, char c) {
  put1x(unit, rule_text(n, c));
}

std::string items(std::initializer_list<std::string_view> parts) {
  std::string s;
  for (std::string_view p : parts) {
    s += ' ';
    s += p;
  }
  return s;
}
void say_items(std::initializer_list<std::string_view> parts) {
  put(iocom.IUNSTDOUT, items(parts));
}
void say_err_items(std::initializer_list<std::string_view> parts) {
  put(iocom.IUNERROUT, items(parts));
}

}  // namespace gral
