// Finding and changing one key in the text of an INI file.
//
// Contract: a line whose first non-blank character is "[" opens a section named by the text
// up to the next "]" (blanks trimmed); a line holding "=" inside a section is a key (the text
// before the first "=", blanks trimmed) and its value (the rest, blanks trimmed). Other
// lines are kept but mean nothing. Names are compared ignoring ASCII case only, never
// folding the second byte of a GBK character; the first matching section and key count.
// Lines end in LF or CR LF; an edit writes new lines with the ending the text already uses
// (LF for an empty text) and keeps every other byte of the text.
// Section and key names given are trimmed of blanks like the names in the text.
// Thread safety: pure functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvqi {

bool sameIniName(std::string_view a, std::string_view b);

std::optional<std::string> iniValue(std::string_view text, std::string_view section, std::string_view key);

// The text with key = value set in the section: the key's line replaced, or the key added
// after the section's last key line, or the section added at the end.
std::string iniWithValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace zorvqi
