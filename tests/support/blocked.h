// What a thread of a process is blocked in, as /proc shows it: the system
// call it sleeps in, its arguments, and for a poll the files it polls, by
// the names /proc gives them ("pipe:[n]", "anon_inode:[pidfd]"). A test
// that waits until the call is the one it means places its signal in that
// very call, not at a moment it hopes for.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct BlockedCall {
  long number = -1;
  unsigned long args[6] = {};
  std::vector<std::string> polled;

  bool polls(const std::string& file) const {
    return (number == SYS_poll || number == SYS_ppoll) && !polled.empty() && polled[0] == file;
  }
  bool reads(int fd) const { return number == SYS_read && args[0] == static_cast<unsigned long>(fd); }
  bool writes(int fd) const { return number == SYS_write && args[0] == static_cast<unsigned long>(fd); }
};

// The name /proc gives a descriptor of the process.
inline std::string file_of(pid_t pid, int fd) {
  const std::string link = "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd);
  char name[256];
  const ssize_t n = readlink(link.c_str(), name, sizeof name);
  return n > 0 ? std::string(name, static_cast<std::size_t>(n)) : std::string();
}

// The call the thread sleeps in; nullopt while it runs or is in none.
inline std::optional<BlockedCall> blocked_call(pid_t pid, pid_t tid) {
  const std::string task = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(tid);
  std::ifstream in(task + "/syscall");
  BlockedCall c;
  if (!(in >> c.number) || c.number < 0) return std::nullopt;
  for (auto& a : c.args) in >> std::hex >> a;
  if (c.number == SYS_poll || c.number == SYS_ppoll) {
    const int mem = open(("/proc/" + std::to_string(pid) + "/mem").c_str(), O_RDONLY | O_CLOEXEC);
    std::vector<pollfd> fds(std::min<unsigned long>(c.args[1], 8));
    const auto size = static_cast<ssize_t>(fds.size() * sizeof(pollfd));
    const bool read = mem >= 0 && pread(mem, fds.data(), size, static_cast<off_t>(c.args[0])) == size;
    if (mem >= 0) close(mem);
    if (!read) return std::nullopt;
    for (const pollfd& p : fds) c.polled.push_back(file_of(pid, p.fd));
  }
  return c;
}

// Waits until the thread sleeps in a call that `means` holds for; false
// after the timeout.
template <class Means>
bool wait_until_blocked(pid_t pid, pid_t tid, Means means,
                        std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (const auto c = blocked_call(pid, tid); c && means(*c)) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

// Watches the thread that makes it from a thread of its own, and acts each
// time it finds that thread asleep in a call that `means` holds for: a
// signal sent into that very call, or input given to free a call that
// should never have waited.
class BlockedWatch {
 public:
  template <class Means, class Act>
  BlockedWatch(Means means, Act act)
      : watched_(pthread_self()), tid_(gettid()), thread_([this, means, act] {
          while (!stop_) {
            if (const auto c = blocked_call(getpid(), tid_); c && means(*c)) act(*this);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
          }
        }) {}
  ~BlockedWatch() {
    stop_ = true;
    thread_.join();
  }
  BlockedWatch(const BlockedWatch&) = delete;
  BlockedWatch& operator=(const BlockedWatch&) = delete;

  void signal(int sig) { pthread_kill(watched_, sig); }

 private:
  const pthread_t watched_;
  const pid_t tid_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

}  // namespace testing_support
