// How a plan's free-form header text becomes request headers.
//
// Contract: header texts are GBK, each line "Name:value"; a line ends at CR LF, at a lone LF
// or at a lone CR alike (a Qt text box stores LF alone). Searches for
// header names ignore ASCII case. `completeHeaders` appends the defaults of the first HTTP
// stack that the text lacks; `capitaliseHeaderNames` drops the lines without a colon and
// upper-cases the first letter of each "-"-separated part of every name; `headerFields`
// splits a text into trimmed name/value pairs (ASCII and full-width spaces trimmed) and
// skips "Connection: keep-alive" when the text has several lines; `cleanedCookie` removes
// every "Cookie:" from a cookie text. Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvqi {

// The agent both HTTP stacks send when the header text names none.
inline constexpr std::string_view kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

struct HeaderField {
  std::string name;
  std::string value;
};

std::string completeHeaders(std::string_view headerText, std::string_view url, bool isPost);
std::string capitaliseHeaderNames(std::string_view headerText);
std::vector<HeaderField> headerFields(std::string_view headerText);
std::string cleanedCookie(std::string_view cookie);

// Removes ASCII spaces and GBK full-width spaces from both ends.
std::string trimSpaces(std::string_view text);

// The text split at every line break (an empty text gives one empty line).
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace zorvqi
