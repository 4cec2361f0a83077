#include "fetch/header_text.h"

#include <algorithm>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

void appendUnlessPresent(std::string& text, std::string_view name, std::string_view line) {
  if (!gbkContains(text, name, Case::Ignore)) {
    text += kLineBreak;
    text += line;
  }
}

std::string capitaliseName(std::string_view name) {
  std::string result(name);
  bool partStart = true;
  for (char& c : result) {
    if (partStart && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    partStart = c == '-';
  }
  return result;
}

// Whether the character of `length` bytes at `pos` is an ASCII or a full-width space.
bool isSpaceChar(std::string_view text, std::size_t pos, std::size_t length) {
  return length == 1 ? text[pos] == ' ' : text.substr(pos, 2) == kFullWidthSpace;
}

}  // namespace

std::string completeHeaders(std::string_view headerText, std::string_view url, bool isPost) {
  std::string text(headerText);
  appendUnlessPresent(text, "Accept:", "Accept: */*");
  appendUnlessPresent(text, "Referer:", "Referer: " + std::string(url));
  appendUnlessPresent(text, "Accept-Language:", "Accept-Language: zh-cn");
  appendUnlessPresent(text, "User-Agent:", "User-Agent: " + std::string(kDefaultAgent));
  if (isPost) appendUnlessPresent(text, "Content-Type:", "Content-Type: application/x-www-form-urlencoded");
  return text;
}

std::string capitaliseHeaderNames(std::string_view headerText) {
  std::string result;
  bool first = true;
  for (std::string_view line : splitLines(headerText)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    if (!first) result += kLineBreak;
    first = false;
    result += capitaliseName(line.substr(0, colon));
    result += line.substr(colon);
  }
  return result;
}

std::vector<HeaderField> headerFields(std::string_view headerText) {
  const bool severalLines = headerText.find_first_of("\r\n") != std::string_view::npos;
  std::vector<HeaderField> fields;
  for (std::string_view line : splitLines(headerText)) {
    const std::size_t colon = line.find(':');
    if (line.empty() || colon == std::string_view::npos) continue;
    HeaderField field{trimSpaces(line.substr(0, colon)), trimSpaces(line.substr(colon + 1))};
    if (severalLines && field.name == "Connection" && field.value == "keep-alive") continue;
    fields.push_back(std::move(field));
  }
  return fields;
}

std::string cleanedCookie(std::string_view cookie) {
  return gbkReplaceAll(cookie, "Cookie:", "", Case::Ignore);
}

std::string trimSpaces(std::string_view text) {
  // Walk forward character by character so a trailing A1 A1 is only taken when it is a
  // whole character, never the second half of one and the first half of the next.
  std::size_t begin = text.size();
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = gbkCharLength(text, pos);
    if (!isSpaceChar(text, pos, length)) {
      begin = std::min(begin, pos);
      end = pos + length;
    }
    pos += length;
  }
  return begin < end ? std::string(text.substr(begin, end - begin)) : std::string();
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = text.find_first_of("\r\n", start);
    if (found == std::string_view::npos) break;
    lines.push_back(text.substr(start, found - start));
    start = found + (text.substr(found, kLineBreak.size()) == kLineBreak ? kLineBreak.size() : 1);
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace zorvqi
