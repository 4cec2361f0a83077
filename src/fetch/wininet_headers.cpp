#include "fetch/wininet_headers.h"

#include "fetch/header_text.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

constexpr std::string_view kCookiePrefix = "Cookie:";

std::string_view trimAsciiSpaces(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

void appendUnlessPresent(std::string& text, std::string_view name, std::string_view line) {
  if (!gbkContains(text, name, Case::Ignore)) {
    text += "\r\n";
    text += line;
  }
}

}  // namespace

std::string completeWinInetHeaders(std::string_view headerText, std::string_view url, bool isPost) {
  std::string text = headerText.empty() ? std::string("Accept: */*") : std::string(headerText);
  appendUnlessPresent(text, "Accept:", "Accept: */*");
  appendUnlessPresent(text, "Referer:", "Referer: " + std::string(url));
  appendUnlessPresent(text, "Accept-Language:", "Accept-Language: zh-cn");
  if (isPost) appendUnlessPresent(text, "Content-Type:", "Content-Type: application/x-www-form-urlencoded");
  return text;
}

std::string winInetAgentString(const std::vector<SentHeader>& settledHeaders) {
  for (const SentHeader& header : settledHeaders) {
    if (asciiLowered(trimAsciiSpaces(header.name)) == "user-agent") {
      return std::string(trimAsciiSpaces(header.value));
    }
  }
  return std::string(kDefaultAgent);
}

std::string winInetBoxCookie(std::string_view cookie) {
  std::string_view text = trimAsciiSpaces(cookie);
  if (text.starts_with(kCookiePrefix)) text = trimAsciiSpaces(text.substr(kCookiePrefix.size()));
  return std::string(text);
}

}  // namespace zorvqi
