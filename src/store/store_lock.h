// The store lock: one holder at a time for the shared connection and statement object.
//
// Contract: `acquire` returns true once the calling thread holds the lock. While another
// thread holds it, the caller waits through its thread's event pump (base/event_pump.h),
// trying again at least every 10 ms, so a waiting UI thread keeps its windows working. The
// wait gives up, and `acquire` returns false, when the program begins to stop or the calling
// worker is cancelled. The lock is not recursive: a holder never acquires it again, and never
// pumps events, calls a port or shows a dialog while it holds it.
// Thread safety: any thread may acquire; only the holder releases.
#pragma once

#include <mutex>

namespace zorvqi {

class StoreLock {
 public:
  bool acquire();
  void release() { mutex_.unlock(); }

 private:
  std::mutex mutex_;
};

// Holds the lock for one scope, if `acquire` succeeded.
class StoreLockHold {
 public:
  explicit StoreLockHold(StoreLock& lock) : lock_(lock), held_(lock.acquire()) {}
  ~StoreLockHold() {
    if (held_) lock_.release();
  }
  StoreLockHold(const StoreLockHold&) = delete;
  StoreLockHold& operator=(const StoreLockHold&) = delete;

  bool held() const { return held_; }

 private:
  StoreLock& lock_;
  bool held_;
};

}  // namespace zorvqi
