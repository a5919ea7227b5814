// The program's signals. SIGINT, SIGTERM and SIGHUP are recorded rather than
// obeyed at once, so that the run can finish its plot file first and then
// die by the signal, as the shell expects of a program it interrupted.
// SIGPIPE and SIGXFSZ are ignored, so a lost console or a file at its size
// limit is a failed write. A signal ignored when the program started (nohup,
// a script's background job) stays ignored, for the program and its children.
#pragma once

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

// Waits until fd has input; false, without waiting, once an interrupt has
// been recorded, however long fd would keep the program waiting.
bool await_input(int fd);
// Waits until fd takes output. After an interrupt it does not wait: false
// when fd would not take the output at once (a pipe nobody reads).
bool await_output(int fd);

// SIGPIPE and SIGXFSZ ignored from now on, unless they were already.
void ignore_write_signals();
// The signals the program ignores that its children must have at their
// default: those it ignored itself, not those it was started with ignored.
sigset_t signals_for_children_to_default();

// After an interrupt, with everything finished: the signal at its default
// and raised, so the process dies by it. Returns when none came.
void die_by_interrupt();

}  // namespace gral
