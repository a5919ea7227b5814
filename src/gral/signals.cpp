#include "gral/signals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>

namespace gral {
namespace {

// The interrupt recorded by the handler, and the pipe it writes a byte into
// so that a wait sees it even when the signal came between the caller's look
// at the record and its wait.
volatile std::sig_atomic_t interrupted = 0;
int wake_read = -1, wake_write = -1;

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};
struct Kept {
  struct sigaction before {};
  bool changed = false;
};
Kept kept_interrupts[std::size(kInterrupts)];
Kept kept_child;
bool catching = false;

constexpr int kWriteSignals[] = {SIGPIPE, SIGXFSZ};
sigset_t ignored_here;
bool write_signals_ignored = false;

extern "C" void record_interrupt(int sig) {
  const int saved = errno;
  if (interrupted == 0) interrupted = sig;
  if (wake_write >= 0) (void)!::write(wake_write, "!", 1);
  errno = saved;
}

// A descriptor numbered 3 or above: with a standard descriptor closed, the
// pipe would take its number and the console would read or write the pipe.
int above_standard(int fd) {
  if (fd > 2) return fd;
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  close(fd);
  return moved;
}

bool ignored(int sig) {
  struct sigaction now {};
  return sigaction(sig, nullptr, &now) == 0 && now.sa_handler == SIG_IGN;
}

// Polls fd for events, with the wake pipe beside it; true when fd is
// ready, false when the wait ended by an interrupt.
bool await(int fd, short events) {
  pollfd p[2] = {{fd, events, 0}, {wake_read, POLLIN, 0}};
  for (;;) {
    if (interrupted != 0) return false;
    const int n = poll(p, wake_read >= 0 ? 2 : 1, -1);
    if (n < 0 && errno == EINTR) continue;
    // A failed poll leaves it to the read or write to tell what is wrong.
    if (n < 0 || p[0].revents != 0) return true;
  }
}

}  // namespace

void catch_interrupts() {
  release_interrupts();
  if (wake_read < 0) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
      wake_read = above_standard(ends[0]);
      wake_write = above_standard(ends[1]);
    }
  }
  // What an earlier run's interrupt left in the pipe would wake every wait.
  char drained[64];
  while (wake_read >= 0 && ::read(wake_read, drained, sizeof drained) > 0) {
  }
  interrupted = 0;
  struct sigaction action {};
  action.sa_handler = record_interrupt;
  // The first signal decides: the others wait until it is recorded.
  sigemptyset(&action.sa_mask);
  for (int sig : kInterrupts) sigaddset(&action.sa_mask, sig);
  // No SA_RESTART: a write that cannot go on (a console nobody reads) must
  // give way to the signal instead of being started again.
  action.sa_flags = 0;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k) {
    Kept& kept = kept_interrupts[k];
    kept.changed = !ignored(kInterrupts[k]) && sigaction(kInterrupts[k], &action, &kept.before) == 0;
  }
  // A parent that ignores SIGCHLD would have the run's own children reaped
  // before the run can wait for them.
  struct sigaction child {};
  child.sa_handler = SIG_DFL;
  sigemptyset(&child.sa_mask);
  kept_child.changed = ignored(SIGCHLD) && sigaction(SIGCHLD, &child, &kept_child.before) == 0;
  catching = true;
}

void release_interrupts() {
  if (!catching) return;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k)
    if (kept_interrupts[k].changed) sigaction(kInterrupts[k], &kept_interrupts[k].before, nullptr);
  if (kept_child.changed) sigaction(SIGCHLD, &kept_child.before, nullptr);
  catching = false;
}

int interrupt_signal() {
  return interrupted;
}

bool await_input(int fd) {
  return await(fd, POLLIN);
}

bool await_output(int fd) {
  if (await(fd, POLLOUT)) return true;
  pollfd p{fd, POLLOUT, 0};
  return poll(&p, 1, 0) > 0;
}

void ignore_write_signals() {
  if (write_signals_ignored) return;
  write_signals_ignored = true;
  sigemptyset(&ignored_here);
  for (int sig : kWriteSignals) {
    if (ignored(sig)) continue;
    std::signal(sig, SIG_IGN);
    sigaddset(&ignored_here, sig);
  }
}

sigset_t signals_for_children_to_default() {
  ignore_write_signals();
  return ignored_here;
}

void die_by_interrupt() {
  const int sig = interrupted;
  if (sig == 0) return;
  std::signal(sig, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(sig);
}

}  // namespace gral
