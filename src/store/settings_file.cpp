#include "store/settings_file.h"

#include "base/program_dir.h"
#include "store/ini_text.h"
#include "store/whole_file.h"
#include "text/gbk_string.h"

namespace zorvqi {

const char* const kConfigSection = "配置";
const char* const kDataSection = "数据";

namespace {

bool hasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// What the line format can hold; anything else would corrupt this or the following lines.
bool fitsLineFormat(std::string_view section, std::string_view key, std::string_view value) {
  return !section.empty() && !key.empty() && !hasLineBreak(section) && !hasLineBreak(key) &&
         !hasLineBreak(value) && !gbkContains(section, "]") && key.find('=') == std::string_view::npos &&
         key.front() != '[';
}

}  // namespace

std::string SettingsFile::read(std::string_view section, std::string_view key) const {
  std::string value = readWhole(section, key);
  if (value.size() > kSettingsValueLimit) value.resize(kSettingsValueLimit);
  return value;
}

std::string SettingsFile::readWhole(std::string_view section, std::string_view key) const {
  std::string text;
  if (readWholeFile(path_, text) != FileRead::Ok) return {};
  return iniValue(text, section, key).value_or("");
}

bool SettingsFile::write(std::string_view section, std::string_view key, std::string_view value) const {
  if (!fitsLineFormat(section, key, value)) return false;
  std::string text;
  if (readWholeFile(path_, text) == FileRead::Failed) return false;
  return replaceWholeFile(path_, iniWithValue(text, section, key, value));
}

SettingsFile programSettings() {
  return SettingsFile(programFile("zorvqi.ini"));
}

std::string configItem(const SettingsFile& settings, std::string_view key, std::string_view value) {
  if (value.empty()) return settings.read(kConfigSection, key);
  settings.write(kConfigSection, key, value);
  return {};
}

std::string configItem(std::string_view key, std::string_view value) {
  return configItem(programSettings(), key, value);
}

}  // namespace zorvqi
