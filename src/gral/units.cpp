#include "gral/units.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <ostream>

#include "gral/fdbuffers.h"
#include "gral/filesinuse.h"
#include "gral/signals.h"

namespace gral {
namespace {

// A record longer than this is cut here and the rest of its line skipped, so
// memory stays the same whatever a file or the keyboard holds.
constexpr std::size_t kRecordKept = 64 * 1024;
// A "line" that has not ended after this many characters is not a line (a
// device or a file of zeros): the input counts as ended.
constexpr std::size_t kLineGiveUp = 16 * 1024 * 1024;

// Set when output is lost, on the console or in a file; cleared when the
// console is bound.
bool output_was_lost = false;

struct Unit {
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  // Owned, for file units.
  std::unique_ptr<std::streambuf> buf;
  std::unique_ptr<std::iostream> stream;
  // buf again, for a file opened for writing; kept after the closing, with
  // the name, until the unit is opened again, for the loss to be reported.
  FileOut* file_out = nullptr;
  std::string name;
  std::optional<FileId> id;  // while open
  bool cut = false;          // the last record read was longer than kept
};

// With descriptor 0, 1 or 2 closed, the next file opened would take its
// number and the console would read or write that file. A closed one is held
// by /dev/null opened for reading only: input ends at once and every console
// write fails, as on the closed descriptor itself.
void hold_closed_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int null_input = open("/dev/null", O_RDONLY);
    if (null_input >= 0 && null_input != fd) {
      dup2(null_input, fd);
      close(null_input);
    }
  }
}

// The keyboard and the screen as the process's standard input and output,
// over buffers made afresh each time they are bound.
struct StandardConsole {
  std::unique_ptr<FdIn> in_buf;
  std::unique_ptr<FileOut> out_buf;
  std::unique_ptr<std::istream> in;
  std::unique_ptr<std::ostream> out;
  std::optional<FileId> error_id;
};

struct Table {
  std::map<int, Unit> units;
  bool console_failed = false;
  StandardConsole standard;
  Table() {
    ignore_write_signals();
    hold_closed_standard_descriptors();
    bind_standard();
  }
  void bind(std::istream& in, std::ostream& out) {
    units.clear();
    units[5].in = &in;
    units[6].out = &out;
    console_failed = false;
    output_was_lost = false;
  }
  void bind_standard() {
    // What the screen was given reaches it before its buffer is replaced.
    if (standard.out) standard.out->flush();
    StandardConsole& c = standard;
    c.out.reset();
    c.in.reset();
    c.out_buf = console_output(1, note_lost_output);
    c.in_buf = keyboard_input(0, flush_units);
    c.in = std::make_unique<std::istream>(c.in_buf.get());
    c.out = std::make_unique<std::ostream>(c.out_buf.get());
    bind(*c.in, *c.out);
    units[5].id = file_id(0);
    units[6].id = file_id(1);
    c.error_id = file_id(2);
  }
  // Whether the run holds the file open; only as a file it writes, or in
  // any way: a unit reading or writing it, or the standard error (written
  // by whoever the run shares it with).
  bool holds(const FileId& id, bool writers_only) const {
    for (const auto& [n, u] : units)
      if ((u.out || (u.in && !writers_only)) && u.id == id) return true;
    return !writers_only && standard.error_id == id;
  }
  // Pending console output reaches the device; a failure is kept for the
  // run's exit status.
  void flush_console() {
    auto o = units.find(6);
    if (o == units.end() || !o->second.out) return;
    if (!o->second.out->flush()) console_failed = true;
  }
};

Table& table() {
  static Table t;
  return t;
}

// A status or action as the system compares it: blanks dropped, lower case.
std::string lowercase_without_blanks(std::string_view s) {
  std::string r;
  for (char c : s) {
    if (c == ' ') continue;
    r += static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  }
  return r;
}

struct Line {
  std::string text;
  bool cut = false;  // longer than kRecordKept: the rest went unread
};

// One line, at most kRecordKept characters of it, without its line feed and
// a carriage return right before it; nullopt when the input has ended (or
// failed) before a character was read, and for a line that an interrupt cut
// off before its end.
std::optional<Line> bounded_line(std::istream& is) {
  if (!is.good()) return std::nullopt;
  static char kept[kRecordKept + 1];
  is.getline(kept, sizeof kept);
  const auto got = static_cast<std::size_t>(is.gcount());
  if (got == 0 && is.fail()) return std::nullopt;
  bool at_line_feed = !is.fail() && !is.eof();
  Line line{std::string(kept, got - (at_line_feed ? 1 : 0)), is.fail()};
  if (line.cut) {
    is.clear(is.rdstate() & ~std::ios::failbit);
    is.ignore(kLineGiveUp + 1, '\n');
    if (is.gcount() > static_cast<std::streamsize>(kLineGiveUp)) {
      is.setstate(std::ios::failbit);
      return std::nullopt;
    }
    at_line_feed = !is.eof();
  }
  // Once an interrupt is recorded, a line without its line feed is all that
  // will come of it, whether the input then ended or the read gave way: a
  // name half typed is no answer, however long.
  if (!at_line_feed && interrupt_signal() != 0) return std::nullopt;
  if (!line.cut && !line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  return line;
}

}  // namespace

