// The settings file zorvqi.ini: an INI file in GBK, sections "[name]" of "key=value" lines.
//
// Contract: the file is not held open; every read and write opens it, does its work and
// closes it. Sections and keys are found ignoring ASCII case (first match wins). A value
// reads back without its leading and trailing blanks; `read` cuts it to at most 10,239 bytes,
// `readWhole` returns all of it (for values that are written back whole, such as the note,
// which a cut read would shorten on its next save). A missing file, section or key reads as
// the empty text. A write replaces the key's line, or
// adds the key at the end of its section, or the section at the end of the file, and keeps
// every other line as it was. It writes a temporary file beside the settings file and renames
// it over, keeping the file's mode, so a crash or a full disk never leaves a half-written
// file. A write fails (false, file unchanged) when the file is read-only, the directory
// cannot take the temporary file, or the section, key or value would break the line format
// (a line break anywhere, "=" in a key, "]" in a section name).
// `configItem` is the access the system uses for section "配置": a non-empty value is written,
// an empty one is read, so it never writes an empty value.
// Thread safety: no locking between processes or threads; the system uses the file from the
// UI thread only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvqi {

constexpr std::size_t kSettingsValueLimit = 10239;
extern const char* const kConfigSection;  // "配置"
extern const char* const kDataSection;    // "数据"

class SettingsFile {
 public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  std::string read(std::string_view section, std::string_view key) const;
  std::string readWhole(std::string_view section, std::string_view key) const;
  bool write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::string path_;
};

// The settings file of the program directory, programFile("zorvqi.ini").
SettingsFile programSettings();

// Writes key = value in section "配置" when value is not empty; otherwise returns the stored
// value. Returns the empty text after a write.
std::string configItem(const SettingsFile& settings, std::string_view key, std::string_view value);
std::string configItem(std::string_view key, std::string_view value);

}  // namespace zorvqi
