// Which file a descriptor reaches, and the rules that keep the run from
// opening a file it already holds in the other direction: a file the run
// reads (a command file being replayed, the keyboard's file, pipe or
// terminal) or shows its console on is never opened for writing, which
// would cut it short under its reader or mix a plot into it; a file the run
// is writing is never read back as answers.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

namespace gral {

// A file, a pipe, a socket or a terminal, whatever name led to it. A
// terminal is the device it is, so /dev/tty, the controlling terminal, is
// the same terminal as the /dev/pts name it stands for.
struct FileId {
  bool terminal = false;
  dev_t dev = 0;
  ino_t ino = 0;
  bool operator==(const FileId&) const = default;
};
// The file fd reaches; nullopt for devices other than terminals (/dev/null
// is shared by every run and holds nothing) and when fd cannot be told.
std::optional<FileId> file_id(int fd);

// A description of the program's own of the file fd reaches, opened with
// flags and non-blocking, never as the controlling terminal, closed on exec;
// -1 when none can be had. It is used only when it is proved to be the same
// file: a pty master opened again is a new pair, and /dev/tty opened in
// another session is, opened again, the run's own terminal. A terminal of
// another user, which its name does not open, is tried as /dev/tty, the
// controlling terminal it may be.
int open_own_description(int fd, int flags);

// Whether the run holds the file: when writers_only, only as a file it is
// writing.
using HeldFiles = std::function<bool(const FileId& id, bool writers_only)>;

// Opens a file for reading without ever waiting: a FIFO without a writer
// reads as empty, as the descriptor stays non-blocking. Only a regular file
// or a pipe is accepted; a directory or a device is refused as a file that
// cannot be opened, and so is a file the run is writing (its own plot file
// read back as answers would never end). With create, a missing file is
// created first. The descriptor, or -1.
int open_for_reading(const std::string& path, bool create, const HeldFiles& in_use);

// Opens a file to be written from its start, non-blocking: a FIFO whose
// reader is slow is waited for by the writer, with the interrupts in view.
// A file the run holds is refused. The file is compared as opened and cut to
// nothing only then, so a name swapped in between cannot make the file in
// use lose its text. A FIFO that nobody reads is refused rather than waited
// for. The descriptor, or -1.
int open_for_writing(const std::string& path, const HeldFiles& in_use);

}  // namespace gral
