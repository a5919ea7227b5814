// Puts an interrupt into one chosen poll of the run's, as the kernel
// delivers one there: before the call (the handler has run when the poll
// starts), during it (the poll fails with EINTR), or as it returns (the
// poll's own result, the handler run on the way out); or none, for what
// else comes with the call (input that arrives, or that another reader
// takes as the poll returns). Every other poll is
// the system's own. A wait that would outlive a recorded interrupt is cut
// short after a second and counted, so such a fault is a failed
// expectation, not a test that hangs.
#pragma once

#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <functional>

#include "gral/signals.h"

namespace testing_support {

enum class When { before, during, as_it_returns, never };

struct Placement {
  When when = When::during;
  bool wait = true;                 // a wait (a timeout other than 0), or a look (timeout 0)
  int fd = -1;                      // the descriptor polled first; -1 for any
  std::function<void()> with = {};  // what comes before the call: input, its end
  std::function<void()> then = {};  // what comes as the call returns
  // Not SIGINT: a test run in a script's background starts with it ignored.
  int signal = SIGTERM;
};

class SignalInPoll {
 public:
  explicit SignalInPoll(Placement p) : p_(std::move(p)) {
    current = this;
    previous_ = gral::replace_poll_call(&call);
  }
  ~SignalInPoll() {
    gral::replace_poll_call(previous_);
    current = nullptr;
  }
  SignalInPoll(const SignalInPoll&) = delete;
  SignalInPoll& operator=(const SignalInPoll&) = delete;

  bool placed() const { return placed_; }
  int waits_outliving_the_interrupt() const { return outlived_; }

 private:
  static int call(pollfd* fds, nfds_t n, int timeout) {
    SignalInPoll& s = *current;
    const bool chosen =
        !s.placed_ && (timeout != 0) == s.p_.wait && (s.p_.fd < 0 || (n > 0 && fds[0].fd == s.p_.fd));
    if (chosen) {
      s.placed_ = true;
      if (s.p_.with) s.p_.with();
      if (s.p_.when == When::before || s.p_.when == When::during) raise(s.p_.signal);
      if (s.p_.when == When::during) {
        errno = EINTR;
        return -1;
      }
    }
    const bool after = gral::interrupt_signal() != 0;
    const int got = ::poll(fds, n, after && (timeout < 0 || timeout > 1000) ? 1000 : timeout);
    const int error = errno;
    if (after && got == 0 && timeout != 0) ++s.outlived_;
    if (chosen && s.p_.then) s.p_.then();
    if (chosen && s.p_.when == When::as_it_returns) raise(s.p_.signal);
    errno = error;
    return got;
  }

  static inline SignalInPoll* current = nullptr;
  Placement p_;
  gral::PollCall previous_ = nullptr;
  bool placed_ = false;
  int outlived_ = 0;
};

}  // namespace testing_support
