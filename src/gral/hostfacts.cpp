#include "gral/hostfacts.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/platform.h"
#include "gral/signals.h"
#include "gral/text.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kHardinfo{"hardinfo ", " 2.1", "2024-09-13"};
constexpr Stamp kOsversion{"osversion", " 2.1", "2024-09-13"};

constexpr std::string_view kUnknownHost = "unknown";

constexpr int kUnit = 99;
constexpr std::size_t kFileLen = 25;
constexpr std::size_t kMessageLen = 120;
// The command is always waited for; the warnings show it as the integer 1.
constexpr std::int32_t kWait = 1;

// Writes value into the caller's text at the caller's length, or at the
// routine's own length when the caller's text is empty.
void store(std::string& out, std::string_view value, std::size_t own) {
  out = fixed::fit(value, out.empty() ? own : out.size());
}

// A host fact read back from a file that a shell command writes. The program
// itself creates the file, at the first free number from the query's name on,
// and hands it to the command run without its redirection; the command as
// shown redirects to the file actually used.
// The command run, how the command as shown redirects to the file, and the
// length of the routine's command field that shows it.
struct Command {
  std::string_view run;
  std::string_view redirect;
  std::size_t length;
};
// The record read back: its length, and the fallback when there is none.
struct Record {
  std::size_t length;
  std::string_view fallback;
};
struct Query {
  Stamp stamp;
  std::string_view what;  // as the warnings name it
  std::string_view file;  // the first name tried
  Command command;
  Record record;
};

constexpr Query kCpuQuery{
    .stamp = kHardinfo,
    .what = "CPU INFO",
    .file = "cpu_info_tmp_001.txt",
    .command = {.run = "sed -n '/name/{s/.*: //p;q}' /proc/cpuinfo", .redirect = ">", .length = 65},
    .record = {.length = 50, .fallback = "unknown"}};
constexpr Query kVersionQuery{.stamp = kOsversion,
                              .what = "SYSTEM VERSION",
                              .file = "sys_version_tmp_001.txt",
                              .command = {.run = "uname -r", .redirect = " > ", .length = 60},
                              .record = {.length = 8, .fallback = "Linux"}};

// Commands started ahead of the routine that reads their file.
std::function<gral::CommandResult()> started[2];

std::function<gral::CommandResult()>& slot(const Query& q) {
  return started[&q == &kCpuQuery ? 0 : 1];
}

void start(const Query& q) {
  slot(q) = gral::platform().start_command(std::string(q.command.run), std::string(q.file));
}

enum class Details { command, file };

struct Warning {
  std::string message;
  Details details;
  bool with_setting;
};

void text_detail(int u, std::string_view label, std::string_view value) {
  gral::put(u, gral::Rec().X().A(label).X().A(value));
}
void int_detail(int u, std::string_view label, std::int32_t value) {
  gral::put(u, gral::Rec().X().A(label).X().I(value, 6));
}

void warn(const Query& q, const Warning& w, const std::string& file, const std::string& command,
          const gral::CommandResult& r) {
  // After the user's interrupt (which a terminal sends to the command too)
  // nothing is wrong with the host: the run ends at its first question.
  if (gral::interrupt_signal() != 0) return;
  int u = iocom.IUNERROUT;
  warninghead(q.stamp);
  gral::put1x(u, w.message);
  text_detail(u, "filename =", fixed::fit(file, kFileLen));
  if (w.details == Details::file) {
    text_detail(u, "status   =", "unknown");
    int_detail(u, "unit     =", kUnit);
  }
  text_detail(u, "command  =", command);
  int_detail(u, "wait     =", kWait);
  int_detail(u, "exitstat =", r.exitstat);
  int_detail(u, "cmdstat  =", r.cmdstat);
  text_detail(u, "cmdmsg   =", fixed::fit(r.cmdmsg, kMessageLen));
  if (w.with_setting) {
    gral::put1x(u, "=> SETTING " + std::string(q.what) + " = " + std::string(q.record.fallback));
  }
  gral::put_rule(u, gral::kFrameRule, '/');
}

// The first record of the query's file at the query's record length, or
// nullopt when the fallback is to be used. The file is removed whenever it
// could be opened, whether or not it held a record.
std::optional<std::string> query_record(const Query& q) {
  const std::string what(q.what);
  if (!slot(q)) start(q);
  const gral::CommandResult r = std::exchange(slot(q), nullptr)();
  const std::string& file = r.file;
  std::string command =
      fixed::fit(std::string(q.command.run) + std::string(q.command.redirect) + file, q.command.length);
  if (r.cmdstat != 0) {
    warn(q, {"COULD NOT DETERMINE " + what, Details::command, true}, file, command, r);
    return std::nullopt;
  }
  if (!gral::open_unit(kUnit, file, "unknown", "")) {
    warn(q, {"COULD NOT OPEN " + what + " FILE", Details::file, true}, file, command, r);
    return std::nullopt;
  }
  std::optional<std::string> record;
  if (auto line = gral::read_record(kUnit)) {
    record = fixed::fit(*line, q.record.length);
  } else {
    // The command ran but wrote nothing (the fact is missing on this host).
    warn(q, {"COULD NOT READ " + what + " FILE", Details::file, true}, file, command, r);
  }
  gral::close_unit(kUnit);

  command = fixed::fit("rm " + file, q.command.length);
  gral::CommandResult rm = gral::platform().remove_file(file);
  if (rm.cmdstat != 0)
    warn(q, {"COULD NOT REMOVE " + what + " FILE", Details::command, false}, file, command, rm);
  return record;
}

}  // namespace

void start_host_queries() {
  // The processor's command takes longest: it goes first.
  start(kCpuQuery);
  start(kVersionQuery);
}

void date10_time8(std::string& date, std::string& time) {
  gral::LocalTime t = gral::platform().local_time();
  char d[32];
  char h[32];
  std::snprintf(d, sizeof d, "%04d-%02d-%02d", t.year, t.month, t.day);
  std::snprintf(h, sizeof h, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  store(date, d, 10);
  store(time, h, 8);
}

void username(std::string& name) {
  store(name, gral::platform().login_name().value_or(""), 10);
}

void hostname(std::string& name) {
  store(name, gral::platform().node_name().value_or(std::string(kUnknownHost)), 35);
}

void osversion(std::string& vers) {
  std::optional<std::string> record = query_record(kVersionQuery);
  if (!record) {
    store(vers, kVersionQuery.record.fallback, 13);
    return;
  }
  store(vers, "Linux_" + gral::trimmed(*record), 13);
}

void hardinfo(std::string& info) {
  std::optional<std::string> record = query_record(kCpuQuery);
  if (!record) {
    store(info, kCpuQuery.record.fallback, 30);
    return;
  }
  // Intel's long brand prefix would crowd the model out of the field. Only a
  // record that starts with it exactly is shortened.
  constexpr std::string_view kIntelCore = "Intel(R) Core(TM) ";
  if (record->starts_with(kIntelCore)) {
    std::int32_t first = 0, last = 0;
    textlen(first, last, *record);
    std::size_t from = kIntelCore.size();
    std::size_t count = last > static_cast<std::int32_t>(from) ? static_cast<std::size_t>(last) - from : 0;
    store(info, "Core " + record->substr(from, count), 30);
  } else {
    store(info, gral::trimmed(*record), 30);
  }
}
