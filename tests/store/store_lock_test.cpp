#include "store/store_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/event_pump.h"

namespace zorvqi {
namespace {

// A pump that counts its rounds, like the UI pump that runs window events while it waits.
class CountingPump : public EventPump {
 public:
  WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) override {
    for (;;) {
      if (auto outcome = waitOutcome(condition, deadline)) return *outcome;
      ++rounds;
      sleepUntilWoken(std::chrono::milliseconds(10));
    }
  }
  std::atomic<int> rounds{0};
};

TEST(StoreLock, AContendedWaitKeepsThePumpRunningAndThenTakesTheLock) {
  StoreLock lock;
  ASSERT_TRUE(lock.acquire());
  CountingPump pump;
  std::atomic<bool> got{false};
  std::thread waiter([&] {
    setThreadPump(&pump);
    got = lock.acquire();
    if (got) lock.release();
    setThreadPump(nullptr);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(got.load());
  lock.release();
  waiter.join();
  EXPECT_TRUE(got.load());
  EXPECT_GE(pump.rounds.load(), 3);
}

TEST(StoreLock, AWaitEndsWithoutTheLockWhenTheProgramStops) {
  StoreLock lock;
  ASSERT_TRUE(lock.acquire());
  std::atomic<bool> got{true};
  std::thread waiter([&] { got = lock.acquire(); });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  beginProgramStop();
  waiter.join();
  clearProgramStopForTests();
  EXPECT_FALSE(got.load());
  lock.release();
  EXPECT_TRUE(lock.acquire());
  lock.release();
}

}  // namespace
}  // namespace zorvqi
