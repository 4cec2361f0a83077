#include "fetch/curl_url_parts.h"

#include <curl/curl.h>
#include <langinfo.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

struct UrlHandleFree {
  void operator()(CURLU* handle) const { curl_url_cleanup(handle); }
};

std::optional<std::string> part(CURLU* handle, CURLUPart which, unsigned flags = 0) {
  char* text = nullptr;
  if (curl_url_get(handle, which, &text, flags) != CURLUE_OK || !text) return std::nullopt;
  std::string copy(text);
  curl_free(text);
  return copy;
}

// A non-ASCII host goes out in its IDN form, the name libcurl connects to and matches
// cookies with. libcurl reads the host in the process's locale to make it, so only a UTF-8
// locale can (asking in another one fails, and leaks in libcurl 7.88).
bool needsIdnForm(std::string_view host) {
  const bool ascii =
      std::all_of(host.begin(), host.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return !ascii && std::string_view(nl_langinfo(CODESET)) == "UTF-8";
}

}  // namespace

std::optional<CurlUrlParts> curlUrlParts(const std::string& url) {
  const std::unique_ptr<CURLU, UrlHandleFree> handle(curl_url());
  if (!handle) return std::nullopt;
  constexpr unsigned kFlags = CURLU_DEFAULT_SCHEME | CURLU_PATH_AS_IS | CURLU_ALLOW_SPACE;
  if (curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), kFlags) != CURLUE_OK) return std::nullopt;
  std::optional<std::string> host = part(handle.get(), CURLUPART_HOST);
  if (host && needsIdnForm(*host)) {
    if (std::optional<std::string> idn = part(handle.get(), CURLUPART_HOST, CURLU_PUNYCODE)) host = idn;
  }
  const std::optional<std::string> port = part(handle.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  const std::optional<std::string> path = part(handle.get(), CURLUPART_PATH);
  if (!host || !port || !path) return std::nullopt;
  CurlUrlParts parts{asciiLowered(*host), textToInt32(*port), *path};
  if (const std::optional<std::string> query = part(handle.get(), CURLUPART_QUERY)) {
    parts.pathAndQuery += "?" + *query;
  }
  return parts;
}

}  // namespace zorvqi
