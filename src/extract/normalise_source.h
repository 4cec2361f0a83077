// The normalised form of a page source, and the start-marker check of the fetch entry.
//
// Contract: normaliseSource gives exactly what these eight replacements give when each runs
// once over the result of the one before, every occurrence left to right without overlap:
//   1. every run of two or more white-space bytes (space, tab, LF, CR, FF, VT), and every
//      single tab, becomes one space;
//   2. "&lt;" becomes "<" and 3. "&gt;" becomes ">", ASCII case ignored;
//   4. "&quot;" becomes a double quote and 5. "&#37;" becomes "%", case as written;
//   6. every single quote, 7. every CR and 8. every LF is removed.
// So the result holds no line breaks, and an entity that only comes together once quotes or
// line breaks are gone ("&l'\nt;") stays as it is. Every text looked for starts with an ASCII
// byte below 0x40, which is never the second byte of a GBK character; the work is therefore
// done byte by byte, and a stray lead byte does not hide the ASCII byte after it. The result
// is never longer than the source. Normalising twice can differ from normalising once.
//
// sourceLacksStartMarker is the fetch entry's check: true when the start marker is set, the
// end marker is empty and the normalised source does not contain the start marker (case as
// written, taken literally); the source then counts as empty.
//
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string normaliseSource(std::string_view source);

bool sourceLacksStartMarker(std::string_view normalised, std::string_view startMarker,
                            std::string_view endMarker);

}  // namespace zorvqi
