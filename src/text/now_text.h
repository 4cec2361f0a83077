// The time texts of the status box, the article list and the store.
//
// Contract: the long form reads year-month-day hour:minute:second with no field padded
// ('2020-5-3 9:7:5'); the short form reads month/day hour:minute with only the minute padded
// ('5/3 9:07'). `nowText` reads `currentClock()`. Thread safety: safe from any thread.
#pragma once

#include <string>

#include "base/clock.h"

namespace zorvqi {

enum class TimeForm { Long, Short };

std::string timeText(const LocalTime& time, TimeForm form);
std::string nowText(TimeForm form);

}  // namespace zorvqi
