// The region of a source between a plan's start and end markers.
//
// Contract: in both markers every "#引号" first reads as a double quote. The result is the
// text strictly between the first occurrence of the start marker and the first occurrence of
// the end marker after it (searched from the byte after the start marker's end), case as
// written, stepping over GBK characters; it is empty when either marker is missing or empty.
// Callers cut only when both markers are set.
// Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string cutRegion(std::string_view source, std::string_view startMarker, std::string_view endMarker);

}  // namespace zorvqi
