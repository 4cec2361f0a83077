#include "fetch/request_address.h"

#include "fetch/curl_url_parts.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::string_view kSchemeEnd = "://";

bool unsafeInAddress(unsigned char byte) {
  return byte <= 0x20 || byte >= 0x7F;
}

// Where the part after the host begins: the first "/", "?" or "#" after the scheme.
std::size_t afterHost(std::string_view address) {
  const std::size_t scheme = address.find(kSchemeEnd);
  const std::size_t hostAt = scheme == std::string_view::npos ? 0 : scheme + kSchemeEnd.size();
  const std::size_t end = address.find_first_of("/?#", hostAt);
  return end == std::string_view::npos ? address.size() : end;
}

}  // namespace

std::string percentEncodeUnsafe(std::string_view text) {
  std::string encoded;
  encoded.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!unsafeInAddress(byte)) {
      encoded += c;
      continue;
    }
    encoded += '%';
    encoded += kHexDigits[byte >> 4];
    encoded += kHexDigits[byte & 0x0F];
  }
  return encoded;
}

std::string safeAddress(std::string_view url) {
  const std::size_t rest = afterHost(url);
  return std::string(url.substr(0, rest)) + percentEncodeUnsafe(url.substr(rest));
}

std::string winHttpAddress(std::string_view gbkUrl) {
  return safeAddress(gbkToUtf8(gbkUrl));
}

std::string addressHost(const std::string& address) {
  const std::optional<CurlUrlParts> parts = curlUrlParts(address);
  if (!parts) return {};
  const std::string& host = parts->host;
  const bool bracketed = host.size() >= 2 && host.front() == '[' && host.back() == ']';
  return bracketed ? host.substr(1, host.size() - 2) : host;
}

}  // namespace zorvqi
