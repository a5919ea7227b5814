#include "gral/fdbuffers.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "gral/filesinuse.h"
#include "gral/seams.h"
#include "gral/signals.h"

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
// output: what a pipe has room for; a terminal that polls writable has
// room for one character at least and for no more that the program can
// know, and more than its room would keep the write waiting.
std::size_t taken_at_once(int fd, std::size_t want) {
  int queued = 0;
  const int size = fcntl(fd, F_GETPIPE_SZ);
  if (size > 0 && ioctl(fd, FIONREAD, &queued) == 0 && size > queued)
    return std::min(want, static_cast<std::size_t>(size - queued));
  return std::min<std::size_t>(want, 1);
}

// A descriptor the unit opened non-blocking.
Access file_access(int fd) {
  return can_keep_waiting(fd) ? Access::nonblocking : Access::plain;
}

// A standard descriptor is shared with the shell, whose mode must not
// change: a pipe, FIFO or terminal is used through a description of the
// program's own of the same file, where one can be had. Without one, a pipe
// is read with the kernel's no-wait flag; a FIFO or pipe whose reader has
// gone cannot be opened again, and writes to the shared one fail as they
// must.
struct Standard {
  int fd;
  bool owned;
  Access access;
};
Standard standard_access(int fd, int flags) {
  struct stat st {};
  if (!can_keep_waiting(fd) || fstat(fd, &st) != 0) return {fd, false, Access::plain};
  if (S_ISSOCK(st.st_mode)) return {fd, false, Access::socket};
  if (const int own = open_own_description(fd, flags); own >= 0) return {own, true, Access::nonblocking};
  const bool read_pipe = S_ISFIFO(st.st_mode) && flags == O_RDONLY;
  return {fd, false, read_pipe ? Access::pipe_nowait : Access::shared};
}

}  // namespace

FdIn::FdIn(int fd, bool owned, Access access, std::function<void()> before_waiting)
    : fd_(fd),
      owned_(owned),
      access_(access),
      terminal_(isatty(fd) != 0),
      before_waiting_(std::move(before_waiting)),
      buf_(std::make_unique_for_overwrite<char[]>(kStreamBuffer)) {}

FdIn::~FdIn() {
  if (owned_) ::close(fd_);
}

void FdIn::give_back() {
  const auto unused = egptr() - gptr();
  if (unused > 0 && lseek(fd_, -unused, SEEK_CUR) >= 0) setg(eback(), egptr(), egptr());
}

ssize_t FdIn::read_without_waiting() {
  switch (access_) {
    case Access::socket:
      return ::recv(fd_, buf_.get(), kStreamBuffer, MSG_DONTWAIT);
    case Access::pipe_nowait: {
      iovec into{buf_.get(), kStreamBuffer};
      return preadv2(fd_, &into, 1, -1, RWF_NOWAIT);
    }
    default:
      return seams::read(fd_, buf_.get(), kStreamBuffer);
  }
}

FdIn::int_type FdIn::underflow() {
  const auto wait = [this] {
    if (before_waiting_) before_waiting_();
    return await_ready(fd_, POLLIN) == Wait::ready;
  };
  for (;;) {
    // Once an interrupt is recorded, nothing more is taken from input that
    // could keep the run waiting.
    if (access_ != Access::plain && interrupt_signal() != 0) return traits_type::eof();
    // Where no description of the program's own can be had, a terminal's
    // blocking one is read only once a look found input; a read emptied
    // in between waits until the next line or signal.
    if (access_ == Access::shared) {
      if (ready_now(fd_, POLLIN) == 0 && !wait()) return traits_type::eof();
      if (interrupt_signal() != 0) return traits_type::eof();
    }
    const ssize_t n = read_without_waiting();
    if (n > 0) {
      setg(buf_.get(), buf_.get(), buf_.get() + n);
      return traits_type::to_int_type(*gptr());
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      if (wait()) continue;
      return traits_type::eof();
    }
    // A kernel without the no-wait flag for pipes.
    if (n < 0 && access_ == Access::pipe_nowait &&
        (errno == EOPNOTSUPP || errno == EINVAL || errno == ENOSYS)) {
      access_ = Access::shared;
      continue;
    }
    // The end of the input, unless a terminal hung up (typed Ctrl-D is no
    // hang-up).
    if (terminal_ && (ready_now(fd_, 0) & POLLHUP) != 0) record_hangup();
    return traits_type::eof();
  }
}

