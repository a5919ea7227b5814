// The stream buffers of the unit layer over the descriptors they wrap: the
// keyboard's and file units' input, the console's and file units' output.
// Each waits, where it must, through the interrupt-aware waits, so that an
// interrupt is never held up by a read or a write.
#pragma once

#include <cstddef>
#include <memory>
#include <streambuf>

namespace gral {

// A file unit's buffer size, and the console's.
inline constexpr std::size_t kFileBuffer = 64 * 1024;

// The input buffer of the keyboard and of file units over their descriptor.
// Only a read that could wait gives way to an interrupt, so a regular file
// (the run's own host-fact files, a keyboard file) is read to its end
// whatever came. A descriptor of the program's own (a file unit) stays
// non-blocking, so a FIFO whose writer never came ends at once; the
// keyboard's is shared with the shell and keeps its mode, so it is read
// only once it has input. Before either waits, what the run has written is
// written through: the question is on the screen and a viewer shows what is
// drawn, while answers already there cost no write.
class FdIn : public std::streambuf {
 public:
  FdIn(int fd, bool owned);
  ~FdIn() override;
  FdIn(const FdIn&) = delete;
  FdIn& operator=(const FdIn&) = delete;

  // What was read ahead and not used goes back to a file that can seek, for
  // the next program that reads it.
  void give_back();

 protected:
  int_type underflow() override;

 private:
  int fd_;
  bool owned_;
  bool can_wait_;
  std::unique_ptr<char[]> buf_;
};

// The output buffer of the console and of file units over their descriptor.
// It keeps the error of the first write that failed, and whether that loss
// was reported: a library buffer forgets why, and a file that could not be
// written must be reported once, with the reason. Once output is lost,
// nothing more is written, so the file ends where the medium ended it. A
// pipe, FIFO, socket or terminal is written only as far as it takes output
// at once, and waited for only in the interrupt-aware wait: after an
// interrupt, what it does not take at once is dropped.
class FileOut : public std::streambuf {
 public:
  // How writes reach the descriptor.
  enum class Mode {
    plain,   // a regular file or a device that never keeps a writer waiting
    own,     // a non-blocking descriptor of the program's own
    socket,  // a socket, sent to without waiting
    shared,  // a blocking descriptor shared with others: only what it has room for
  };
  FileOut(int fd, bool owned, Mode mode);
  ~FileOut() override;
  FileOut(const FileOut&) = delete;
  FileOut& operator=(const FileOut&) = delete;

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
  bool drain();
  ssize_t put(const char* p, std::size_t n);
  void lost(int e);

  int fd_;
  bool owned_;
  Mode mode_;
  int error_ = 0;
  bool reported_ = false;
  std::unique_ptr<char[]> buf_;
};

// A file unit's output over a descriptor opened non-blocking by the unit.
std::unique_ptr<FileOut> file_output(int fd);
// The console's output over a standard descriptor. A pipe, FIFO or
// terminal is shared with the shell, whose mode must not change: the
// console writes through a description of its own of the same file, opened
// non-blocking, so no write ever waits; where none can be had, it writes
// only what the descriptor has room for.
std::unique_ptr<FileOut> console_output(int fd);

}  // namespace gral
