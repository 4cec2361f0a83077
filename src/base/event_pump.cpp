#include "base/event_pump.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "base/cancel_flag.h"

namespace zorvqi {
namespace {

constexpr std::chrono::milliseconds kLongestSleep{10};

std::atomic<bool> stopping{false};
std::mutex wakeMutex;
std::condition_variable wakeSignal;
unsigned long wakeGeneration = 0;

class SleepingPump : public EventPump {
 public:
  WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) override {
    for (;;) {
      if (auto outcome = waitOutcome(condition, deadline)) return *outcome;
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
      sleepUntilWoken(std::clamp(left, std::chrono::milliseconds{1}, kLongestSleep));
    }
  }
};

thread_local EventPump* installedPump = nullptr;

}  // namespace

EventPump& threadPump() {
  thread_local SleepingPump sleeping;
  return installedPump ? *installedPump : sleeping;
}

void setThreadPump(EventPump* pump) {
  installedPump = pump;
}

std::optional<WaitResult> waitOutcome(const std::function<bool()>& condition, Deadline deadline) {
  if (condition && condition()) return WaitResult::Satisfied;
  if (programStopping()) return WaitResult::Stopping;
  if (threadCancelled()) return WaitResult::Cancelled;
  if (SteadyClock::now() >= deadline) return WaitResult::TimedOut;
  return std::nullopt;
}

void sleepUntilWoken(std::chrono::milliseconds timeout) {
  std::unique_lock lock(wakeMutex);
  const unsigned long seen = wakeGeneration;
  wakeSignal.wait_for(lock, timeout, [&] { return wakeGeneration != seen; });
}

void wakeAllWaits() {
  {
    std::lock_guard lock(wakeMutex);
    ++wakeGeneration;
  }
  wakeSignal.notify_all();
}

void beginProgramStop() {
  stopping.store(true);
  wakeAllWaits();
}

bool programStopping() {
  return stopping.load();
}

void clearProgramStopForTests() {
  stopping.store(false);
}

WaitResult pauseFor(std::chrono::milliseconds duration) {
  return threadPump().waitUntil(nullptr, SteadyClock::now() + duration);
}

}  // namespace zorvqi