std::unique_ptr<FdIn> file_input(int fd, std::function<void()> before_waiting) {
  return std::make_unique<FdIn>(fd, true, file_access(fd), std::move(before_waiting));
}

std::unique_ptr<FdIn> keyboard_input(int fd, std::function<void()> before_waiting) {
  const Standard s = standard_access(fd, O_RDONLY);
  return std::make_unique<FdIn>(s.fd, s.owned, s.access, std::move(before_waiting));
}

FileOut::FileOut(int fd, bool owned, Access access, std::function<void()> on_loss)
    : fd_(fd),
      owned_(owned),
      access_(access),
      on_loss_(std::move(on_loss)),
      buf_(std::make_unique_for_overwrite<char[]>(kStreamBuffer)) {
  setp(buf_.get(), buf_.get() + kStreamBuffer);
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
  write_and_clear();
  if (owned_ && ::close(fd_) != 0 && error_ == 0) record_loss(errno);
  fd_ = -1;
  return error_;
}

FileOut::int_type FileOut::overflow(int_type c) {
  if (!write_and_clear()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FileOut::sync() {
  return write_and_clear() ? 0 : -1;
}

ssize_t FileOut::write_once(const char* p, std::size_t n) {
  switch (access_) {
    case Access::socket:
      return ::send(fd_, p, n, MSG_DONTWAIT | MSG_NOSIGNAL);
    case Access::shared:
      return ::write(fd_, p, taken_at_once(fd_, n));
    default:
      return ::write(fd_, p, n);
  }
}

// Until an interrupt, waits until the descriptor takes output; after one,
// only looks: the closing lines go out where there is room, and nothing
// waits for it. No room is a loss.
bool FileOut::await_room() {
  if (interrupt_signal() == 0) {
    const Wait w = await_ready(fd_, POLLOUT);
    if (w == Wait::ready) return true;
    if (w == Wait::failed) {
      record_loss(errno);
      return false;
    }
  }
  // A hang-up or an error is room too: the write tells what it is.
  if (ready_now(fd_, POLLOUT) != 0) return true;
  record_loss(EINTR);
  return false;
}

// The buffer is emptied whether its bytes reach the file or not.
bool FileOut::write_and_clear() {
  const char* p = pbase();
  auto left = static_cast<std::size_t>(pptr() - pbase());
  setp(buf_.get(), buf_.get() + kStreamBuffer);
  while (left > 0 && error_ == 0) {
    // A blocking descriptor is written only once it has room, and only what
    // it takes then.
    if (access_ == Access::shared && !await_room()) break;
    const ssize_t n = write_once(p, left);
    if (n > 0) {
      p += n;
      left -= static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (await_room()) continue;
      break;
    }
    record_loss(n < 0 ? errno : EIO);
  }
  return error_ == 0;
}

void FileOut::record_loss(int e) {
  error_ = e;
  if (on_loss_) on_loss_();
}

std::unique_ptr<FileOut> file_output(int fd, std::function<void()> on_loss) {
  return std::make_unique<FileOut>(fd, true, file_access(fd), std::move(on_loss));
}

std::unique_ptr<FileOut> console_output(int fd, std::function<void()> on_loss) {
  const Standard s = standard_access(fd, O_WRONLY);
  return std::make_unique<FileOut>(s.fd, s.owned, s.access, std::move(on_loss));
}

}  // namespace gral
