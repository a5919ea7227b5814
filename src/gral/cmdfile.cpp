#include "gral/cmdfile.h"

#include "gral/errend.h"
#include "gral/fileopen.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "gral/text.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {
// The name of the command file in use, for the announcement of its end.
std::string current_cmdfile = " ";
constexpr Stamp kMenuStamp{"altsio2    ", " 2.0", "2024-06-03"};
constexpr Stamp kBeginStamp{"beginaltsi2", " 4.0", "2024-06-03"};
constexpr Stamp kEndStamp{"endaltsi2  ", " 4.0", "2024-06-05"};

constexpr std::int32_t kCommandUnit = 15;
constexpr std::int32_t kStart = 5001;
constexpr std::int32_t kExitAndContinue = 5002;
constexpr std::int32_t kExitAndQuit = 5003;
constexpr std::int32_t kLeave = 99;
constexpr std::int32_t kQuit = 9999;

void show_menu() {
  submenuhead(kMenuStamp);
  gral::say_rule(gral::kMenuRule);
  gral::say("ALTERNATE STANDARD INPUT");
  gral::say_rule(gral::kMenuRule);
  gral::say("START COMMAND FILE ..................5001");
  gral::say("EXIT COMMAND FILE AND CONTINUE.......5002");
  gral::say("EXIT COMMAND FILE AND QUIT ..........5003");
  gral::say("EXIT THIS SUBROUTINE ..................99");
  menutail();
}
}  // namespace

void altsio2(std::string& cmdfile, std::int32_t& irep, std::int32_t mode) {
  const std::string question = fixed::fit("your choice", 25);
  for (;;) {
    show_menu();
    irep = kLeave;
    std::int32_t status = 0;
    inintegdef(irep, question, irep, status);
    switch (irep) {
      case kStart:
        beginaltsi2(cmdfile, mode);
        return;
      case kExitAndContinue:
        endaltsi2(cmdfile, mode);
        return;
      case kExitAndQuit:
        // The main program ends the run on its quit code, whether or not a
        // command file was open.
        endaltsi2(cmdfile, mode);
        irep = kQuit;
        return;
      case kLeave:
        return;
      default:
        if (mode == 1) {
          errorhead(kMenuStamp);
          gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Unknown answer irep =").X().I(irep, 6));
          gral::put1x(iocom.IUNSTDOUT, "===> CANNOT PROCEED");
          errortailstop(1);
          return;
        }
        break;
    }
  }
}

void beginaltsi2(std::string& cmdfile, std::int32_t mode) {
  iocom.IUNCMD = kCommandUnit;
  iocom.ICMDINDEX = 0;
  const int u = iocom.IUNSTDOUT;
  if (iocom.LCMDOPEN) {
    // Command files do not nest: the open one goes on being read.
    warninghead(kBeginStamp);
    gral::put1x(u, "COMMAND FILE ALREADY OPEN");
    gral::put1x(u, "==> NO ACTION");
    warningtail00();
    return;
  }
  if (iocom.LWITO(1)) submenuhead(kBeginStamp);
  const std::string label = fixed::fit("alternate standard input", 25);
  std::int32_t iostat = 0;
  opef1(cmdfile, label, iocom.IUNCMD, "old", "read", mode, -1, iostat);
  if (iostat != 0) {
    // cmdfile changes only on success, so this names the file it held before.
    errorhead(kBeginStamp);
    gral::put(u, gral::Rec().X().A("COULD NOT OPEN COMMAND FILE").X().A(gral::trimmed(cmdfile)));
    gral::put1x(u, "==> NO ACTION");
    errortail00();
    return;
  }
  iocom.IUNSTDIN = iocom.IUNCMD;
  iocom.LCMDOPEN = true;
  iocom.LWITO(2) = false;
  // Kept for a file that runs out before closing itself: its end is then
  // announced under its own name.
  current_cmdfile = cmdfile;
  if (iocom.LWITO(1)) {
    gral::put1x(u, "Standard input redirected from");
    gral::put(u, gral::Rec().X().A("   Command file:").X().A(gral::trimmed(cmdfile)));
    gral::put1x(u, "Response to error or warning");
    gral::put1x(u, "   remains from keyboard");
    gral::put1x(u, "Level 2 standard output disabled");
    menutail();
  }
}

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
