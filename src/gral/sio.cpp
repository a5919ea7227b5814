#include "gral/sio.h"

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "records/sio.h"

void initsio2(std::int32_t iflag) {
  iocom.IUNSTDIN = 5;
  iocom.IUNSTDOUT = 6;
  iocom.IUNERRIN = 5;
  iocom.IUNERROUT = 6;
  iocom.LPLTOPEN = false;
  iocom.LCMDOPEN = false;
  iocom.LWITO(1) = true;
  iocom.LWITO(2) = true;
  iocom.LWITO(3) = false;
  iocom.LPAUSE = true;
  submenuhead("initsio2   ", " 4.0", "2012-04-25");
  gral::say("INITIALIZING INPUT/OUTPUT");
  if (iflag == 0) writesio(iocom.IUNSTDOUT);
}

void writesio(std::int32_t unit) {
  auto value = [unit](const char* label, std::int32_t v) {
    gral::put(unit, gral::Rec().X().A(label).X().I(v, 2));
  };
  auto flag = [unit](const char* label, bool v) { gral::put(unit, gral::Rec().X().A(label).X().L(v, 2)); };
  submenuhead("writesio   ", " 2.0", "2024-06-05");
  gral::put1x(unit, "INPUT/OUTPUT SET UP:");
  value("standard  input unit        =", iocom.IUNSTDIN);
  value("standard output unit        =", iocom.IUNSTDOUT);
  value("error     input unit        =", iocom.IUNERRIN);
  value("error    output unit        =", iocom.IUNERROUT);
  flag("minimum output enabled      :", iocom.LWITO(1));
  flag("more    output enabled      :", iocom.LWITO(2));
  flag("maximum output enabled      :", iocom.LWITO(3));
  flag("command file open status    :", iocom.LCMDOPEN);
  if (iocom.LCMDOPEN) {
    value("command file input unit     =", iocom.IUNCMD);
    value("command file input index    =", iocom.ICMDINDEX);
  }
  flag("plot    file open status    :", iocom.LPLTOPEN);
  flag("pause after warning or error:", iocom.LPAUSE);
  menutail();
}
