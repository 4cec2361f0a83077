#include "ui/main/run_tally.h"

namespace zorvqi::ui {

bool RunTally::sameDay(const LocalTime& a, const LocalTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

void RunTally::articleStored(const LocalTime& at) {
  const std::lock_guard lock(mutex_);
  if (!sameDay(at, countedDay_)) {
    countedDay_ = at;
    stored_ = 0;
  }
  ++stored_;
}

std::int64_t RunTally::storedOn(const LocalTime& day) const {
  const std::lock_guard lock(mutex_);
  return sameDay(day, countedDay_) ? stored_ : 0;
}

void RunTally::roundEnded(const std::string& timeText) {
  const std::lock_guard lock(mutex_);
  lastRoundTime_ = timeText;
}

std::string RunTally::lastRoundTime() const {
  const std::lock_guard lock(mutex_);
  return lastRoundTime_;
}

}  // namespace zorvqi::ui
