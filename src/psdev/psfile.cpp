// The plot file's life cycle: page-format defaults, opening and prolog, page
// breaks, and the trailer, whether the run closes the file or ends with it open.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "gral/cmdfile.h"
#include "gral/fileopen.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/freeform.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "gral/units.h"
#include "psdev/psdev.h"
#include "psdev/psdev_internal.h"
#include "records/psparam.h"
#include "records/sio.h"

namespace {

constexpr Stamp kIntplinit{"intplinit  ", " 9.1", "2024-05-29"};
constexpr Stamp kIntplend{"intplend   ", "10.0", "2024-05-28"};

// A file that cannot be written (a full disk, a file-size limit) is told
// once, when the loss is first seen; what is drawn after it is lost too.
void report_lost_output(const Stamp& stamp) {
  const auto loss = gral::unreported_loss(psparams_90.IUNPS);
  if (!loss) return;
  errorhead(stamp);
  gral::say_err("COULD NOT WRITE PostScript plot FILE");
  gral::say_err_items({"File name =", loss->name});
  gral::say_err_items({"Reason =", std::strerror(loss->error)});
  gral::say_err("===> PLOT FILE INCOMPLETE");
  errortail00();
}

}  // namespace

namespace psdev::detail {
bool has_current_point = false;

// A record costs one test of the unit's state; only a lost one costs more.
void emit(std::string_view line) {
  if (!gral::write_record(psparams_90.IUNPS, line)) report_lost_output(kIntplinit);
}
void emit(const gral::Rec& rec) {
  emit(rec.str());
}

std::string num(float v) {
  std::string text(10, ' ');
  std::int32_t nchar = 0;
  real2charf1(text, nchar, 2, 10, v);
  return gral::head(text, nchar);
}

void not_drawn(const Stamp& stamp, std::string_view why) {
  warninghead(stamp);
  gral::say(why);
  gral::say("===> NOTHING DRAWN");
  warningtail00();
}

}  // namespace psdev::detail

namespace {

using psdev::detail::emit;

constexpr std::int32_t kPlotUnit = 50;
constexpr const char* kDefaultsFile = "vondt9_ini.txt";

struct PageFormat {
  const char* name;
  std::int32_t min, max;
};
constexpr PageFormat kFormats[4] = {
    {"Portrait A4", 595, 842},
    {"Portrait US Letter", 612, 792},
    {"Landscape A4", 595, 842},
    {"Landscape US Letter", 612, 792},
};

constexpr const char* kFonts[16] = {
    "/Helvetica",   "/Helvetica-Bold", "/Helvetica-Oblique", "/Helvetica-BoldOblique",
    "/Times-Roman", "/Times-Bold",     "/Times-Italic",      "/Times-BoldItalic",
    "/Courier",     "/Courier-Bold",   "/Courier-Oblique",   "/Courier-BoldOblique",
    "/Symbol",      "/Symbol-Bold",    "/Symbol-Oblique",    "/Symbol-BoldOblique",
};

// A page number in its field, or at its full width when it outgrows it: an
// asterisk field would leave the page structure unreadable.
std::string page_field(std::int32_t page, int w) {
  std::int32_t len = 0;
  integlen(len, page);
  return gral::fmt_i(page, std::max(w, static_cast<int>(len)));
}

// The first value of the defaults file, or false when there is none that
// reads as an integer.
bool read_defaults(std::int32_t& ipagsiz) {
  std::string name = kDefaultsFile;
  std::int32_t istat = 0;
  opef1(name, "plot init", psparams_90.IUNPS, "old", "read", 7, -1, istat);
  if (istat != 0) return false;
  bool ok = false;
  while (auto rec = gral::read_record(psparams_90.IUNPS)) {
    if (gral::holds_no_value(*rec)) continue;
    ok = gral::read_int(*rec, ipagsiz);
    break;
  }
  gral::close_unit(psparams_90.IUNPS);
  return ok;
}

void banner() {
  gral::say("@                                                @");
  gral::say("@               Vectral PS Library               @");
  gral::say("@          Version 10.2  on  2024-05-29          @");
  gral::say("@             Origins and credits :              @");
  gral::say("@    dorvex  by  K. Lindor    on  1987-02-16     @");
  gral::say("@    vondt   by  T. Marsolan  on  1994-12-17     @");
  gral::say("@                                                @");
  gral::say_rule(gral::kFrameRule, '=');
  gral::say_rule(gral::kMenuRule);
  gral::say("             Default Settings:");
  gral::say_rule(gral::kMenuRule);
  gral::say_items({"Orientation and size =", gral::fmt_a(psparams_90.NAMSIZE(psparams_90.IPAGSIZ), 20)});
  gral::say_rule(gral::kMenuRule);
}

void choose_format() {
  gral::say_rule(gral::kMenuRule);
  gral::say("        Updating Default Settings:");
  gral::say_rule(gral::kMenuRule);
  gral::say("Page orientation and size ....... Command");
  for (int k = 1; k <= 4; ++k) {
    gral::say_items({gral::fmt_a(psparams_90.NAMSIZE(k), 20), gral::rule_text(18, '.'), gral::fmt_i(k, 1)});
  }
  std::int32_t st = 0;
  inintegvindef(psparams_90.IPAGSIZ, "command", psparams_90.IPAGSIZ, 1, 4, st);
}

void write_defaults() {
  gral::say_rule(gral::kMenuRule);
  gral::say_items({"updating or creating", kDefaultsFile});
  std::string name = kDefaultsFile;
  std::int32_t istat = 0;
  opef1(name, "plot init", psparams_90.IUNPS, "unknown", "write", 7, 0, istat);
  bool saved = istat == 0;
  if (saved) {
    const std::string quoted = "'" + gral::trimmed(psparams_90.NAMSIZE(psparams_90.IPAGSIZ)) + "'";
    gral::put(psparams_90.IUNPS, gral::Rec().X().I(psparams_90.IPAGSIZ, 2).X().A(quoted));
    gral::put1x(psparams_90.IUNPS, " ");
    // A full disk shows only when the records leave the buffer.
    saved = gral::close_unit(psparams_90.IUNPS) == 0;
  }
  if (!saved) {
    // Not created is as lost as not written: no run that loses it succeeds.
    gral::note_lost_output();
    gral::say_items({"Could not update or create", kDefaultsFile});
    gral::say("=> altered defaults are not saved for next run");
    gral::say("=> Proceeding");
  } else {
    gral::say_items({kDefaultsFile, "updated or created"});
  }
  gral::say_rule(gral::kMenuRule);
}

void prolog() {
  const auto& ps = psparams_90;
  emit("%!");
  emit("% Initialize coordinate system and scales");
  emit("%%Pages: (atend)");
  emit(gral::Rec()
           .A("%%BoundingBox:")
           .X()
           .I(0, 4)
           .X()
           .I(0, 4)
           .X()
           .I(ps.ISIZEMIN(ps.IPAGSIZ), 4)
           .X()
           .I(ps.ISIZEMAX(ps.IPAGSIZ), 4));
  if (ps.IPAGSIZ >= 3)
    emit(gral::Rec().I(ps.ISIZEMIN(ps.IPAGSIZ), 4).X().I(0, 4).X().A("translate 90 rotate"));
  psrgbcolor(-1);
  emit("% Ready to go");
  emit(gral::Rec().A("%%Page:").X().A(page_field(ps.IPAGE, 4)).X().A(page_field(ps.IPAGE, 4)));
}

// Ends the last page and closes the file; shared by the ordinary closing and
// the end of a run that leaves the file open.
void finish_file() {
  if (!psdev::plot_file_open()) {
    iocom.LPLTOPEN = false;
    return;
  }
  psstrokepath();
  emit("showpage");
  emit("%%End Page");
  emit("%%Trailer");
  emit(gral::Rec().A("%%Pages:").X().A(page_field(psparams_90.IPAGE, 3)));
  emit("%%EOF");
  gral::close_unit(psparams_90.IUNPS);
  iocom.LPLTOPEN = false;
  report_lost_output(kIntplend);
}

// The closing question only waits: at the end of the keyboard's input it
// goes on as if Return had been pressed instead of ending the run.
void wait_for_return(std::string_view question) {
  for (;;) {
    if (iocom.LWITO(2)) gral::say_rule(gral::kDotRule, '.');
    gral::say_items({"Enter", question});
    auto line = gral::read_record(iocom.IUNSTDIN);
    if (!line && iocom.LCMDOPEN && iocom.IUNSTDIN == iocom.IUNCMD) {
      gral::command_file_ran_out();
      continue;
    }
    const std::string answer = fixed::fit(line ? *line : std::string(), 1);
    gral::say_items({"New value =", answer});
    if (iocom.LWITO(2)) gral::say_rule(gral::kDotRule, '.');
    return;
  }
}

}  // namespace

