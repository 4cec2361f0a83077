// One monitor per program directory: an advisory lock (flock) on the file zorvqi.lock beside
// zorv.db. The desktop program holds it while it runs, `round` and `watch` for their run; the
// commands that only read the store never take it.
//
// Contract: `take` opens the lock file (creating it when missing) with O_CLOEXEC, so no child
// process (the browser, a player) inherits it and keeps it past its holder, and tries the lock
// without waiting. Once taken, the holder writes its kind and process id into the file, so a
// refused program can say who holds the directory (`holder`). The kernel drops the lock when
// the holding process ends in any way, so a crash leaves nothing stale; `release` and the
// destructor give it up. The file itself stays. A failure (the directory cannot be written)
// carries the operating system's words (strerror).
// Thread safety: one object is used by one thread at a time; two objects exclude each other
// even within one process.
#pragma once

#include <string>

namespace zorvqi {

enum class MonitorKind { Desktop, Round, Watch, Unknown };

struct MonitorHolder {
  MonitorKind kind = MonitorKind::Unknown;
  long pid = 0;  // 0 when unknown
};

enum class MonitorLockStatus { Taken, HeldElsewhere, Failed };

class MonitorLock {
 public:
  explicit MonitorLock(std::string path) : path_(std::move(path)) {}
  ~MonitorLock();
  MonitorLock(const MonitorLock&) = delete;
  MonitorLock& operator=(const MonitorLock&) = delete;

  // Taking a lock this object already holds succeeds at once.
  MonitorLockStatus take(MonitorKind kind);
  bool held() const { return fd_ >= 0; }
  void release();

  const std::string& path() const { return path_; }
  // Who holds the directory, read after a HeldElsewhere (Unknown when it has not said).
  MonitorHolder holder() const;
  // The cause of the last Failed.
  const std::string& failure() const { return failure_; }

 private:
  std::string path_;
  int fd_ = -1;
  std::string failure_;
};

// programFile("zorvqi.lock"): the lock file of the program directory.
std::string monitorLockPath();

// The holder as the refusals name it (GBK): "桌面程序（进程 12）", "zorvqi-cli watch（进程 12）",
// or "桌面程序或 zorvqi-cli round/watch" when it is not known.
std::string holderWords(const MonitorHolder& holder);

}  // namespace zorvqi
