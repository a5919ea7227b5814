#include "gral/units.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

namespace gral {
namespace {

struct Unit {
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  std::unique_ptr<std::fstream> file;  // owned, for file units
};

struct Table {
  std::map<int, Unit> units;
  Table() { bind(std::cin, std::cout); }
  void bind(std::istream& in, std::ostream& out) {
    for (auto& [n, u] : units)
      if (u.file) u.file->close();
    units.clear();
    units[5].in = &in;
    units[6].out = &out;
  }
};

Table& table() {
  static Table t;
  return t;
}

std::string lower(std::string_view s) {
  std::string r;
  for (char c : s) {
    if (c == ' ') continue;
    r += static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  }
  return r;
}

}  // namespace

void bind_console(std::istream& in, std::ostream& out) {
  table().bind(in, out);
}
void bind_standard_console() {
  table().bind(std::cin, std::cout);
}

void write_record(int unit, std::string_view record) {
  auto& units = table().units;
  auto it = units.find(unit);
  if (it == units.end() || !it->second.out) return;
  std::ostream& os = *it->second.out;
  os.write(record.data(), static_cast<std::streamsize>(record.size()));
  os.put('\n');
}

std::optional<std::string> read_record(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  if (it == units.end() || !it->second.in) return std::nullopt;
  if (unit == 5) {
    auto o = units.find(6);
    if (o != units.end() && o->second.out) o->second.out->flush();
  }
  std::istream& is = *it->second.in;
  std::string line;
  if (!std::getline(is, line)) return std::nullopt;
  return line;
}

bool open_unit(int unit, const std::string& name, std::string_view status, std::string_view action) {
  namespace fs = std::filesystem;
  auto& units = table().units;
  if (unit == 5 || unit == 6) return false;
  close_unit(unit);
  std::string st = lower(status), ac = lower(action);
  std::string path = name;
  while (!path.empty() && path.back() == ' ') path.pop_back();
  if (path.empty()) return false;
  std::error_code ec;
  bool exists = fs::exists(path, ec);
  if (fs::is_directory(path, ec)) return false;
  if (st == "old" && !exists) return false;
  if (st == "new" && exists) return false;
  bool reading = ac == "read";
  bool writing = ac == "write";
  auto f = std::make_unique<std::fstream>();
  if (reading) {
    f->open(path, std::ios::in);
  } else if (writing) {
    // A sequential file written from its start loses what followed.
    f->open(path, std::ios::out | std::ios::trunc);
  } else {
    if (!exists || st == "replace") {
      std::ofstream create(path);
      if (!create) return false;
    }
    f->open(path, std::ios::in | std::ios::out);
  }
  if (!f->is_open()) return false;
  Unit u;
  if (!writing) u.in = f.get();
  if (!reading) u.out = f.get();
  u.file = std::move(f);
  units[unit] = std::move(u);
  return true;
}

void close_unit(int unit) {
  auto& units = table().units;
  if (unit == 5 || unit == 6) return;
  auto it = units.find(unit);
  if (it == units.end()) return;
  if (it->second.file) it->second.file->close();
  units.erase(it);
}

bool unit_is_open(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() && (it->second.in || it->second.out);
}

void flush_units() {
  for (auto& [n, u] : table().units)
    if (u.out) u.out->flush();
}

void close_file_units() {
  auto& units = table().units;
  for (auto it = units.begin(); it != units.end();) {
    if (it->first != 5 && it->first != 6) {
      if (it->second.file) it->second.file->close();
      it = units.erase(it);
    } else {
      ++it;
    }
  }
  flush_units();
}

}  // namespace gral
