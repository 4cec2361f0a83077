#include "fetch/wininet_headers.h"

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

constexpr std::string_view kUserAgentName = "User-Agent:";

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

std::string winInetAgentString(std::string_view headerText) {
  const std::string searched = std::string(headerText) + "\r\n";
  const std::size_t name = gbkFind(searched, kUserAgentName, 0, Case::Ignore);
  if (name == std::string::npos) return std::string(kDefaultAgent);
  const std::size_t valueStart = name + kUserAgentName.size();
  const std::size_t lineEnd = searched.find("\r\n", valueStart);
  const std::string_view agent =
      trimAsciiSpaces(std::string_view(searched).substr(valueStart, lineEnd - valueStart));
  // An empty value would leave the agent to whatever follows the line; the default is sent.
  return agent.empty() ? std::string(kDefaultAgent) : std::string(agent);
}

std::string completeWinInetHeaders(std::string_view headerText, std::string_view url, bool isPost) {
  std::string text = headerText.empty() ? std::string("Accept: */*") : std::string(headerText);
  appendUnlessPresent(text, "Accept:", "Accept: */*");
  appendUnlessPresent(text, "Referer:", "Referer: " + std::string(url));
  appendUnlessPresent(text, "Accept-Language:", "Accept-Language: zh-cn");
  if (isPost) appendUnlessPresent(text, "Content-Type:", "Content-Type: application/x-www-form-urlencoded");
  return text;
}

std::string appendCookieLine(std::string_view headerText, std::string_view cookie) {
  std::string text(headerText);
  if (cookie.empty()) return text;
  text += gbkContains(cookie, "Cookie:") ? "\r\n" : "\r\nCookie: ";
  text += cookie;
  return text;
}

}  // namespace zorvqi
