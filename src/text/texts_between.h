// Splitting a text into the pieces between two markers.
//
// Contract: `textsBetween(text, start, end)` searches `start` from the beginning; after each
// start marker found it searches `end` from just after it and takes the text in between. The
// next start marker is searched from just after the previous start marker, so every start
// marker with an end marker after it yields one entry: '<a><b>' gives a and b, '<a' nothing,
// '<a<b>' gives 'a<b' and 'b'. Searches step over GBK characters (gbk_string.h).
// Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvqi {

std::vector<std::string> textsBetween(std::string_view text, std::string_view start, std::string_view end);

}  // namespace zorvqi
