#include "gral/runend.h"

#include "gral/cmdfile.h"
#include "gral/format.h"
#include "gral/signals.h"
#include "gral/units.h"
#include "records/sio.h"

namespace gral {
namespace {
int eoi_status = 1;

// An interrupt ends the run at the question it reaches, as the end of input
// does, with the status that tells which signal it was.
void end_if_interrupted() {
  const int signal = interrupt_signal();
  if (signal == 0) return;
  put1x(iocom.IUNSTDOUT, "===> INTERRUPTED: RUN ENDED");
  end_run(128 + signal, true);
}
}  // namespace

RunEndHooks& run_end_hooks() {
  static RunEndHooks hooks;
  return hooks;
}

void end_run(int status, bool with_trailer) {
  auto& hooks = run_end_hooks();
  if (iocom.LPLTOPEN && hooks.finish_plot) hooks.finish_plot();
  if (with_trailer && hooks.trailer) hooks.trailer();
  close_file_units();
  give_back_unread_input();
  throw RunEnd{status};
}

void set_end_of_input_status(int status) {
  eoi_status = status;
}
int end_of_input_status() {
  return eoi_status;
}

std::optional<std::string> read_answer(int unit) {
  end_if_interrupted();
  auto line = read_record(unit);
  // The signal may have come while the line was read: then it is no answer,
  // and the run ends at the question it was asking.
  end_if_interrupted();
  if (line) return line;
  if (iocom.LCMDOPEN && unit == iocom.IUNCMD) {
    command_file_ran_out();
    return std::nullopt;
  }
  put1x(iocom.IUNSTDOUT, "===> END OF INPUT: RUN ENDED");
  end_run(eoi_status, true);
}

void read_pause(int unit) {
  (void)read_record(unit);
}

}  // namespace gral