void bind_console(std::istream& in, std::ostream& out) {
  table().bind(in, out);
}
void bind_standard_console() {
  hold_closed_standard_descriptors();
  table().bind_standard();
}

bool write_record(int unit, std::string_view record) {
  auto& units = table().units;
  auto it = units.find(unit);
  if (it == units.end() || !it->second.out) return true;
  std::ostream& os = *it->second.out;
  os.write(record.data(), static_cast<std::streamsize>(record.size()));
  os.put('\n');
  if (os) return true;
  if (unit == 6) table().console_failed = true;
  return false;
}

std::optional<std::string> read_record(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  if (it == units.end() || !it->second.in) return std::nullopt;
  auto line = bounded_line(*it->second.in);
  it->second.cut = line && line->cut;
  if (!line) return std::nullopt;
  return std::move(line->text);
}

bool record_was_cut(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() && it->second.cut;
}

bool open_unit(int unit, const std::string& name, std::string_view status, std::string_view action) {
  namespace fs = std::filesystem;
  auto& units = table().units;
  if (unit == 5 || unit == 6) return false;
  close_unit(unit);
  units.erase(unit);
  const std::string st = lowercase_without_blanks(status), ac = lowercase_without_blanks(action);
  std::string path = name;
  while (!path.empty() && path.back() == ' ') path.pop_back();
  // A NUL byte would end the name where the system reads it: such a name
  // names no file, rather than the one its first part names.
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  std::error_code ec;
  bool exists = fs::exists(path, ec);
  if (fs::is_directory(path, ec)) return false;
  if (st == "old" && !exists) return false;
  if (st == "new" && exists) return false;
  const HeldFiles files_in_use = [](const FileId& id, bool writers_only) {
    return table().holds(id, writers_only);
  };
  Unit u;
  if (ac == "write") {
    const int fd = open_for_writing(path, files_in_use);
    if (fd < 0) return false;
    u.id = file_id(fd);
    auto f = file_output(fd, note_lost_output);
    u.file_out = f.get();
    u.buf = std::move(f);
    u.stream = std::make_unique<std::iostream>(u.buf.get());
    u.out = u.stream.get();
  } else {
    // Without an action the file is read; with a status that allows it, a
    // missing one is created first. Nothing here writes to such a unit.
    const bool create = ac != "read" && st != "old" && !exists;
    const int fd = open_for_reading(path, create, files_in_use);
    if (fd < 0) return false;
    u.id = file_id(fd);
    u.buf = file_input(fd, flush_units);
    u.stream = std::make_unique<std::iostream>(u.buf.get());
    u.in = u.stream.get();
  }
  u.name = path;
  units[unit] = std::move(u);
  return true;
}

int close_unit(int unit) {
  auto& units = table().units;
  if (unit == 5 || unit == 6) return 0;
  auto it = units.find(unit);
  if (it == units.end()) return 0;
  Unit& u = it->second;
  if (!u.file_out) {
    units.erase(it);
    return 0;
  }
  const int error = u.file_out->close();
  u.in = nullptr;
  u.out = nullptr;
  u.stream.reset();
  u.id.reset();
  return error;
}

int unit_write_error(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() && it->second.file_out ? it->second.file_out->error() : 0;
}

std::optional<LostOutput> unreported_loss(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  if (it == units.end() || !it->second.file_out) return std::nullopt;
  const int error = it->second.file_out->take_unreported();
  if (error == 0) return std::nullopt;
  return LostOutput{it->second.name, error};
}

bool unit_is_open(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() && (it->second.in || it->second.out);
}

void flush_units() {
  for (auto& [n, u] : table().units)
    if (u.out && n != 6) u.out->flush();
  table().flush_console();
}

bool output_lost() {
  return table().console_failed || output_was_lost;
}

void note_lost_output() {
  output_was_lost = true;
}

void close_file_units() {
  auto& units = table().units;
  for (auto it = units.begin(); it != units.end();) {
    if (it->first != 5 && it->first != 6) {
      it = units.erase(it);
    } else {
      ++it;
    }
  }
  flush_units();
}

void give_back_unread_input() {
  if (auto& in = table().standard.in_buf) in->give_back();
}

}  // namespace gral
