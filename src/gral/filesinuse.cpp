#include "gral/filesinuse.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gral {

std::optional<FileId> file_id(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return std::nullopt;
  if (S_ISCHR(st.st_mode)) {
    if (!isatty(fd)) return std::nullopt;
    // The device behind the name: /dev/tty's own node is every process's
    // controlling terminal, not the one this run reads.
    unsigned int device = 0;
    const dev_t dev = ioctl(fd, TIOCGDEV, &device) == 0 ? static_cast<dev_t>(device) : st.st_rdev;
    return FileId{true, dev, 0};
  }
  if (!(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) return std::nullopt;
  return FileId{false, st.st_dev, st.st_ino};
}

int open_own_description(int fd, int flags) {
  const auto id = file_id(fd);
  if (!id) return -1;
  const std::string names[] = {"/proc/self/fd/" + std::to_string(fd), id->terminal ? "/dev/tty" : ""};
  for (const std::string& name : names) {
    if (name.empty()) continue;
    const int own = open(name.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (own < 0) continue;
    if (file_id(own) == id) return own;
    close(own);
  }
  return -1;
}

int open_for_reading(const std::string& path, bool create, const HeldFiles& in_use) {
  if (create) {
    const int made = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (made < 0) return -1;
    close(made);
  }
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  const auto id = file_id(fd);
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode)) || (id && in_use(*id, true))) {
    close(fd);
    return -1;
  }
  return fd;
}

int open_for_writing(const std::string& path, const HeldFiles& in_use) {
  // O_NOCTTY: a terminal named as the plot file must not become the run's
  // controlling terminal by being opened.
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat st {};
  const auto id = file_id(fd);
  if (fstat(fd, &st) != 0 || (id && in_use(*id, false)) || (S_ISREG(st.st_mode) && ftruncate(fd, 0) != 0)) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace gral
