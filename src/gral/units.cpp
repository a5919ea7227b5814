#include "gral/units.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <ostream>

#include "gral/signals.h"

namespace gral {
namespace {

// A record longer than this is cut here and the rest of its line skipped, so
// memory stays the same whatever a file or the keyboard holds.
constexpr std::size_t kRecordKept = 64 * 1024;
// A "line" that has not ended after this many characters is not a line (a
// device or a file of zeros): the input counts as ended.
constexpr std::size_t kLineGiveUp = 16 * 1024 * 1024;
constexpr std::size_t kFileBuffer = 64 * 1024;

// Set when output is lost, on the console or in a file; cleared when the
// console is bound.
bool output_was_lost = false;

// The input buffer of the keyboard and of file units over their descriptor.
// Only a read that would wait gives way to an interrupt, so a file of the
// run's own is read to its end whatever came. A descriptor of the program's
// own (a file unit) stays non-blocking, so a FIFO whose writer never came
// ends at once; the keyboard's is shared with the shell and keeps its mode,
// so it is read only once it has input. Before either waits, what the run
// has written is written through: the question is on the screen and a
// viewer shows what is drawn, while answers already there cost no write.
class FdIn : public std::streambuf {
 public:
  FdIn(int fd, bool owned)
      : fd_(fd), owned_(owned), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {}
  ~FdIn() override {
    if (owned_) ::close(fd_);
  }
  FdIn(const FdIn&) = delete;
  FdIn& operator=(const FdIn&) = delete;

  // Whether the end of input last given was an interrupt's, not the file's.
  bool ended_by_interrupt() const { return interrupted_; }
  // What was read ahead and not used goes back to a file that can seek, for
  // the next program that reads it.
  void give_back() {
    const auto unused = egptr() - gptr();
    if (unused > 0 && lseek(fd_, -unused, SEEK_CUR) >= 0) setg(eback(), egptr(), egptr());
  }

 protected:
  int_type underflow() override {
    interrupted_ = false;
    for (;;) {
      if (!owned_ && !has_input() && !wait()) return traits_type::eof();
      const ssize_t n = ::read(fd_, buf_.get(), kFileBuffer);
      if (n > 0) {
        setg(buf_.get(), buf_.get(), buf_.get() + n);
        return traits_type::to_int_type(*gptr());
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN && wait()) continue;
      return traits_type::eof();
    }
  }

 private:
  bool has_input() const {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, 0) != 0;
  }
  bool wait() {
    flush_units();
    interrupted_ = !await_input(fd_);
    return !interrupted_;
  }

  int fd_;
  bool owned_;
  bool interrupted_ = false;
  std::unique_ptr<char[]> buf_;
};

// How much of `want` a descriptor that can keep the program waiting takes at
// once, now that it takes output: what a pipe has room for, else one piece
// that a pipe or terminal takes whole.
std::size_t taken_at_once(int fd, std::size_t want) {
  int queued = 0;
  const int size = fcntl(fd, F_GETPIPE_SZ);
  if (size > 0 && ioctl(fd, FIONREAD, &queued) == 0 && size > queued)
    return std::min(want, static_cast<std::size_t>(size - queued));
  return std::min<std::size_t>(want, PIPE_BUF);
}

// The output buffer of the console and of file units over their descriptor.
// It keeps the error of the first write that failed, and whether that loss
// was reported: a library buffer forgets why, and a file that could not be
// written must be reported once, with the reason. Once output is lost,
// nothing more is written, so the file ends where the medium ended it. A
// pipe, FIFO or terminal is written only as far as it takes output without
// waiting through an interrupt: after one, what it does not take at once is
// dropped.
class FileOut : public std::streambuf {
 public:
  FileOut(int fd, bool owned)
      : fd_(fd), owned_(owned), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {
    struct stat st {};
    waits_ = fstat(fd, &st) != 0 || !S_ISREG(st.st_mode);
    setp(buf_.get(), buf_.get() + kFileBuffer);
  }
  ~FileOut() override { close(); }
  FileOut(const FileOut&) = delete;
  FileOut& operator=(const FileOut&) = delete;

  int error() const { return error_; }
  // The error the first time it is asked for after the loss; 0 otherwise.
  int take_unreported() {
    if (error_ == 0 || reported_) return 0;
    reported_ = true;
    return error_;
  }
  // Writes what is pending and closes the descriptor (when it is the
  // unit's own), once; the first error.
  int close() {
    if (fd_ < 0) return error_;
    drain();
    if (owned_ && ::close(fd_) != 0 && error_ == 0) lost(errno);
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
      if (waits_ && !await_output(fd_)) {
        lost(EINTR);
        break;
      }
      const ssize_t n = ::write(fd_, p, waits_ ? taken_at_once(fd_, left) : left);
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
    output_was_lost = true;
  }

