#include "gral/fdbuffers.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

#include "gral/signals.h"
#include "gral/units.h"

namespace gral {
namespace {

// A descriptor that can keep a reader or writer waiting: anything but a
// regular file or a device that is no terminal.
bool can_keep_waiting(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return false;
  return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || (S_ISCHR(st.st_mode) && isatty(fd));
}

// How much of `want` a shared descriptor takes at once, now that it takes
// output: what a pipe has room for, else one piece that a pipe or terminal
// takes whole.
std::size_t taken_at_once(int fd, std::size_t want) {
  int queued = 0;
  const int size = fcntl(fd, F_GETPIPE_SZ);
  if (size > 0 && ioctl(fd, FIONREAD, &queued) == 0 && size > queued)
    return std::min(want, static_cast<std::size_t>(size - queued));
  return std::min<std::size_t>(want, PIPE_BUF);
}

}  // namespace

FdIn::FdIn(int fd, bool owned)
    : fd_(fd),
      owned_(owned),
      can_wait_(can_keep_waiting(fd)),
      buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {}

FdIn::~FdIn() {
  if (owned_) ::close(fd_);
}

void FdIn::give_back() {
  const auto unused = egptr() - gptr();
  if (unused > 0 && lseek(fd_, -unused, SEEK_CUR) >= 0) setg(eback(), egptr(), egptr());
}

FdIn::int_type FdIn::underflow() {
  const auto wait = [this] {
    flush_units();
    return await_ready(fd_, POLLIN);
  };
  for (;;) {
    if (can_wait_) {
      // Once an interrupt is recorded, no read that could wait is started.
      if (interrupt_signal() != 0) return traits_type::eof();
      // The keyboard's descriptor blocks: it is read only when it has input.
      if (!owned_ && !ready_now(fd_, POLLIN) && wait() != Wait::ready) return traits_type::eof();
    }
    const ssize_t n = ::read(fd_, buf_.get(), kFileBuffer);
    if (n > 0) {
      setg(buf_.get(), buf_.get(), buf_.get() + n);
      return traits_type::to_int_type(*gptr());
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN && wait() == Wait::ready) continue;
    return traits_type::eof();
  }
}

FileOut::FileOut(int fd, bool owned, Mode mode)
    : fd_(fd), owned_(owned), mode_(mode), buf_(std::make_unique_for_overwrite<char[]>(kFileBuffer)) {
  setp(buf_.get(), buf_.get() + kFileBuffer);
}

FileOut::~FileOut() {
  close();
}

int FileOut::take_unreported() {
  if (error_ == 0 || reported_) return 0;
  reported_ = true;
  return error_;
}

int FileOut::close() {
  if (fd_ < 0) return error_;
  drain();
  if (owned_ && ::close(fd_) != 0 && error_ == 0) lost(errno);
  fd_ = -1;
  return error_;
}

FileOut::int_type FileOut::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FileOut::sync() {
  return drain() ? 0 : -1;
}

ssize_t FileOut::put(const char* p, std::size_t n) {
  switch (mode_) {
    case Mode::socket:
      return ::send(fd_, p, n, MSG_DONTWAIT | MSG_NOSIGNAL);
    case Mode::shared:
      return ::write(fd_, p, taken_at_once(fd_, n));
    default:
      return ::write(fd_, p, n);
  }
}

// The buffer is emptied whether its bytes reach the file or not.
bool FileOut::drain() {
  const char* p = pbase();
  auto left = static_cast<std::size_t>(pptr() - pbase());
  setp(buf_.get(), buf_.get() + kFileBuffer);
  while (left > 0 && error_ == 0) {
    // A blocking descriptor is written only once it takes output, and only
    // what it takes then; an interrupt ends the wait for it.
    if (mode_ == Mode::shared) {
      if (const Wait w = await_ready(fd_, POLLOUT); w != Wait::ready) {
        lost(w == Wait::interrupted ? EINTR : errno);
        break;
      }
    }
    const ssize_t n = put(p, left);
    if (n > 0) {
      p += n;
      left -= static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const Wait w = await_ready(fd_, POLLOUT);
      if (w == Wait::ready) continue;
      lost(w == Wait::interrupted ? EINTR : errno);
      break;
    }
    lost(n < 0 ? errno : EIO);
  }
  return error_ == 0;
}

void FileOut::lost(int e) {
  error_ = e;
  note_lost_output();
}

std::unique_ptr<FileOut> file_output(int fd) {
  struct stat st {};
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  return std::make_unique<FileOut>(fd, true, regular ? FileOut::Mode::plain : FileOut::Mode::own);
}

std::unique_ptr<FileOut> console_output(int fd) {
  struct stat st {};
  if (!can_keep_waiting(fd) || fstat(fd, &st) != 0)
    return std::make_unique<FileOut>(fd, false, FileOut::Mode::plain);
  if (S_ISSOCK(st.st_mode)) return std::make_unique<FileOut>(fd, false, FileOut::Mode::socket);
  // The same pipe, FIFO or terminal opened again: a description whose mode
  // is the console's alone. A FIFO or pipe whose reader has gone cannot be
  // opened so; writes to the shared one then fail as they must.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const int own = open(self.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (own >= 0) return std::make_unique<FileOut>(own, true, FileOut::Mode::own);
  return std::make_unique<FileOut>(fd, false, FileOut::Mode::shared);
}

}  // namespace gral
