// Running a change of a window on the UI thread, and what the UI thread does while it waits.
//
// Contract:
// - `runOnUiThread(f)`: on the UI thread `f` runs at once; from any other thread it is handed
//   to the UI thread as a blocking queued call and returns once `f` has run there; once the
//   program has begun to stop it returns at once without running `f`. The calling worker's
//   cancel flag travels with the call: if it is set by the time `f` would run on the UI thread,
//   `f` does not run, so nothing of an abandoned worker lands after it was abandoned.
// - `UiEventPump`: the UI thread's pump (install it with `setThreadPump` on that thread); a
//   wait runs a nested event loop, woken at least every 10 ms, so windows keep working.
// The UI thread never waits for a worker without pumping, so the blocking call cannot
// deadlock. Thread safety: `runOnUiThread` from any thread; the pump on the UI thread only.
#pragma once

#include <functional>

#include "base/event_pump.h"

namespace zorvqi::ui {

bool onUiThread();
void runOnUiThread(const std::function<void()>& change);

class UiEventPump : public EventPump {
 public:
  WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) override;
};

}  // namespace zorvqi::ui