  int fd_;
  bool owned_;
  bool waits_ = false;
  int error_ = 0;
  bool reported_ = false;
  std::unique_ptr<char[]> buf_;
};

// Which file a descriptor reaches, whatever name led to it: a file, a pipe
// or a terminal, that a write would cut short or mix into. Other devices
// (/dev/null) are shared by every run and hold nothing.
struct FileId {
  dev_t dev = 0;
  ino_t ino = 0;
  bool operator==(const FileId&) const = default;
};
std::optional<FileId> held_file_id(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return std::nullopt;
  if (S_ISCHR(st.st_mode) ? !isatty(fd)
                          : !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
    return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

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
    int held = open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      dup2(held, fd);
      close(held);
    }
  }
}

// The keyboard and the screen as the process's standard input and output.
FdIn& standard_input_buffer() {
  static FdIn buf(0, false);
  return buf;
}
std::istream& standard_input() {
  static std::istream in(&standard_input_buffer());
  return in;
}
std::ostream& standard_output() {
  static FileOut buf(1, false);
  static std::ostream out(&buf);
  return out;
}

struct Table {
  std::map<int, Unit> units;
  bool console_failed = false;
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
    bind(standard_input(), standard_output());
    units[5].id = held_file_id(0);
    units[6].id = held_file_id(1);
  }
  // Whether a unit holds the file open; only those that write it, or any.
  bool holds(const FileId& id, bool writing_only) const {
    for (const auto& [n, u] : units)
      if ((u.out || (u.in && !writing_only)) && u.id == id) return true;
    return false;
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
  const bool ended = !is.fail() && !is.eof();
  Line line{std::string(kept, got - (ended ? 1 : 0)), is.fail()};
  if (ended && !line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  if (is.eof()) {
    const auto* fd = dynamic_cast<const FdIn*>(is.rdbuf());
    if (fd && fd->ended_by_interrupt()) return std::nullopt;
  }
  if (line.cut) {
    is.clear(is.rdstate() & ~std::ios::failbit);
    is.ignore(kLineGiveUp + 1, '\n');
    if (is.gcount() > static_cast<std::streamsize>(kLineGiveUp)) {
      is.setstate(std::ios::failbit);
      return std::nullopt;
    }
  }
  return line;
}

// Reads and writes wait again once the file is open. When that cannot be
// set, the descriptor is closed and false returned.
bool make_blocking_or_close(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) return true;
  close(fd);
  return false;
}

// Opens a file for reading without ever waiting: a FIFO without a writer
// reads as empty, as the descriptor stays non-blocking. Only a regular file
// or a pipe is accepted; a directory or a device is refused as a file that
// cannot be opened, and so is a file the run is writing (its own plot file
// read back as answers would never end).
int open_for_reading(const std::string& path, bool create) {
  if (create) {
    int made = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (made < 0) return -1;
    close(made);
  }
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  const auto id = held_file_id(fd);
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode)) ||
      (id && table().holds(*id, true))) {
    close(fd);
    return -1;
  }
  return fd;
}

// Opens a file to be written from its start. A file the run holds open is
// refused: cut short under its reader, or mixed into a file being written.
// The file is compared as opened, and cut to nothing only then, so a name
// swapped in between cannot make the file in use lose its text. A FIFO that
// nobody reads is refused rather than waited for.
int open_for_writing(const std::string& path) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat st {};
  const auto id = held_file_id(fd);
  if (fstat(fd, &st) != 0 || (id && table().holds(*id, false)) ||
      (S_ISREG(st.st_mode) && ftruncate(fd, 0) != 0)) {
    close(fd);
    return -1;
  }
  return make_blocking_or_close(fd) ? fd : -1;
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
  if (path.empty()) return false;
  std::error_code ec;
  bool exists = fs::exists(path, ec);
  if (fs::is_directory(path, ec)) return false;
  if (st == "old" && !exists) return false;
  if (st == "new" && exists) return false;
  Unit u;
  if (ac == "write") {
    const int fd = open_for_writing(path);
    if (fd < 0) return false;
    u.id = held_file_id(fd);
    auto f = std::make_unique<FileOut>(fd, true);
    u.file_out = f.get();
    u.buf = std::move(f);
    u.stream = std::make_unique<std::iostream>(u.buf.get());
    u.out = u.stream.get();
  } else {
    // Without an action the file is read; with a status that allows it, a
    // missing one is created first. Nothing here writes to such a unit.
    const bool create = ac != "read" && st != "old" && !exists;
    const int fd = open_for_reading(path, create);
    if (fd < 0) return false;
    u.id = held_file_id(fd);
    u.buf = std::make_unique<FdIn>(fd, true);
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
  standard_input_buffer().give_back();
}

}  // namespace gral
