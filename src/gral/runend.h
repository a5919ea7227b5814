// The one way a run ends, and what the console does when its input ends.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace gral {

// Thrown to end the run; caught only by the program's entry function, whose
// exit status it carries.
struct RunEnd {
  int status;
};

// What ending the run must do that only higher layers know how to do. The
// general library calls up through these and never links upwards.
struct RunEndHooks {
  std::function<void()> finish_plot;  // stroke, close the page, trailer, %%EOF
  std::function<void()> trailer;      // the program trailer and closing picture
};
RunEndHooks& run_end_hooks();

// Finishes an open plot file, prints the trailer when asked, closes every
// file and throws RunEnd.
[[noreturn]] void end_run(int status, bool with_trailer);

// Exit status when the keyboard's input ends while a question awaits an
// answer: 1, except while the main program reads its menu choice (0).
void set_end_of_input_status(int status);
int end_of_input_status();

// Reads the answer to a question on an input unit. At the end of a command
// file that did not close itself, the file is closed as by "EXIT COMMAND FILE
// AND CONTINUE" and nullopt is returned: the question is to be asked again,
// now from the keyboard. At the end of the keyboard's input the run ends, and
// so it does after an interrupt, with 128 + the signal as its status.
std::optional<std::string> read_answer(int unit);

// A read that only waits for Return: any line, or the end of input, ends it.
void read_pause(int unit);

}  // namespace gral
