#include "gral/seams.h"

#include <unistd.h>

namespace gral::seams {
namespace {
PollCall poll_call = ::poll;
ReadCall read_call = ::read;
}  // namespace

PollCall replace_poll_call(PollCall call) {
  const PollCall previous = poll_call;
  poll_call = call ? call : ::poll;
  return previous;
}

ReadCall replace_read_call(ReadCall call) {
  const ReadCall previous = read_call;
  read_call = call ? call : ::read;
  return previous;
}

int poll(pollfd* fds, nfds_t n, int timeout) {
  return poll_call(fds, n, timeout);
}

ssize_t read(int fd, void* buf, std::size_t n) {
  return read_call(fd, buf, n);
}

}  // namespace gral::seams
