#include "runinfo/runinfo.h"

#include <cstdint>
#include <initializer_list>
#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/hostfacts.h"
#include "gral/pictures.h"
#include "gral/platform.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kSwpinfo{"swpinfo", " 1.1", "2021-02-27"};

constexpr std::int32_t kCodeMin = 0;
constexpr std::int32_t kCodeMax = 3;

void body(std::string_view text) {
  gral::put1x(iocom.IUNSTDOUT, text);
}
void body(std::string_view label, std::int32_t value) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(label).X().I(value, 5));
}

void show_menu(std::int32_t code) {
  const std::string rule(43, '-');
  submenuhead(kSwpinfo);
  body(rule);
  body("   RUN INFORMATION TO WRITE AND PLOT");
  body(rule);
  body("run info code current value =", code);
  body("date+user+host+os+hardw+main+subr+cmnd...0");
  body("date+user+host+os+hardw+main+subr     ...1");
  body("date          +os+hardw+main+subr+cmnd...2");
  body("date          +os+hardw+main+subr     ...3");
  menutail();
}

// Header and trailer lines: every item follows one blank.
void items(std::initializer_list<std::string_view> parts) {
  gral::Rec r;
  for (std::string_view p : parts) r.X().A(p);
  gral::put(iocom.IUNSTDOUT, r);
}
void closing_rule() {
  gral::put(iocom.IUNSTDOUT, " " + std::string(50, '@'));
}
void inner_rule() {
  gral::put(iocom.IUNSTDOUT, " @" + std::string(49, '-'));
}

// Up to two minutes in seconds, beyond in minutes.
void time_line(std::string_view label, float seconds) {
  gral::Rec r;
  r.X().A(label).X();
  if (seconds <= 120.0f) {
    r.F(seconds, 11, 3).X().A("seconds");
  } else {
    r.F(seconds / 60.0f, 11, 3).X().A("mn");
  }
  gral::put(iocom.IUNSTDOUT, r);
}

void closing_picture(char digit) {
  switch (digit) {
    case '0':
      happyface();
      break;
    case '1':
      sator();
      break;
    case '2':
      carmag33();
      break;
    case '4':
    case '9':
      tetrakis();
      break;
    case '5':
      tetratemple1();
      break;
    case '6':
      tetratemple2();
      break;
    case '7':
      graben();
      break;
    case '8':
      horst();
      break;
    default:
      endfun1();
      break;
  }
}

}  // namespace

void smaininfo2(std::string_view name, std::string_view vers, std::string_view date) {
  auto& r = runinfo3com;
  r.IROUTLEV = 1;
  r.ROUTNAME(1) = fixed::fit(name, 11);
  r.ROUTVERS(1) = fixed::fit(vers, 4);
  r.ROUTDATE(1) = fixed::fit(date, 10);
  r.ICMND = 0;
  std::int32_t scratch = 0;
  swpinfo(scratch, 5);
  username(r.USERNAM);
  hostname(r.HOSTNAM);
  osversion(r.OSVERS);
  hardinfo(r.HARDWINFO);
  date10_time8(r.RUNDATE, r.RUNTIME);
  r.CPUTIME0 = gral::platform().processor_time();
  r.ICLOCK0 = gral::platform().system_clock().count;
}

void swpinfo(std::int32_t& code, std::int32_t inter) {
  if (inter == 0 || inter == 1) {
    if (code < kCodeMin || code > kCodeMax) {
      warninghead(kSwpinfo);
      body("RUN INFO CODE OUT OF RANGE:");
      body(" run info code =", code);
      body(" min =", kCodeMin);
      body(" max =", kCodeMax);
      body("==> RESET run info code =", 0);
      warningtail00();
      code = 0;
    }
  } else if (inter == 2 || inter == 3) {
    code = runinfo3com.IRUNINFO;
  } else if (inter == 4 || inter == 5) {
    code = 0;
    if (inter == 5) {
      submenuhead(kSwpinfo);
      body("INITIALISING RUN INFO");
    }
  }
  if (inter == 0 || inter == 2 || inter == 4) {
    show_menu(code);
    std::int32_t status = 0;
    inintegvindef(code, fixed::fit("run info code", 35), code, kCodeMin, kCodeMax, status);
  }
  if (inter >= 0 && inter <= 5) {
    runinfo3com.IRUNINFO = code;
  } else {
    warninghead(kSwpinfo);
    body("inter =", inter);
    body("===> NO ACTION");
    warningtail00();
  }
}

void scmndinfo(std::int32_t icmnd) {
  runinfo3com.ICMND = icmnd;
}

void progheadtm2() {
  const auto& r = runinfo3com;
  closing_rule();
  items({"@"});
  items({"@          MAIN PROGRAM:", gral::trimmed(r.ROUTNAME(1))});
  items({"@               Version:", gral::trimmed(r.ROUTVERS(1))});
  items({"@                  Date:", r.ROUTDATE(1)});
  items({"@"});
  inner_rule();
  items({"@"});
  items({"@       Starting on", r.RUNDATE, "at", r.RUNTIME});
  if (r.IRUNINFO == 0 || r.IRUNINFO == 1) {
    items({"@      User:", gral::trimmed(r.USERNAM)});
    items({"@      Host:", gral::trimmed(r.HOSTNAM)});
  }
  items({"@    System:", gral::trimmed(r.OSVERS)});
  items({"@       CPU:", gral::trimmed(r.HARDWINFO)});
  items({"@"});
  inner_rule();
  items({"@"});
  items({"@                   Written by:"});
  items({"@                Tavrell MARSOLAN"});
  items({"@"});
  items({"@                   Hosted by:"});
  items({"@          Laboratory of Borehole Geomechanics"});
  items({"@        University and Earth Science Research Agency"});
  items({"@                  Varnholt, Europe"});
  items({"@         https://www.example.org/marsolan"});
  items({"@"});
  items({"@      Report of any problem is appreciated"});
  items({"@"});
  inner_rule();
  items({"@             HIT RETURN TO CONTINUE"});
  closing_rule();
  gral::read_pause(iocom.IUNSTDIN);
}

void progtail2() {
  const auto& r = runinfo3com;
  std::string date(10, ' ');
  std::string time(8, ' ');
  date10_time8(date, time);

  closing_rule();
  items({"@ PROGRAM", gral::trimmed(r.ROUTNAME(1))});
  items({"@ Version:", gral::trimmed(r.ROUTVERS(1))});
  items({"@ STARTED    ON:", r.RUNDATE, "AT", r.RUNTIME});
  items({"@ TERMINATED ON:", date, "AT", time});

  gral::ClockReading clock = gral::platform().system_clock();
  if (clock.rate == 0) {
    items({"@ Could not compute elapsed system clock time"});
  } else {
    // A count below the start one has wrapped once; an equal count means
    // no time has passed.
    std::int64_t ticks = static_cast<std::int64_t>(clock.count) - r.ICLOCK0;
    if (ticks < 0) ticks += clock.max;
    float rate = static_cast<float>(clock.rate);
    time_line("@ ELAPSED TIME =", static_cast<float>(ticks) / rate);
    gral::put(iocom.IUNSTDOUT, gral::Rec()
                                   .X()
                                   .A("@       modulo  ")
                                   .X()
                                   .F(static_cast<float>(clock.max) / (60.0f * rate), 11, 3)
                                   .X()
                                   .A("mn"));
  }
  time_line("@ CPU TIME     =", gral::platform().processor_time() - r.CPUTIME0);
  inner_rule();
  closing_picture(time.back());
  closing_rule();
}
