#include "fetch/split_url.h"

#include "fetch/curl_url_parts.h"
#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";

// Where the host text begins: after "https://" at the start, else after the first "http://",
// else at the start (a URL without a scheme).
std::size_t hostStart(std::string_view lowered) {
  if (lowered.starts_with(kHttps)) return kHttps.size();
  const std::size_t scheme = lowered.find(kHttp);
  return scheme == std::string_view::npos ? 0 : scheme + kHttp.size();
}

// The host with its ":port" part, taken from the lower-cased URL.
std::string hostWithPort(std::string_view url) {
  std::string lowered = asciiLowered(url);
  if (lowered.empty() || lowered.back() != '/') lowered += '/';
  const std::size_t start = hostStart(lowered);
  const std::size_t end = lowered.find('/', start);
  return lowered.substr(start, end - start);
}

UrlParts partsByText(std::string_view url) {
  UrlParts parts;
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

// The addresses the text rule takes apart wrongly: user information before the host, an
// IPv6 host or any other "[", and a host whose text is first found inside the scheme.
bool textRuleMisreads(std::string_view url, const UrlParts& byText) {
  const std::string lowered = asciiLowered(url);
  const std::size_t start = hostStart(lowered);
  const std::size_t authorityEnd = lowered.find('/', start);
  const std::string_view authority = std::string_view(lowered).substr(start, authorityEnd - start);
  if (authority.find('@') != std::string_view::npos) return true;
  if (lowered.find('[') != std::string::npos) return true;
  return !byText.host.empty() && gbkFind(url, byText.host, 0, Case::Ignore) < start;
}

}  // namespace

UrlParts splitUrl(std::string_view url) {
  UrlParts parts = partsByText(url);
  parts.secure = asciiLowered(url.substr(0, kHttps.size())) == kHttps;
  if (!textRuleMisreads(url, parts)) return parts;
  if (const std::optional<CurlUrlParts> parsed = curlUrlParts(std::string(url))) {
    parts.host = parsed->host;
    parts.port = parsed->port;
    parts.objectPath = parsed->pathAndQuery;
  }
  return parts;
}

}  // namespace zorvqi
