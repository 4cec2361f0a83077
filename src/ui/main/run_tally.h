// What this run of the desktop program has seen of the monitor, for the news page: the
// articles it stored since local midnight and when its last round ended.
//
// Contract: `articleStored(at)` counts one article stored at local time `at`; the count
// starts again from the first article of a new day. `storedOn(day)` is the count for the
// day of `day` (0 when the last article counted was of another day). `roundEnded(text)`
// keeps the end time's text; `lastRoundTime` gives it back, empty before the first round.
// Thread safety: every member may be called from any thread.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "base/clock.h"

namespace zorvqi::ui {

class RunTally {
 public:
  void articleStored(const LocalTime& at);
  std::int64_t storedOn(const LocalTime& day) const;
  void roundEnded(const std::string& timeText);
  std::string lastRoundTime() const;

 private:
  static bool sameDay(const LocalTime& a, const LocalTime& b);

  mutable std::mutex mutex_;
  LocalTime countedDay_;
  std::int64_t stored_ = 0;
  std::string lastRoundTime_;
};

}  // namespace zorvqi::ui
