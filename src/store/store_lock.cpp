#include "store/store_lock.h"

#include <chrono>

#include "base/event_pump.h"

namespace zorvqi {

bool StoreLock::acquire() {
  if (mutex_.try_lock()) return true;
  // Waiting has no deadline of its own; only a stop or a cancel ends it without the lock.
  const Deadline never = SteadyClock::now() + std::chrono::hours(24 * 365);
  return threadPump().waitUntil([this] { return mutex_.try_lock(); }, never) == WaitResult::Satisfied;
}

}  // namespace zorvqi
