#include "gral/errend.h"

#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/pictures.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "records/sio.h"

namespace {

constexpr Stamp kCrevin3{"crevin3    ", " 4.0", "2024-02-13"};

// The error questions are put on the error units, so they are answered at
// the keyboard even while a command file stands in for standard input. The
// answer starts as yes and is its own default.
bool ask(std::string_view question) {
  bool answer = true;
  std::int32_t status = 0;
  inlogicdef2(answer, question, answer, iocom.IUNERRIN, iocom.IUNERROUT, status);
  return answer;
}

// An error that stops the run still finishes an open plot, so nothing drawn
// is lost, and reports failure through the exit status; no trailer follows.
[[noreturn]] void stop_run() {
  errortail00();
  gral::end_run(1, false);
}

void copy_advice() {
  gral::say_err("Copying the above information");
  gral::say_err("and sending it to the program author");
  gral::say_err("might be helpful");
}

}  // namespace

void errortailstop(std::int32_t igrav) {
  switch (igrav) {
    case 0:
      gral::say_err("RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED");
      if (ask("RESUME")) {
        gral::say_err("RESUMING EXECUTION");
        errortail00();
        return;
      }
      gral::say_err("EXECUTION STOPPED BY USER");
      gral::say_err("AFTER RECOVERABLE ERROR");
      stop_run();
    case 1:
      sorryface();
      gral::say_err("UNRECOVERABLE ERROR ==> QUITTING ADVISED");
      if (ask("STOP  ")) {
        gral::say_err("EXECUTION STOPPED BY USER");
        gral::say_err("AFTER UNRECOVERABLE ERROR");
        copy_advice();
        stop_run();
      }
      gral::say_err("ENTERING THE TWILIGHT ZONE OF COMPUTING !");
      gral::say_err("THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE");
      gral::say_err("RESUMING EXECUTION");
      errortail00();
      return;
    case 2:
      sorryface();
      gral::say_err("UNRECOVERABLE ERROR");
      gral::say_err("EXECUTION STOPPED BY PROGRAM");
      copy_advice();
      stop_run();
    default:
      return;
  }
}

void crevin3(float& value, float vmin, float vmax, std::string_view name, std::string_view routine,
             std::int32_t gravity, std::int32_t& ier) {
  const bool valid = (gravity >= 0 && gravity <= 4) || (gravity >= 10 && gravity <= 14);
  const bool reset = gravity >= 10 && gravity <= 14;
  if (!valid) {
    warninghead(kCrevin3);
    gral::say_err_items({"gravity =", gral::fmt_i(gravity, 3), "not in [0,4]U[10,14]"});
    gral::say_err("==> Do as if gravity = 3");
    warningtail00();
  }

  ier = 0;
  // Written as two comparisons so that a NaN, which compares neither way,
  // passes as inside.
  const bool below = value < vmin;
  const bool above = value > vmax;
  if (!below && !above) return;

  if (gravity == 0 || gravity == 10) {
    warninghead(kCrevin3);
  } else {
    errorhead(kCrevin3);
  }
  const std::string label = gral::trimmed(name) + " =";
  const auto g = [](float v) { return gral::fmt_g(v, 14, 4); };
  gral::say_err_items({"Problem in subroutine:", gral::trimmed(routine)});
  gral::say_err_items({"Gravity level [0-4]U[10,14] =", gral::fmt_i(gravity, 3)});
  gral::say_err_items({label, g(value), "outside [", g(vmin), ",", g(vmax), "]"});
  const float bound = below ? vmin : vmax;
  gral::say_err_items({label, g(value), below ? "<" : ">", g(bound)});
  if (reset) value = bound;
  ier = below ? 1 : 2;
  gral::say_err_items({(reset ? "==> RESET " : "==> UNALTERED ") + label, g(value)});

  // Levels 2 to 4 (12 to 14) end through the error ending's stop levels 0
  // to 2; an invalid level counts as 3.
  const std::int32_t level = valid ? gravity % 10 : 3;
  if (level == 0) {
    warningtail00();
  } else if (level == 1) {
    errortail00();
  } else {
    errortailstop(level - 2);
  }
}
