// The two system calls through which the run waits on a descriptor and
// reads its answers. Tests replace them to put a signal into one chosen
// call (before it, during it, as it returns) or to make it fail; the
// program itself never does.
#pragma once

#include <poll.h>
#include <sys/types.h>

#include <cstddef>

namespace gral::seams {

using PollCall = int (*)(pollfd*, nfds_t, int);
using ReadCall = ssize_t (*)(int, void*, std::size_t);

// Each returns the call it replaces; nullptr brings the system's own back.
PollCall replace_poll_call(PollCall call);
ReadCall replace_read_call(ReadCall call);

// The calls in use.
int poll(pollfd* fds, nfds_t n, int timeout);
ssize_t read(int fd, void* buf, std::size_t n);

}  // namespace gral::seams
