#include "store/ini_text.h"

#include <vector>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

// Spaces, tabs and a stray carriage return around an ini line's parts.
std::string_view trimLineBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// One line of the text: its bytes without the line ending, and where it starts and ends
// (the end includes the ending).
struct Line {
  std::string_view content;
  std::size_t begin = 0;
  std::size_t end = 0;
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t feed = text.find('\n', begin);
    const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
    std::string_view content = text.substr(begin, (feed == std::string_view::npos ? end : feed) - begin);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    lines.push_back({content, begin, end});
    begin = end;
  }
  return lines;
}

std::optional<std::string_view> sectionName(std::string_view line) {
  const std::string_view trimmed = trimLineBlanks(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::string_view inside = trimmed.substr(1);
  // "]" can be the second byte of a GBK character, so the search steps over characters.
  return trimLineBlanks(inside.substr(0, gbkFind(inside, "]")));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{trimLineBlanks(line.substr(0, equals)), trimLineBlanks(line.substr(equals + 1))};
}

// Where the section's lines are: the header's index and one past its last line.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionName(lines[i].content);
    if (!name || !sameIniName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionName(lines[end].content)) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::string_view lineEnding(std::string_view text) {
  const std::size_t feed = text.find('\n');
  return feed != std::string_view::npos && feed > 0 && text[feed - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

bool sameIniName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t length = gbkCharLength(a, i);
    if (length == 2) {
      if (a.substr(i, 2) != b.substr(i, 2)) return false;
    } else if (asciiLower(a[i]) != asciiLower(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}

std::optional<std::string> iniValue(std::string_view text, std::string_view section, std::string_view key) {
  section = trimLineBlanks(section);
  key = trimLineBlanks(key);
  const std::vector<Line> lines = splitLines(text);
  const auto span = findSection(lines, section);
  if (!span) return std::nullopt;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const auto entry = keyLine(lines[i].content);
    if (entry && sameIniName(entry->key, key)) return std::string(entry->value);
  }
  return std::nullopt;
}

std::string iniWithValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
  section = trimLineBlanks(section);
  key = trimLineBlanks(key);
  const std::string_view eol = lineEnding(text);
  const std::string entry = std::string(key) + "=" + std::string(value) + std::string(eol);
  const std::vector<Line> lines = splitLines(text);
  const auto span = findSection(lines, section);
  std::string out(text);
  if (!span) {
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + "[" + std::string(section) + "]" + std::string(eol) + entry;
  }
  std::size_t lastKey = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const auto found = keyLine(lines[i].content);
    if (!found) continue;
    if (sameIniName(found->key, key)) {
      const bool hadEnding = lines[i].end > lines[i].begin + lines[i].content.size();
      return out.replace(lines[i].begin, lines[i].end - lines[i].begin,
                         hadEnding ? entry : entry.substr(0, entry.size() - eol.size()));
    }
    lastKey = i;
  }
  const Line& after = lines[lastKey];
  const bool afterHasEnding = after.end > after.begin + after.content.size();
  if (!afterHasEnding)
    return out.insert(after.end, std::string(eol) + entry.substr(0, entry.size() - eol.size()));
  return out.insert(after.end, entry);
}

}  // namespace zorvqi
