#include "gral/signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>

#include "gral/seams.h"

namespace gral {
namespace {

// The interrupt recorded by the handler, and the pipe it writes a byte into
// so that a wait sees it even when the signal came between the caller's look
// at the record and its wait.
volatile std::sig_atomic_t interrupted = 0;
int wake_read = -1, wake_write = -1;

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};
// A disposition the program replaced, to be put back on release.
struct ReplacedAction {
  struct sigaction before {};
  bool replaced = false;
};
ReplacedAction interrupt_actions[std::size(kInterrupts)];
ReplacedAction child_action;
bool catching = false;

constexpr int kWriteSignals[] = {SIGPIPE, SIGXFSZ};
sigset_t ignored_by_the_program;
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

void drain_wake_pipe() {
  char drained[64];
  while (wake_read >= 0 && ::read(wake_read, drained, sizeof drained) > 0) {
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
  drain_wake_pipe();
  interrupted = 0;
  struct sigaction action {};
  action.sa_handler = record_interrupt;
  // The first signal decides: the others wait until it is recorded.
  sigemptyset(&action.sa_mask);
  for (int sig : kInterrupts) sigaddset(&action.sa_mask, sig);
  // No SA_RESTART: a call that blocks where the program could not help it
  // (a read whose input another reader took) must give way to the signal
  // instead of being started again.
  action.sa_flags = 0;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k) {
    ReplacedAction& r = interrupt_actions[k];
    r.replaced = !ignored(kInterrupts[k]) && sigaction(kInterrupts[k], &action, &r.before) == 0;
  }
  // A parent that ignores SIGCHLD would have the run's own children reaped
  // before the run can wait for them.
  struct sigaction child {};
  child.sa_handler = SIG_DFL;
  sigemptyset(&child.sa_mask);
  child_action.replaced = ignored(SIGCHLD) && sigaction(SIGCHLD, &child, &child_action.before) == 0;
  catching = true;
}

void release_interrupts() {
  if (!catching) return;
  for (std::size_t k = 0; k < std::size(kInterrupts); ++k)
    if (interrupt_actions[k].replaced) sigaction(kInterrupts[k], &interrupt_actions[k].before, nullptr);
  if (child_action.replaced) sigaction(SIGCHLD, &child_action.before, nullptr);
  catching = false;
}

int interrupt_signal() {
  return interrupted;
}

Wait await_ready(int fd, short events) {
  pollfd p[2] = {{fd, events, 0}, {wake_read, POLLIN, 0}};
  for (;;) {
    if (interrupted != 0) return Wait::interrupted;
    const int got = seams::poll(p, wake_read >= 0 ? 2 : 1, -1);
    if (interrupted != 0) return Wait::interrupted;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Wait::failed;
    if (p[0].revents != 0) return Wait::ready;
    // A byte with no interrupt recorded is a stale one: it must not wake
    // every wait from now on.
    if (p[1].revents != 0) drain_wake_pipe();
  }
}

short ready_now(int fd, short events) {
  pollfd p{fd, events, 0};
  return seams::poll(&p, 1, 0) > 0 ? p.revents : 0;
}

void record_hangup() {
  std::size_t k = 0;
  while (kInterrupts[k] != SIGHUP) ++k;
  if (!catching || !interrupt_actions[k].replaced) return;
  // The handler may record a signal meanwhile: the first one decides.
  sigset_t all, before;
  sigemptyset(&all);
  for (int sig : kInterrupts) sigaddset(&all, sig);
  sigprocmask(SIG_BLOCK, &all, &before);
  if (interrupted == 0) interrupted = SIGHUP;
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

void ignore_write_signals() {
  if (write_signals_ignored) return;
  write_signals_ignored = true;
  sigemptyset(&ignored_by_the_program);
  for (int sig : kWriteSignals) {
    if (ignored(sig)) continue;
    std::signal(sig, SIG_IGN);
    sigaddset(&ignored_by_the_program, sig);
  }
}

sigset_t signals_for_children_to_default() {
  ignore_write_signals();
  return ignored_by_the_program;
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
