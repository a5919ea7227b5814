// The stream buffers of the unit layer over the descriptors they wrap: the
// keyboard's and file units' input, the console's and file units' output.
// Each waits, where it must, through the interrupt-aware waits, so that an
// interrupt is never held up by a read or a write. What the unit layer must
// do around them (write through before a wait, count a loss) it hands in.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <streambuf>

namespace gral {

// The size of every unit's buffer, the console's included.
inline constexpr std::size_t kStreamBuffer = 64 * 1024;

// How a unit's descriptor is read or written.
enum class Access {
  plain,        // a regular file or a device that never keeps the program waiting
  nonblocking,  // a non-blocking description of the program's own
  socket,       // a socket, received from and sent to without waiting
  pipe_nowait,  // a shared pipe, read with the kernel's no-wait flag
  shared,       // a shared blocking description: used once a look or a wait found it ready
};

// The input buffer of the keyboard and of file units over their descriptor.
// A look that found input says nothing of the read after it (a terminal
// empties its input at Ctrl-C, another reader takes the line), so no read
// that could wait is ever started: a pipe, FIFO, socket or terminal is read
// without waiting, and a read that finds nothing goes back to the wait,
// which sees an interrupt. Only a read that could wait gives way to an
// interrupt, so a regular file (the run's own host-fact files, a keyboard
// file) is read to its end whatever came. Before a wait, before_waiting
// runs: the question is on the screen and a viewer shows what is drawn,
// while answers already there cost no write.
class FdIn : public std::streambuf {
 public:
  FdIn(int fd, bool owned, Access access, std::function<void()> before_waiting);
  ~FdIn() override;

  // What was read ahead and not used goes back to a file that can seek, for
  // the next program that reads it.
  void give_back();

 protected:
  int_type underflow() override;

 private:
  ssize_t read_without_waiting();

  int fd_;
  bool owned_;
  Access access_;
  // A hung-up terminal no longer answers as one: known from the start.
  bool terminal_;
  std::function<void()> before_waiting_;
  std::unique_ptr<char[]> buf_;
};

// A file unit's input over a descriptor opened non-blocking by the unit.
std::unique_ptr<FdIn> file_input(int fd, std::function<void()> before_waiting);
// The keyboard's input over a standard descriptor shared with the shell,
// whose mode must not change: a pipe, FIFO or terminal is read through a
// non-blocking description of its own of the same file; where none can be
// had, a pipe with the kernel's no-wait flag, a socket without waiting, and
// a terminal only once a look found input.
std::unique_ptr<FdIn> keyboard_input(int fd, std::function<void()> before_waiting);

// The output buffer of the console and of file units over their descriptor.
// It keeps the error of the first write that failed, and whether that loss
// was reported: a library buffer forgets why, and a file that could not be
// written must be reported once, with the reason. Once output is lost,
// nothing more is written, so the file ends where the medium ended it, and
// on_loss runs. A pipe, FIFO, socket or terminal is written only as far as
// it takes output at once, and waited for only in the interrupt-aware wait:
// after an interrupt, it is written where it has room and the rest dropped.
class FileOut : public std::streambuf {
 public:
  FileOut(int fd, bool owned, Access access, std::function<void()> on_loss);
  ~FileOut() override;

  int error() const { return error_; }
  // The error the first time it is asked for after the loss; 0 otherwise.
  int take_unreported();
  // Writes what is pending and closes the descriptor (when it is the
  // unit's own), once; the first error.
  int close();

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool write_and_clear();
  bool await_room();
  ssize_t write_once(const char* p, std::size_t n);
  void record_loss(int e);

  int fd_;
  bool owned_;
  Access access_;
  std::function<void()> on_loss_;
  int error_ = 0;
  bool reported_ = false;
  std::unique_ptr<char[]> buf_;
};

// A file unit's output over a descriptor opened non-blocking by the unit.
std::unique_ptr<FileOut> file_output(int fd, std::function<void()> on_loss);
// The console's output over a standard descriptor. A pipe, FIFO or
// terminal is shared with the shell, whose mode must not change: the
// console writes through a description of its own of the same file, opened
// non-blocking, so no write ever waits; where none can be had, it writes
// only what the descriptor has room for.
std::unique_ptr<FileOut> console_output(int fd, std::function<void()> on_loss);

}  // namespace gral
