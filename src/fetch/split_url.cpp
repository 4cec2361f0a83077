#include "fetch/split_url.h"

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";

// The host with its ":port" part, taken from the lower-cased URL.
std::string hostWithPort(std::string_view url) {
  std::string lowered = asciiLowered(url);
  if (lowered.empty() || lowered.back() != '/') lowered += '/';
  std::size_t start = 0;
  if (lowered.starts_with(kHttps)) {
    start = kHttps.size();
  } else {
    std::size_t scheme = lowered.find(kHttp);
    if (scheme == std::string::npos) {
      lowered.insert(0, kHttp);
      scheme = 0;
    }
    start = scheme + kHttp.size();
  }
  const std::size_t end = lowered.find('/', start);
  return lowered.substr(start, end - start);
}

}  // namespace

UrlParts splitUrl(std::string_view url) {
  UrlParts parts;
  parts.secure = asciiLowered(url.substr(0, kHttps.size())) == kHttps;
  const std::string withPort = hostWithPort(url);
  const std::size_t colon = withPort.find(':');
  parts.host = withPort.substr(0, colon);
  if (colon == std::string::npos) {
    parts.port = asciiLowered(url.substr(0, 5)) == "https" ? 443 : 80;
  } else {
    parts.port = textToInt32(std::string_view(withPort).substr(withPort.rfind(':') + 1));
  }
  const std::size_t hostAt =
      parts.host.empty() ? std::string::npos : gbkFind(url, parts.host, 0, Case::Ignore);
  const std::size_t slash = hostAt == std::string::npos ? std::string::npos : url.find('/', hostAt);
  parts.objectPath = slash == std::string::npos ? "/" : std::string(url.substr(slash));
  return parts;
}

}  // namespace zorvqi
