#include "gral/frames.h"

#include <string>

#include "gral/format.h"
#include "gral/lines.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

void rule(int unit, char c) {
  gral::put_rule(unit, gral::kFrameRule, c);
}

void menuhead(std::string_view prefix, std::string_view name, std::string_view vers, std::string_view date) {
  int u = iocom.IUNSTDOUT;
  rule(u, '@');
  std::string title = fixed::fit(std::string(prefix) + std::string(name), 33);
  std::string mark = gral::trimmed(fixed::fit("v" + gral::trimmed(vers), 6));
  gral::put(u, gral::Rec().X().A(title, 33).X().A(mark, 5).X().A(date, 10));
  gral::put(u, " @" + std::string(49, '='));
}

std::string name_line(std::string_view frame, std::string_view name) {
  return gral::Rec().X().A(frame).X(10).A("subroutine ").A(name, 13).X(10).A(frame).str();
}

void tail(char c) {
  if (iocom.LPAUSE) {
    gral::put1x(iocom.IUNERROUT,
                iocom.LCMDOPEN ? "===> HIT RETURN TO RESUME COMMANDS" : "===> HIT RETURN TO CONTINUE");
    // Any line ends the pause; so does the end of the keyboard's input,
    // which would otherwise send the pause back to its prompt for ever.
    gral::read_pause(iocom.IUNERRIN);
  }
  rule(iocom.IUNERROUT, c);
}

}  // namespace

void mainmenuhead(std::string_view name, std::string_view vers, std::string_view date) {
  menuhead("@ main program ", name, vers, date);
}

void submenuhead(std::string_view name, std::string_view vers, std::string_view date) {
  menuhead("@ subroutine ", name, vers, date);
}

void menutail() {
  rule(iocom.IUNSTDOUT, '@');
}

void warninghead(std::string_view name, std::string_view, std::string_view) {
  int u = iocom.IUNERROUT;
  rule(u, '/');
  gral::put(u, name_line("///", name));
  gral::put(u, " ///" + std::string(18, ' ') + "WARNING " + std::string(18, ' ') + "///");
  rule(u, '/');
}

void warningtail00() {
  tail('/');
}

void errorhead(std::string_view name, std::string_view, std::string_view) {
  int u = iocom.IUNERROUT;
  std::string empty = " ***" + std::string(44, ' ') + "***";
  rule(u, '*');
  rule(u, '*');
  gral::put(u, empty);
  gral::put(u, name_line("***", name));
  gral::put(u, empty);
  gral::put(u, " ***" + std::string(19, ' ') + "ERROR " + std::string(19, ' ') + "***");
  gral::put(u, empty);
  rule(u, '*');
  rule(u, '*');
}

void errortail00() {
  tail('*');
}
