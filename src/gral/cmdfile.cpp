#include "gral/cmdfile.h"

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/text.h"
#include "gral/units.h"
#include "records/sio.h"

namespace {
// The name of the command file in use, for the announcement of its end.
std::string current_cmdfile = " ";
constexpr Stamp kEndStamp{"endaltsi2  ", " 4.0", "2024-06-05"};
}  // namespace

void endaltsi2(const std::string& cmdfile, std::int32_t) {
  if (iocom.LCMDOPEN) {
    gral::close_unit(iocom.IUNCMD);
    iocom.IUNSTDIN = 5;
    iocom.LCMDOPEN = false;
    iocom.LWITO(2) = true;
    if (iocom.LWITO(1)) {
      submenuhead(kEndStamp);
      int u = iocom.IUNSTDOUT;
      gral::put(u, gral::Rec().X().A("Command file").X().A(gral::trimmed(cmdfile)).X().A("closed"));
      gral::put1x(u, "Standard input redirected from keyboard");
      gral::put1x(u, "Level 2 standard output enabled");
    }
  } else {
    warninghead(kEndStamp);
    gral::put1x(iocom.IUNSTDOUT, "NO OPEN COMMAND FILE");
    gral::put1x(iocom.IUNSTDOUT, "==> NO ACTION");
    warningtail00();
  }
}

namespace gral {
void command_file_ran_out() {
  endaltsi2(current_cmdfile, 0);
}
}  // namespace gral
