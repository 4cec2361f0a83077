#include "fetch/wininet_client.h"

#include <algorithm>

#include "fetch/curl_header_line.h"
#include "fetch/curl_transfer.h"
#include "fetch/header_text.h"
#include "fetch/request_address.h"
#include "fetch/split_url.h"
#include "fetch/wininet_headers.h"
#include "text/charset.h"
#include "text/number.h"

namespace zorvqi {
namespace {

void setMethodAndBody(CURL* handle, const PageRequest& request) {
  if (!request.isPost()) {
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    return;
  }
  curl_easy_setopt(handle, CURLOPT_POST, 1L);
  curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.postData.size()));
  curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.postData.c_str());
}

// The completed header text line by line, each line kept as written; only an empty value
// needs libcurl's own form.
std::vector<SentHeader> headerBlockLines(std::string_view block) {
  std::vector<SentHeader> headers;
  for (std::string_view line : splitLines(block)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, colon);
    std::string_view value = line.substr(colon + 1);
    value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
    if (auto curlLine = curlHeaderLine(name, value)) {
      headers.push_back(
          SentHeader{std::string(name), std::string(value), value.empty() ? *curlLine : std::string(line)});
    }
  }
  return headers;
}

}  // namespace

std::string winInetAddress(const std::string& url) {
  const UrlParts parts = splitUrl(url);
  return std::string(parts.secure ? "https://" : "http://") + gbkToUtf8(parts.host) + ":" +
         decimalText(parts.port) + percentEncodeUnsafe(parts.objectPath);
}

WinInetRequestHeaders winInetRequestHeaders(const PageRequest& request) {
  const std::string block = completeWinInetHeaders(capitaliseHeaderNames(request.headerText),
                                                   safeAddress(request.url), request.isPost());
  std::vector<SentHeader> headers = headerBlockLines(block);
  WinInetRequestHeaders built;
  built.cookie = settleHeaders(headers, request.gzipSwitch == 1);
  if (built.cookie.empty()) built.cookie = winInetBoxCookie(request.cookie);
  built.agent = winInetAgentString(headers);
  for (const SentHeader& header : headers) built.lines.push_back(header.line);
  built.lines.push_back("Expect:");
  return built;
}

std::string winInetFetch(const PageRequest& request, const FetchLimits& limits) {
  CurlTransfer transfer;
  if (!transfer.handle()) return {};
  const std::string address = winInetAddress(request.url);
  const WinInetRequestHeaders headers = winInetRequestHeaders(request);
  curl_easy_setopt(transfer.handle(), CURLOPT_URL, address.c_str());
  curl_easy_setopt(transfer.handle(), CURLOPT_USERAGENT, headers.agent.c_str());
  setMethodAndBody(transfer.handle(), request);
  for (const std::string& line : headers.lines) transfer.addHeaderLine(line);
  transfer.setUserCookie(addressHost(address), headers.cookie);
  TransferOutcome outcome = transfer.perform(limits);
  return outcome.status == TransferStatus::Cancelled ? std::string() : std::move(outcome.body);
}

}  // namespace zorvqi
