#include "base/event_pump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/cancel_flag.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;

TEST(EventPump, ReturnsAtOnceWhenTheConditionHolds) {
  EXPECT_EQ(threadPump().waitUntil([] { return true; }, SteadyClock::now() - 1s), WaitResult::Satisfied);
}

TEST(EventPump, TimesOutWithoutTheCondition) {
  EXPECT_EQ(threadPump().waitUntil([] { return false; }, SteadyClock::now() + 20ms), WaitResult::TimedOut);
  EXPECT_EQ(pauseFor(5ms), WaitResult::TimedOut);
}

TEST(EventPump, SeesAConditionSetByAnotherThread) {
  std::atomic<bool> done{false};
  std::thread setter([&] {
    std::this_thread::sleep_for(20ms);
    done = true;
  });
  EXPECT_EQ(threadPump().waitUntil([&] { return done.load(); }, SteadyClock::now() + 10s),
            WaitResult::Satisfied);
  setter.join();
}

TEST(EventPump, CancellingTheThreadsFlagEndsItsWait) {
  CancelFlag flag;
  WaitResult result = WaitResult::Satisfied;
  std::thread worker([&] {
    ScopedThreadCancelFlag scope(&flag);
    result = pauseFor(60s);
  });
  std::this_thread::sleep_for(20ms);
  flag.cancel();
  worker.join();
  EXPECT_EQ(result, WaitResult::Cancelled);
  EXPECT_EQ(threadCancelFlag(), nullptr);
}

TEST(EventPump, ProgramStopEndsEveryWait) {
  WaitResult result = WaitResult::Satisfied;
  std::thread worker([&] { result = pauseFor(60s); });
  std::this_thread::sleep_for(20ms);
  beginProgramStop();
  worker.join();
  clearProgramStopForTests();
  EXPECT_EQ(result, WaitResult::Stopping);
}

class CountingPump : public EventPump {
 public:
  WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) override {
    for (;;) {
      ++rounds;
      if (auto outcome = waitOutcome(condition, deadline)) return *outcome;
    }
  }
  int rounds = 0;
};

TEST(EventPump, AnInstalledPumpServesItsThreadOnly) {
  CountingPump pump;
  setThreadPump(&pump);
  int checks = 0;
  threadPump().waitUntil([&] { return ++checks == 3; }, SteadyClock::now() + 10s);
  setThreadPump(nullptr);
  EXPECT_EQ(pump.rounds, 3);
  EXPECT_NE(&threadPump(), &pump);
}

}  // namespace
}  // namespace zorvqi
