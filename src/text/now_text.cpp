#include "text/now_text.h"

#include <cstdio>

namespace zorvqi {

std::string timeText(const LocalTime& t, TimeForm form) {
  char buffer[64];
  if (form == TimeForm::Long) {
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d %d:%d:%d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
  } else {
    std::snprintf(buffer, sizeof buffer, "%d/%d %d:%02d", t.month, t.day, t.hour, t.minute);
  }
  return buffer;
}

std::string nowText(TimeForm form) {
  return timeText(currentClock().now(), form);
}

}  // namespace zorvqi
