// The cancel flag of one worker.
//
// Contract: a flag starts clear; `cancel` sets it for good and wakes every wait of the
// event pumps, so a worker blocked in a wait notices at once. Thread safety: every member may
// be called from any thread at any time.
#pragma once

#include <atomic>
#include <memory>

namespace zorvqi {

class CancelFlag {
 public:
  void cancel();
  bool isCancelled() const { return cancelled_.load(std::memory_order_acquire); }

 private:
  std::atomic<bool> cancelled_{false};
};

using CancelFlagPtr = std::shared_ptr<CancelFlag>;

// The flag of the worker running on the calling thread, or nullptr. A worker installs its
// flag for the length of its run with `ScopedThreadCancelFlag`, so that every wait it makes,
// however deep, ends early once it is abandoned.
CancelFlag* threadCancelFlag();

// Whether the calling thread's flag is set.
bool threadCancelled();
// Whether the calling thread should stop its work: its flag is set or the program is stopping.
bool threadWorkAbandoned();

class ScopedThreadCancelFlag {
 public:
  explicit ScopedThreadCancelFlag(CancelFlag* flag);
  ~ScopedThreadCancelFlag();
  ScopedThreadCancelFlag(const ScopedThreadCancelFlag&) = delete;
  ScopedThreadCancelFlag& operator=(const ScopedThreadCancelFlag&) = delete;

 private:
  CancelFlag* previous_;
};

}  // namespace zorvqi
