// The unit layer: the system's numbered units (5 keyboard, 6 screen, 15
// command file, 20 colour table, 50 plot file, 99 host-fact files) mapped to
// streams. Every record written or read by the system passes through here, so
// tests can bind units 5 and 6 to string streams and run whole dialogues.
// From the first use of the units on, a console pipe whose reader has gone
// and a file grown to the size limit make writes fail instead of ending the
// process by a signal. A console or file that would keep the program
// waiting through an interrupt has the output it does not take dropped.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace gral {

// Units 5 and 6 to the given streams (tests); every file unit is closed.
void bind_console(std::istream& in, std::ostream& out);
// Units 5 and 6 back to the process's standard input and output.
void bind_standard_console();

// Writes one record and its newline. Writing to a unit that is not open is
// silently dropped. False once output on the unit has been lost (a failed
// write or flush, now or before), so a writer sees a failure when it
// happens at the price of a test.
bool write_record(int unit, std::string_view record);

// Reads one record without its newline (and without a carriage return
// right before it or the end of input); nullopt at end of input or on a
// read error. A read that would wait gives way to an interrupt: nullopt at
// once; and once an interrupt is recorded, a line without its newline is no
// record, whether the input then ended or not. Before the keyboard, or a command file that is a
// pipe, keeps the program waiting, standard output and every file being
// written are written through, so the question is on the screen and a
// viewer shows what is drawn. A record keeps at most 64 KiB; the rest of its
// line is skipped.
std::optional<std::string> read_record(int unit);
// Whether the last record read on the unit was longer than what is kept: a
// number read from it would be what the cut left of it.
bool record_was_cut(int unit);
// What the keyboard read ahead and the run did not use is handed back to a
// standard input that can seek: the next command that reads it starts just
// after the last line the run read.
void give_back_unread_input();

// Opens a sequential text file on a unit. status: "old", "new", "unknown",
// "replace", "scratch"; action: "write", "read", or blank for reading with a
// missing file created first unless the status is "old". A file opened for
// reading must be a regular file or a pipe. Opening never waits: a FIFO
// without a writer reads as empty, one without a reader is not opened for
// writing. A file that the run holds open (the command file being
// replayed, the standard input, output or error, whether a file, a pipe or a
// terminal), reached by any name (/dev/tty for the terminal), is not opened
// for writing: it would be cut short under the reader. Nor is a file the run
// is writing opened for reading. A name holding a NUL byte names no file.
// Returns false when it cannot be opened.
bool open_unit(int unit, const std::string& name, std::string_view status, std::string_view action);
// Closes a unit, writing what is pending first. Gives the system's error
// number of the first failed write, flush or close of the file since it was
// opened (ENOSPC for a full disk, EFBIG beyond the file-size limit), 0 when
// every record reached it.
int close_unit(int unit);
bool unit_is_open(int unit);
// That error number, also once the unit is closed, until it is opened
// again; 0 while nothing was lost.
int unit_write_error(int unit);

// A file whose output was lost: its name as opened and that error number.
struct LostOutput {
  std::string name;
  int error = 0;
};
// The loss of a file unit's output, once: the first call after the loss
// (while the unit is open or after its closing) gives it, later ones give
// nullopt until the unit is opened again. A loss is reported once however
// many records it costs.
std::optional<LostOutput> unreported_loss(int unit);

// Writes pending output of every unit.
void flush_units();
// Whether output was lost since units 5 and 6 were bound: a console write
// failed (a full disk, a closed descriptor, a reader that has gone) or a
// write, flush or close of a file unit. Such a run cannot report success.
bool output_lost();
// Counts the run's output as lost when a file it had to write could not even
// be created.
void note_lost_output();
// Closes every file unit (5 and 6 stay bound).
void close_file_units();

}  // namespace gral
