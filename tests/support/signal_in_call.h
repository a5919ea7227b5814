// Puts an interrupt into one chosen call of the run's, a look, a wait or a
// read, as the kernel delivers one there: before the call (the handler has
// run when it starts), during it (it fails with EINTR), or as it returns
// (its own result, the handler run on the way out); or none, for what else
// comes with the call (input that arrives, is emptied or is taken by
// another reader, a terminal that hangs up), or a failure of the call
// itself. Every other call is the system's own. A wait that would outlive a
// recorded interrupt or a placed failure is cut short after a second and
// counted, so such a fault is a failed expectation, not a test that hangs.
#pragma once

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "gral/seams.h"
#include "gral/signals.h"

namespace testing_support {

enum class When { before, during, as_it_returns, never };
// A look is a poll that does not wait (timeout 0), a wait one that does.
enum class Call { look, wait, read };

struct Placement {
  When when = When::during;
  Call call = Call::wait;
  int fd = -1;                      // the descriptor polled first or read; -1 for any
  std::function<void()> with = {};  // what comes before the call: input, its end
  std::function<void()> then = {};  // what comes as the call returns
  int fails_with = 0;               // the call fails with this error, nothing done
  // Not SIGINT: a test run in a script's background starts with it ignored.
  int signal = SIGTERM;
};

class SignalInCall {
 public:
  explicit SignalInCall(Placement p) : p_(std::move(p)) {
    current = this;
    previous_poll_ = gral::seams::replace_poll_call(&poll);
    previous_read_ = gral::seams::replace_read_call(&read);
  }
  ~SignalInCall() {
    gral::seams::replace_poll_call(previous_poll_);
    gral::seams::replace_read_call(previous_read_);
    current = nullptr;
  }
  SignalInCall(const SignalInCall&) = delete;
  SignalInCall& operator=(const SignalInCall&) = delete;

  bool placed() const { return placed_; }
  int waits_outliving_the_interrupt() const { return outlived_; }

 private:
  template <class Real>
  static auto place(Call call, int fd, Real real) -> decltype(real()) {
    SignalInCall& s = *current;
    const bool chosen = !s.placed_ && s.p_.call == call && (s.p_.fd < 0 || fd == s.p_.fd);
    if (chosen) {
      s.placed_ = true;
      if (s.p_.with) s.p_.with();
      if (s.p_.when == When::before || s.p_.when == When::during) raise(s.p_.signal);
      if (s.p_.when == When::during || s.p_.fails_with != 0) {
        errno = s.p_.when == When::during ? EINTR : s.p_.fails_with;
        return -1;
      }
    }
    const auto got = real();
    const int error = errno;
    if (chosen && s.p_.then) s.p_.then();
    if (chosen && s.p_.when == When::as_it_returns) raise(s.p_.signal);
    errno = error;
    return got;
  }
  static int poll(pollfd* fds, nfds_t n, int timeout) {
    SignalInCall& s = *current;
    return place(timeout == 0 ? Call::look : Call::wait, n > 0 ? fds[0].fd : -1, [&] {
      const bool after = gral::interrupt_signal() != 0 || (s.placed_ && s.p_.fails_with != 0);
      const int got = ::poll(fds, n, after && (timeout < 0 || timeout > 1000) ? 1000 : timeout);
      if (after && got == 0 && timeout != 0) ++s.outlived_;
      return got;
    });
  }
  static ssize_t read(int fd, void* buf, std::size_t n) {
    return place(Call::read, fd, [&] { return ::read(fd, buf, n); });
  }

  static inline SignalInCall* current = nullptr;
  Placement p_;
  gral::seams::PollCall previous_poll_ = nullptr;
  gral::seams::ReadCall previous_read_ = nullptr;
  bool placed_ = false;
  int outlived_ = 0;
};

}  // namespace testing_support
