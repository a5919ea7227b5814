#include "runinfo/runinfo.h"

#include <cstdint>
#include <initializer_list>
#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/hostfacts.h"
#include "gral/lines.h"
#include "gral/pictures.h"
#include "gral/platform.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kSwpinfo{"swpinfo    ", " 1.1", "2021-02-27"};

constexpr std::int32_t kCodeMin = 0;
constexpr std::int32_t kCodeMax = 3;

// A label and its value in an I5 field.
void say_value(std::string_view label, std::int32_t value) {
  gral::say_items({label, gral::fmt_i(value, 5)});
}

void show_menu(std::int32_t code) {
  submenuhead(kSwpinfo);
  gral::say_rule(gral::kMenuRule);
  gral::say("   RUN INFORMATION TO WRITE AND PLOT");
  gral::say_rule(gral::kMenuRule);
  say_value("run info code current value =", code);
  gral::say("date+user+host+os+hardw+main+subr+cmnd...0");
  gral::say("date+user+host+os+hardw+main+subr     ...1");
  gral::say("date          +os+hardw+main+subr+cmnd...2");
  gral::say("date          +os+hardw+main+subr     ...3");
  menutail();
}

void inner_rule() {
  gral::say("@" + gral::rule_text(49, '-'));
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
  gral::say(r);
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
  // The two host-fact commands run while the names are looked up.
  start_host_queries();
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
      gral::say("RUN INFO CODE OUT OF RANGE:");
      say_value(" run info code =", code);
      say_value(" min =", kCodeMin);
      say_value(" max =", kCodeMax);
      say_value("==> RESET run info code =", 0);
      warningtail00();
      code = 0;
    }
  } else if (inter == 2 || inter == 3) {
    code = runinfo3com.IRUNINFO;
  } else if (inter == 4 || inter == 5) {
    code = 0;
    if (inter == 5) {
      submenuhead(kSwpinfo);
      gral::say("INITIALISING RUN INFO");
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
    say_value("inter =", inter);
    gral::say("===> NO ACTION");
    warningtail00();
  }
}

void scmndinfo(std::int32_t icmnd) {
  runinfo3com.ICMND = icmnd;
}

void progheadtm2() {
  const auto& r = runinfo3com;
  gral::say_rule(gral::kFrameRule, '@');
  gral::say("@");
  gral::say_items({"@          MAIN PROGRAM:", gral::trimmed(r.ROUTNAME(1))});
  gral::say_items({"@               Version:", gral::trimmed(r.ROUTVERS(1))});
  gral::say_items({"@                  Date:", r.ROUTDATE(1)});
  gral::say("@");
  inner_rule();
  gral::say("@");
  gral::say_items({"@       Starting on", r.RUNDATE, "at", r.RUNTIME});
  if (r.IRUNINFO == 0 || r.IRUNINFO == 1) {
    gral::say_items({"@      User:", gral::trimmed(r.USERNAM)});
    gral::say_items({"@      Host:", gral::trimmed(r.HOSTNAM)});
  }
  gral::say_items({"@    System:", gral::trimmed(r.OSVERS)});
  gral::say_items({"@       CPU:", gral::trimmed(r.HARDWINFO)});
  gral::say("@");
  inner_rule();
  gral::say("@");
  gral::say("@                   Written by:");
  gral::say("@                Tavrell MARSOLAN");
  gral::say("@");
  gral::say("@                   Hosted by:");
  gral::say("@          Laboratory of Borehole Geomechanics");
  gral::say("@        University and Earth Science Research Agency");
  gral::say("@                  Varnholt, Europe");
  gral::say("@         https://www.example.org/marsolan");
  gral::say("@");
  gral::say("@      Report of any problem is appreciated");
  gral::say("@");
  inner_rule();
  gral::say("@             HIT RETURN TO CONTINUE");
  gral::say_rule(gral::kFrameRule, '@');
  gral::read_pause(iocom.IUNSTDIN);
}

void progtail2() {
  const auto& r = runinfo3com;
  std::string date(10, ' ');
  std::string time(8, ' ');
  date10_time8(date, time);

  gral::say_rule(gral::kFrameRule, '@');
  gral::say_items({"@ PROGRAM", gral::trimmed(r.ROUTNAME(1))});
  gral::say_items({"@ Version:", gral::trimmed(r.ROUTVERS(1))});
  gral::say_items({"@ STARTED    ON:", r.RUNDATE, "AT", r.RUNTIME});
  gral::say_items({"@ TERMINATED ON:", date, "AT", time});

  gral::ClockReading clock = gral::platform().system_clock();
  if (clock.rate == 0) {
    gral::say("@ Could not compute elapsed system clock time");
  } else {
    // A count below the start one has wrapped once; an equal count means
    // no time has passed.
    std::int64_t ticks = static_cast<std::int64_t>(clock.count) - r.ICLOCK0;
    if (ticks < 0) ticks += clock.max;
    float rate = static_cast<float>(clock.rate);
    time_line("@ ELAPSED TIME =", static_cast<float>(ticks) / rate);
    gral::say_items(
        {"@       modulo  ", gral::fmt_f(static_cast<float>(clock.max) / (60.0f * rate), 11, 3), "mn"});
  }
  time_line("@ CPU TIME     =", gral::platform().processor_time() - r.CPUTIME0);
  inner_rule();
  closing_picture(time.back());
  gral::say_rule(gral::kFrameRule, '@');
}
