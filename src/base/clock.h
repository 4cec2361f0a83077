// The wall clock, replaceable so that tests can fix the time.
//
// Contract: `Clock::now` returns the current local date and time. `currentClock()` is the
// clock every part of the system reads; `setCurrentClock` replaces it (tests only; pass
// nullptr to go back to the system clock). Thread safety: reading the clock is safe from any
// thread; replacing it must happen while no other thread reads it.
#pragma once

namespace zorvqi {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};

// A clock that always reads the time it was set to.
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime time) : time_(time) {}
  LocalTime now() const override { return time_; }
  void set(LocalTime time) { time_ = time; }

 private:
  LocalTime time_;
};

const Clock& currentClock();
void setCurrentClock(const Clock* clock);

}  // namespace zorvqi
