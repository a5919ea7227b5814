// The program's signals. SIGINT, SIGTERM and SIGHUP are recorded rather than
// obeyed at once, so that the run can finish its plot file first and then
// die by the signal, as the shell expects of a program it interrupted.
// SIGPIPE and SIGXFSZ are ignored, so a lost console or a file at its size
// limit is a failed write. A signal ignored when the program started (nohup,
// a script's background job) stays ignored, for the program and its children.
//
// Every wait of the run is a poll of the descriptor it waits on together
// with a wake pipe that the handler writes a byte into. A signal that comes
// before the poll leaves the byte there and the poll returns at once; one
// that comes during the poll ends it; one that comes as the poll returns is
// seen in the record read after it. So a wait never outlives an interrupt,
// and the call that follows a wait (a read of what is there, a write into
// a descriptor of the program's own that never blocks) cannot wait either.
#pragma once

#include <poll.h>
#include <signal.h>

namespace gral {

// From here on the three interrupts are recorded instead of ending the
// process; the first one decides, the others are held off while it is
// recorded. SIGCHLD gets its default back, so the run can wait for its own
// children whatever its parent ignored. Until release_interrupts, which puts
// back what was there before.
void catch_interrupts();
void release_interrupts();
// The first interrupt since catch_interrupts; 0 while none came.
int interrupt_signal();

// How a wait ended. A wait that failed is never taken for one that is ready.
enum class Wait { ready, interrupted, failed };

// Waits until fd is ready for events (or has hung up, or is in error, for
// the read or write that follows to tell). Interrupted when an interrupt is
// recorded before the wait, during it or as it returns: then nothing is
// left to wait on, however long fd would keep the program waiting.
Wait await_ready(int fd, short events);
// What fd is ready for at this moment (poll's revents, a hang-up and an
// error included), without waiting; 0 when nothing or the look failed. A
// look cannot hold up an interrupt, so it is made whether one is recorded or
// not: it says nothing of the read or write that follows it.
short ready_now(int fd, short events);

// The keyboard's terminal has hung up: that is SIGHUP, whichever of the
// hang-up and the signal (which an interactive shell passes on later)
// reaches the run first. Recorded as that interrupt unless one already is,
// or unless SIGHUP is ignored: then the hang-up stays the end of input.
void record_hangup();

// SIGPIPE and SIGXFSZ ignored from now on, unless they were already.
void ignore_write_signals();
// The signals the program ignores that its children must have at their
// default: those it ignored itself, not those it was started with ignored.
sigset_t signals_for_children_to_default();

// After an interrupt, with everything finished: the signal at its default
// and raised, so the process dies by it. Returns when none came.
void die_by_interrupt();

}  // namespace gral
