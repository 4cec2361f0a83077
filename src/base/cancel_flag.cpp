#include "base/cancel_flag.h"

#include "base/event_pump.h"

namespace zorvqi {
namespace {
thread_local CancelFlag* currentFlag = nullptr;
}

void CancelFlag::cancel() {
  cancelled_.store(true, std::memory_order_release);
  wakeAllWaits();
}

CancelFlag* threadCancelFlag() {
  return currentFlag;
}

bool threadCancelled() {
  return currentFlag && currentFlag->isCancelled();
}

bool threadWorkAbandoned() {
  return threadCancelled() || programStopping();
}

ScopedThreadCancelFlag::ScopedThreadCancelFlag(CancelFlag* flag) : previous_(currentFlag) {
  currentFlag = flag;
}

ScopedThreadCancelFlag::~ScopedThreadCancelFlag() {
  currentFlag = previous_;
}

}  // namespace zorvqi