namespace psdev {
bool plot_file_open() {
  return iocom.LPLTOPEN && gral::unit_is_open(psparams_90.IUNPS);
}
}  // namespace psdev

void intplinit(std::string& fname, std::int32_t iopt) {
  auto& ps = psparams_90;
  iocom.LPLTOPEN = false;
  ps.IUNPS = kPlotUnit;
  for (int k = 1; k <= 4; ++k) {
    ps.NAMSIZE(k) = fixed::fit(kFormats[k - 1].name, 20);
    ps.ISIZEMIN(k) = kFormats[k - 1].min;
    ps.ISIZEMAX(k) = kFormats[k - 1].max;
  }

  std::int32_t ipagsiz = 0;
  const bool valid = read_defaults(ipagsiz) && ipagsiz >= 1 && ipagsiz <= 4;
  ps.IPAGSIZ = valid ? ipagsiz : 1;

  submenuhead(kIntplinit);
  if (iocom.LWITO(2)) banner();
  bool keep = true;
  std::int32_t st = 0;
  inlogicdef(keep, "Use default settings", true, st);
  if (!keep) choose_format();
  if (!valid || !keep) write_defaults();

  std::int32_t istat = 0;
  opef1(fname, "PostScript plot", ps.IUNPS, "unknown", "write", iopt % 2, 1, istat);
  ps.IPAGE = 1;
  ps.LPATH = false;
  psdev::detail::has_current_point = false;
  for (int k = 1; k <= 16; ++k) ps.FONTS(k) = fixed::fit(kFonts[k - 1], 22);
  if (istat != 0) return;

  // The one record of the plot file being open, for every layer.
  iocom.LPLTOPEN = true;
  gral::run_end_hooks().finish_plot = finish_file;
  prolog();
}

void intnewpage() {
  auto& ps = psparams_90;
  psstrokepath();
  if (psdev::plot_file_open()) {
    emit("gsave showpage");
    emit("%%End Page");
    emit("grestore");
  }
  ++ps.IPAGE;
  if (psdev::plot_file_open()) {
    emit(gral::Rec().A("%%Page:").X().A(page_field(ps.IPAGE, 3)).X().A(page_field(ps.IPAGE, 3)));
  }
}

void intplend() {
  submenuhead(kIntplend);
  if (iocom.LWITO(2)) gral::say("Ready to close the PostScript plot file");
  wait_for_return("CR = Return to close the PostScript file");
  finish_file();
  gral::say("The PostScript plot file is closed");
  menutail();
}
