#include "store/monitor_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sstream>
#include <thread>

#include "base/program_dir.h"

namespace zorvqi {
namespace {

constexpr const char* kKindWords[] = {"desktop", "round", "watch"};
// How long a refused program waits for a holder that has just taken the lock to say who it is.
constexpr int kHolderReadTries = 20;
constexpr std::chrono::milliseconds kHolderReadStep{5};

std::string kindWord(MonitorKind kind) {
  const auto at = static_cast<std::size_t>(kind);
  return at < std::size(kKindWords) ? kKindWords[at] : "unknown";
}

MonitorKind kindNamed(const std::string& word) {
  for (std::size_t at = 0; at < std::size(kKindWords); ++at) {
    if (word == kKindWords[at]) return static_cast<MonitorKind>(at);
  }
  return MonitorKind::Unknown;
}

std::string readWhole(int fd) {
  std::string text;
  char buffer[128];
  off_t at = 0;
  for (ssize_t got; (got = pread(fd, buffer, sizeof buffer, at)) > 0; at += got)
    text.append(buffer, static_cast<std::size_t>(got));
  return text;
}

// The holder the file names, when that process is alive (an older holder's words may still
// be there for a moment after a new holder took the lock).
MonitorHolder namedLivingHolder(int fd) {
  std::istringstream words(readWhole(fd));
  std::string kind;
  long pid = 0;
  words >> kind >> pid;
  if (pid <= 0 || (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) return {};
  return {kindNamed(kind), pid};
}

}  // namespace

MonitorLock::~MonitorLock() {
  release();
}

MonitorLockStatus MonitorLock::take(MonitorKind kind) {
  if (held()) return MonitorLockStatus::Taken;
  const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    failure_ = std::strerror(errno);
    return MonitorLockStatus::Failed;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return MonitorLockStatus::HeldElsewhere;
    failure_ = std::strerror(error);
    return MonitorLockStatus::Failed;
  }
  const std::string words = kindWord(kind) + " " + std::to_string(getpid()) + "\n";
  // Who holds it is a courtesy to the refused; the lock holds even if this write fails.
  if (ftruncate(fd, 0) == 0 && pwrite(fd, words.data(), words.size(), 0) < 0) failure_ = std::strerror(errno);
  fd_ = fd;
  return MonitorLockStatus::Taken;
}

void MonitorLock::release() {
  if (!held()) return;
  close(fd_);  // closing the last descriptor of the open file drops the lock
  fd_ = -1;
}

MonitorHolder MonitorLock::holder() const {
  const int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  MonitorHolder found;
  for (int i = 0; i < kHolderReadTries && found.pid == 0; ++i) {
    if (i > 0) std::this_thread::sleep_for(kHolderReadStep);
    found = namedLivingHolder(fd);
  }
  close(fd);
  return found;
}

std::string monitorLockPath() {
  return programFile("zorvqi.lock");
}

std::string holderWords(const MonitorHolder& holder) {
  const std::string process = holder.pid > 0 ? "（进程 " + std::to_string(holder.pid) + "）" : "";
  switch (holder.kind) {
    case MonitorKind::Desktop:
      return "桌面程序" + process;
    case MonitorKind::Round:
      return "zorvqi-cli round" + process;
    case MonitorKind::Watch:
      return "zorvqi-cli watch" + process;
    case MonitorKind::Unknown:
      break;
  }
  return "桌面程序或 zorvqi-cli round/watch";
}

}  // namespace zorvqi
