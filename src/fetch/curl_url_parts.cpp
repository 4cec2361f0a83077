#include "fetch/curl_url_parts.h"

#include <curl/curl.h>

#include <memory>

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

}  // namespace

std::optional<CurlUrlParts> curlUrlParts(const std::string& url) {
  const std::unique_ptr<CURLU, UrlHandleFree> handle(curl_url());
  if (!handle) return std::nullopt;
  constexpr unsigned kFlags = CURLU_DEFAULT_SCHEME | CURLU_PATH_AS_IS | CURLU_ALLOW_SPACE;
  if (curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), kFlags) != CURLUE_OK) return std::nullopt;
  const std::optional<std::string> host = part(handle.get(), CURLUPART_HOST);
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
