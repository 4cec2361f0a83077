// What a wait does while it waits.
//
// Contract: every wait of the system (for a thread, a pause, a lock) goes through
// `threadPump().waitUntil`. It returns once `condition` holds, the deadline has passed, the
// calling thread's cancel flag (cancel_flag.h) is set, or the program has begun to stop. The
// condition is checked first, so a wait whose condition already holds returns at once.
// A pump may do other work meanwhile: the desktop's UI-thread pump runs window events, the
// default pump only sleeps. A wait never sleeps more than 10 ms between two checks of its
// condition, and `wakeAllWaits` makes sleeping waits check at once.
//
// Thread safety: each thread has its own pump (`setThreadPump`); the functions here may be
// called from any thread. `beginProgramStop` is final for the process (tests may clear it).
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace zorvqi {

using SteadyClock = std::chrono::steady_clock;
using Deadline = SteadyClock::time_point;

enum class WaitResult { Satisfied, TimedOut, Cancelled, Stopping };

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) = 0;
};

// The pump of the calling thread: the one installed with `setThreadPump`, else one that sleeps.
EventPump& threadPump();
void setThreadPump(EventPump* pump);

// How a wait with this condition and deadline ends now, or nothing while it goes on.
// Pumps call it between their rounds of work.
std::optional<WaitResult> waitOutcome(const std::function<bool()>& condition, Deadline deadline);

// Sleeps until another thread wakes the waits or `timeout` passes (the sleeping pump's step).
void sleepUntilWoken(std::chrono::milliseconds timeout);
void wakeAllWaits();

void beginProgramStop();
bool programStopping();
void clearProgramStopForTests();

// A pause: waits for nothing until `duration` has passed, ending early like every wait.
WaitResult pauseFor(std::chrono::milliseconds duration);

}  // namespace zorvqi
