// The system's one rule for turning text into a number.
//
// Contract: GBK full-width digits, plus and minus signs and the full-width space are first
// read as their ASCII forms; then leading white space is skipped, an optional sign and the
// decimal digits up to the first other character are read. A text without digits gives 0.
// A value beyond the type's range is held at the nearest end of the range.
// Thread safety: pure functions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvqi {

std::int32_t textToInt32(std::string_view text);
std::int64_t textToInt64(std::string_view text);

// The decimal text of a number, as the system writes ids and counts.
std::string decimalText(std::int64_t value);

}  // namespace zorvqi
