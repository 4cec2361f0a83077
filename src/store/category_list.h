// The category list, stored in the settings file as "<name><name>..." under key "类别".
//
// Contract: every text between a "<" and the next ">" after it, left to right, the search
// for the next "<" resuming right after the previous "<" (so '<a<b>' gives 'a<b' and 'b').
// A missing key gives no categories. Thread safety: as SettingsFile (settings_file.h).
#pragma once

#include <string>
#include <vector>

namespace zorvqi {

class SettingsFile;

std::vector<std::string> categoryList(const SettingsFile& settings);

}  // namespace zorvqi
