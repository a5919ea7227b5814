#include "gral/units.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ext/stdio_filebuf.h>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

namespace gral {
namespace {

// A record longer than this is cut here and the rest of its line skipped, so
// memory stays the same whatever a file or the keyboard holds.
constexpr std::size_t kRecordKept = 64 * 1024;
// A "line" that has not ended after this many characters is not a line (a
// device or a file of zeros): the input counts as ended.
constexpr std::size_t kLineGiveUp = 16 * 1024 * 1024;
constexpr std::size_t kFileBuffer = 64 * 1024;

using FdBuf = __gnu_cxx::stdio_filebuf<char>;

// Set when output of a file unit is lost; cleared when the console is bound.
bool file_output_lost = false;

// The output buffer of a file unit over its descriptor. It keeps the error
// of the first write that failed: a library buffer forgets why, and a file
// that could not be written must be reported with the reason. Once output
// is lost, nothing more is written, so the file ends where the medium ended
// it.
class FileOut : public std::streambuf {
 public:
  explicit FileOut(int fd) : fd_(fd), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {
    setp(buf_.get(), buf_.get() + kFileBuffer);
  }
  ~FileOut() override { close(); }
  FileOut(const FileOut&) = delete;
  FileOut& operator=(const FileOut&) = delete;

  int error() const { return error_; }
  // Writes what is pending and closes the descriptor, once; the first error.
  int close() {
    if (fd_ < 0) return error_;
    drain();
    if (::close(fd_) != 0 && error_ == 0) lost(errno);
    fd_ = -1;
    return error_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  // The buffer is emptied whether its bytes reach the file or not.
  bool drain() {
    const char* p = pbase();
    auto left = static_cast<std::size_t>(pptr() - pbase());
    setp(buf_.get(), buf_.get() + kFileBuffer);
    while (left > 0 && error_ == 0) {
      const ssize_t n = ::write(fd_, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        lost(n < 0 ? errno : EIO);
        break;
      }
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    return error_ == 0;
  }
  void lost(int e) {
    error_ = e;
    file_output_lost = true;
  }

  int fd_;
  int error_ = 0;
  std::unique_ptr<char[]> buf_;
};

struct Unit {
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  // Owned, for file units.
  std::unique_ptr<std::streambuf> buf;
  std::unique_ptr<std::iostream> stream;
  FileOut* file_out = nullptr;  // buf again, for a file opened for writing
  std::string name;
};

// A console pipe whose reader has gone (SIGPIPE) and a file grown to the
// size limit (SIGXFSZ) would end the process and lose a plot already drawn;
// ignored, they are failed writes like any other.
void ignore_write_signals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

// With descriptor 0, 1 or 2 closed, the next file opened would take its
// number and the console would read or write that file. A closed one is held
// by /dev/null opened for reading only: input ends at once and every console
// write fails, as on the closed descriptor itself.
void hold_closed_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int held = open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      dup2(held, fd);
      close(held);
    }
  }
}

struct Table {
  std::map<int, Unit> units;
  bool console_failed = false;
  Table() {
    ignore_write_signals();
    hold_closed_standard_descriptors();
    bind(std::cin, std::cout);
  }
  void bind(std::istream& in, std::ostream& out) {
    units.clear();
    units[5].in = &in;
    units[6].out = &out;
    console_failed = false;
    file_output_lost = false;
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

std::string lower(std::string_view s) {
  std::string r;
  for (char c : s) {
    if (c == ' ') continue;
    r += static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  }
  return r;
}

// One line, at most kRecordKept characters of it; nullopt when the input has
// ended (or failed) before a character was read.
std::optional<std::string> bounded_line(std::istream& is) {
  if (!is.good()) return std::nullopt;
  static char kept[kRecordKept + 1];
  is.getline(kept, sizeof kept);
  const auto got = is.gcount();
  if (got == 0 && is.fail()) return std::nullopt;
  std::string line(kept, static_cast<std::size_t>(got) - (is.fail() || is.eof() ? 0 : 1));
  if (is.fail()) {
    // Cut at kRecordKept: the rest of the line goes unread.
    is.clear(is.rdstate() & ~std::ios::failbit);
    is.ignore(kLineGiveUp + 1, '\n');
    if (is.gcount() > static_cast<std::streamsize>(kLineGiveUp)) {
      is.setstate(std::ios::failbit);
      return std::nullopt;
    }
  }
  return line;
}

// Reads and writes wait again once the file is open; false (the descriptor
// closed) when that cannot be set.
bool blocking(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) return true;
  close(fd);
  return false;
}

// Opens a file for reading without ever waiting: a FIFO without a writer
// reads as empty. Only a regular file or a pipe is accepted; a directory or
// a device is refused as a file that cannot be opened.
int open_for_reading(const std::string& path, bool create) {
  if (create) {
    int made = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (made < 0) return -1;
    close(made);
  }
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode))) {
    close(fd);
    return -1;
  }
  if (!blocking(fd)) return -1;
  return fd;
}

}  // namespace

void bind_console(std::istream& in, std::ostream& out) {
  table().bind(in, out);
}
void bind_standard_console() {
  hold_closed_standard_descriptors();
  table().bind(std::cin, std::cout);
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
  if (unit == 5) table().flush_console();
  return bounded_line(*it->second.in);
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
  Unit u;
  if (ac == "write") {
    // A sequential file written from its start loses what followed. A FIFO
    // that nobody reads is refused rather than waited for.
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0 || !blocking(fd)) return false;
    auto f = std::make_unique<FileOut>(fd);
    u.file_out = f.get();
    u.buf = std::move(f);
    u.stream = std::make_unique<std::iostream>(u.buf.get());
    u.out = u.stream.get();
  } else {
    // Without an action the file is read; with a status that allows it, a
    // missing one is created first. Nothing here writes to such a unit.
    const bool create = ac != "read" && st != "old" && !exists;
    int fd = open_for_reading(path, create);
    if (fd < 0) return false;
    auto f = std::make_unique<FdBuf>(fd, std::ios::in, kFileBuffer);
    if (!f->is_open()) {
      close(fd);
      return false;
    }
    u.buf = std::move(f);
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
  const int error = it->second.file_out ? it->second.file_out->close() : 0;
  units.erase(it);
  return error;
}

int unit_write_error(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() && it->second.file_out ? it->second.file_out->error() : 0;
}

std::string unit_file_name(int unit) {
  auto& units = table().units;
  auto it = units.find(unit);
  return it != units.end() ? it->second.name : std::string();
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
  return table().console_failed || file_output_lost;
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

}  // namespace gral
