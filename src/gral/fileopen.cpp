#include "gral/fileopen.h"

#include "gral/errend.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/pictures.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kOpef1{"opef1      ", " 1.1", "2024-05-29"};
constexpr Stamp kOpef2{"opef2               ", " 5.2", "2023-04-25"};

// The name is worked on in a copy of this length; the name question reads
// fewer characters than that.
constexpr std::size_t kWorkLength = 250;
constexpr std::size_t kQuestionLength = 40;

constexpr std::int32_t kSilent = 7;
constexpr std::int32_t kInteractive = 0;

std::string name_question(const std::string& label) {
  return fixed::fit(label + " file name", kQuestionLength);
}

void announce(const Stamp& stamp, const std::string& label) {
  submenuhead(stamp);
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("OPENING").X().A(label).X().A("FILE"));
  menutail();
}

// The name typed last is the default of the next question.
void ask_name(std::string& work, const std::string& question) {
  std::int32_t status = 0;
  inchardef(work, question, work, status);
}

// What was tried: the working copy is shown in full, trailing blanks too.
void describe(int unit_out, std::string_view what, const std::string& label, const std::string& work,
              std::int32_t unit) {
  gral::put(unit_out, gral::Rec().X().A(what).X().A(label).X().A("FILE"));
  gral::put(unit_out, gral::Rec().X().A("File name =").X().A(work));
  gral::put(unit_out, gral::Rec().X().A("for unit =").X().I(unit, 4));
}

void hand_back_base_name(std::string& filename, const std::string& work) {
  std::int32_t length = 0;
  path2basename(length, filename, work);
}

// The retry question is put on the error units, so the keyboard answers it
// even while a command file stands in for standard input.
bool user_wants_retry() {
  bool retry = true;
  std::int32_t status = 0;
  inlogicdef2(retry, "Retry (1) or proceed without retrying (0)", retry, iocom.IUNERRIN, iocom.IUNERROUT,
              status);
  return retry;
}

}  // namespace

void opef1(std::string& filename, std::string_view label, std::int32_t unit, std::string_view status,
           std::string_view action, std::int32_t mode, std::int32_t igrav, std::int32_t& iostat) {
  std::string work = fixed::fit(filename, kWorkLength);
  const std::string lab = gral::trimmed(label);
  const int err = iocom.IUNERROUT;
  for (;;) {
    iostat = 0;
    const std::string question = name_question(lab);
    if (mode != kSilent) announce(kOpef1, lab);
    if (mode == kInteractive) ask_name(work, question);
    if (gral::open_unit(unit, work, status, action)) {
      hand_back_base_name(filename, work);
      return;
    }
    iostat = 1;
    if (mode != kInteractive) break;
    warninghead(kOpef1);
    describe(err, "COULD NOT OPEN", lab, work, unit);
    gral::put1x(err, "===> RETRYING TO OPEN THE FILE");
    warningtail00();
    if (!user_wants_retry()) break;
  }

  if (igrav >= 0) {
    errorhead(kOpef1);
    describe(err, "FAILED TO OPEN", lab, work, unit);
    errortailstop(igrav);
    return;
  }
  // The silent first look for an optional file learns of its absence from
  // the status alone.
  if (mode == kSilent) return;
  gral::put_rule(err, gral::kMenuRule, '-');
  gral::put(err, gral::items({"Could not open", lab, "file"}));
  gral::put1x(err, "=> Proceeding");
  gral::put_rule(err, gral::kMenuRule, '-');
}

void opef2(std::string& filename, std::string_view label, std::int32_t unit, std::string_view status,
           std::int32_t mode) {
  std::string work = fixed::fit(filename, kWorkLength);
  const std::string lab = gral::trimmed(label);
  const std::string question = name_question(lab);
  const int out = iocom.IUNSTDOUT;
  for (;;) {
    if (mode != kSilent) announce(kOpef2, lab);
    if (mode == kInteractive) ask_name(work, question);
    if (gral::open_unit(unit, work, status, "")) break;
    if (mode != kInteractive) {
      errorhead(kOpef2);
      describe(out, "COULD NOT OPEN", lab, work, unit);
      gral::put1x(out, "===> STOPPING EXECUTION");
      errortail00();
      sorryface();
      // A run stopped by an error reports failure through its exit status.
      gral::end_run(1, false);
    }
    warninghead(kOpef2);
    describe(out, "COULD NOT OPEN", lab, work, unit);
    gral::put1x(out, "===> RETRYING");
    warningtail00();
  }
  hand_back_base_name(filename, work);
}
