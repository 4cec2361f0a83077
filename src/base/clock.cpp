#include "base/clock.h"

#include <atomic>
#include <ctime>

namespace zorvqi {
namespace {

class SystemClock : public Clock {
 public:
  LocalTime now() const override {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
  }
};

const SystemClock systemClock;
std::atomic<const Clock*> installed{nullptr};

}  // namespace

const Clock& currentClock() {
  const Clock* clock = installed.load();
  return clock ? *clock : systemClock;
}

void setCurrentClock(const Clock* clock) {
  installed.store(clock);
}

}  // namespace zorvqi
