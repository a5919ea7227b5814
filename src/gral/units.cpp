#include "gral/units.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <iterator>
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

// Set when output of a file unit is lost; cleared when the console is bound.
bool file_output_lost = false;

// The interrupt recorded by the handler, and the pipe it writes a byte into
// so that a read about to wait sees it even when the signal came between
// its look at the record and its wait.
volatile std::sig_atomic_t interrupted = 0;
int wake_read = -1, wake_write = -1;
constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction before[std::size(kInterrupts)];
bool catching = false;

extern "C" void record_interrupt(int sig) {
  const int saved = errno;
  if (interrupted == 0) interrupted = sig;
  if (wake_write >= 0) (void)!::write(wake_write, "!", 1);
  errno = saved;
}

// Waits until fd has input, or an interrupt has been recorded.
void await_input(int fd) {
  pollfd p[2] = {{fd, POLLIN, 0}, {wake_read, POLLIN, 0}};
  while (interrupted == 0 && poll(p, wake_read >= 0 ? 2 : 1, -1) < 0 && errno == EINTR) {
  }
}

// The input buffer of the keyboard and of file units over their descriptor.
// A read that would wait gives way to an interrupt: the library's buffers
// retry an interrupted read and would wait on. A descriptor of the program's
// own (a file unit) stays non-blocking, so a FIFO whose writer never came
// ends at once; the keyboard's is shared with the shell and keeps its mode,
// so it is read only once it has input.
class FdIn : public std::streambuf {
 public:
  FdIn(int fd, bool owned)
      : fd_(fd), owned_(owned), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {}
  ~FdIn() override {
    if (owned_) ::close(fd_);
  }
  FdIn(const FdIn&) = delete;
  FdIn& operator=(const FdIn&) = delete;

 protected:
  int_type underflow() override {
    for (;;) {
      if (interrupted != 0) return traits_type::eof();
      if (!owned_) await_input(fd_);
      if (interrupted != 0) return traits_type::eof();
      const ssize_t n = ::read(fd_, buf_.get(), kFileBuffer);
      if (n > 0) {
        setg(buf_.get(), buf_.get(), buf_.get() + n);
        return traits_type::to_int_type(*gptr());
      }
      if (n == 0 || (errno != EINTR && errno != EAGAIN)) return traits_type::eof();
      if (errno == EAGAIN) await_input(fd_);
    }
  }

 private:
  int fd_;
  bool owned_;
  std::unique_ptr<char[]> buf_;
};

// The output buffer of a file unit over its descriptor. It keeps the error
// of the first write that failed, and whether that loss was reported: a
// library buffer forgets why, and a file that could not be written must be
// reported once, with the reason. Once output is lost, nothing more is
// written, so the file ends where the medium ended it.
class FileOut : public std::streambuf {
 public:
  explicit FileOut(int fd) : fd_(fd), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {
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
  bool reported_ = false;
  std::unique_ptr<char[]> buf_;
};

// Which file a descriptor reaches, whatever name led to it.
struct FileId {
  dev_t dev = 0;
  ino_t ino = 0;
  bool operator==(const FileId&) const = default;
};
std::optional<FileId> regular_file_id(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
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
  std::optional<FileId> id;  // while open, when it is a regular file
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

// The keyboard as the process's standard input.
std::istream& standard_input() {
  static FdIn buf(0, false);
  static std::istream in(&buf);
  return in;
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
    file_output_lost = false;
  }
  void bind_standard() {
    bind(standard_input(), std::cout);
    units[5].id = regular_file_id(0);
    units[6].id = regular_file_id(1);
  }
  bool holds(const FileId& id) const {
    for (const auto& [n, u] : units)
      if ((u.in || u.out) && u.id == id) return true;
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
// reads as empty, as the descriptor stays non-blocking. Only a regular file
// or a pipe is accepted; a directory or a device is refused as a file that
// cannot be opened.
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
  return fd;
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
  if (unit == 5) flush_units();
  return bounded_line(*it->second.in);
}

bool open_unit(int unit, const std::string& name, std::string_view status, std::string_view action) {
  namespace fs = std::filesystem;
  auto& units = table().units;
  if (unit == 5 || unit == 6) return false;
  close_unit(unit);
  units.erase(unit);
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
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && table().holds({info.st_dev, info.st_ino})) return false;
    // A sequential file written from its start loses what followed. A FIFO
    // that nobody reads is refused rather than waited for.
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0 || !blocking(fd)) return false;
    u.id = regular_file_id(fd);
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
    u.id = regular_file_id(fd);
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
  return table().console_failed || file_output_lost;
}

void note_lost_output() {
  file_output_lost = true;
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

void catch_interrupts() {
  if (wake_read < 0) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
      wake_read = ends[0];
      wake_write = ends[1];
    }
  }
  // What an earlier run's interrupt left in the pipe would wake every wait.
  char drained[64];
  while (wake_read >= 0 && ::read(wake_read, drained, sizeof drained) > 0) {
  }
  interrupted = 0;
  struct sigaction action {};
  action.sa_handler = record_interrupt;
  sigemptyset(&action.sa_mask);
  // Writes and waits for a command go on; a read about to wait looks at
  // the pipe as well.
  action.sa_flags = SA_RESTART;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k)
    sigaction(kInterrupts[k], &action, catching ? nullptr : &before[k]);
  catching = true;
}

void release_interrupts() {
  if (!catching) return;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k) sigaction(kInterrupts[k], &before[k], nullptr);
  catching = false;
}

int interrupt_signal() {
  return interrupted;
}

}  // namespace gral
