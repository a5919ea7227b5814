// Opening the plot, closing it and starting a new page. The device keeps
// the one record of whether the plot file is open (LPLTOPEN): it is set
// only when a file really opened and cleared whenever the file is finished,
// by plend or by the end of the run.
#include <cstdint>
#include <string>

#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kPlinit{"plinit              ", " 7.0", "2020-10-15"};
constexpr Stamp kPlend{"plend               ", " 6.1", "2017-07-27"};
constexpr Stamp kNewpage{"newpage             ", " 6.1", "2016-01-07"};

void warning(const Stamp& stamp, std::string_view first, std::string_view second = {}) {
  warninghead(stamp);
  gral::say(first);
  if (!second.empty()) gral::say(second);
  warningtail00();
}

}  // namespace

void plinit(std::string& name, std::int32_t iopt) {
  if (iocom.LPLTOPEN) {
    warning(kPlinit, "Plot file or window is already opened", "==> appending to current plot file/window");
    return;
  }
  intplinit(name, iopt);
  // The file-opening routine has reported why; nothing may be sent or
  // drawn as if the file were there.
  if (!iocom.LPLTOPEN) {
    warning(kPlinit, "Plot file or window could not be opened", "==> the plot stays closed");
    return;
  }
  const std::int32_t mode = (iopt == 2 || iopt == 3) ? 7 : 5;
  splotscaling(mode);
  splotattributes(mode);
}

void plend() {
  if (iocom.LPLTOPEN) {
    intplend();
  } else {
    warning(kPlend, "The plot window or file is already closed");
  }
}

void newpage() {
  submenuhead(kNewpage);
  gral::say("IT IS SUGGESTED TO CLEAR THE PLOT");
  gral::say("You can:");
  gral::say("clear the window / add a page to the file ..0");
  gral::say("close the window / file and open a new one .1");
  gral::say("append to the current window / file ........2");
  menutail();
  std::int32_t choice = 0, st = 0;
  inintegvindef(choice, "your choice", 0, 0, 2, st);
  if (choice == 0) {
    // A page break with no file open would only count a page of nothing.
    if (iocom.LPLTOPEN) {
      intnewpage();
    } else {
      warning(kNewpage, "No plot window or file is open", "===> NO ACTION");
    }
  } else if (choice == 1) {
    plend();
    std::string next = fixed::fit("Next_plot", 50);
    plinit(next, 2);
  }
}
