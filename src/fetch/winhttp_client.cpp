#include "fetch/winhttp_client.h"

#include "fetch/curl_header_line.h"
#include "fetch/curl_transfer.h"
#include "fetch/header_text.h"
#include "fetch/request_address.h"
#include "fetch/sent_headers.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

bool hasHttpScheme(std::string_view url) {
  const std::string lowered = asciiLowered(url.substr(0, 8));
  return lowered.starts_with("http://") || lowered.starts_with("https://");
}

void setMethodAndBody(CURL* handle, const PageRequest& request) {
  if (request.isPost()) {
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
  } else if (!request.postData.empty()) {
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, "GET");
  } else {
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    return;
  }
  curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.postData.size()));
  curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.postData.c_str());
}

std::vector<SentHeader> headerTextLines(const PageRequest& request, const std::string& address) {
  const std::string headerText =
      capitaliseHeaderNames(completeHeaders(request.headerText, address, request.isPost()));
  std::vector<SentHeader> headers;
  for (HeaderField& field : headerFields(headerText)) {
    if (auto line = curlHeaderLine(field.name, field.value)) {
      headers.push_back(SentHeader{std::move(field.name), std::move(field.value), std::move(*line)});
    }
  }
  return headers;
}

}  // namespace

WinHttpRequestHeaders winHttpRequestHeaders(const PageRequest& request) {
  const std::string address = winHttpAddress(request.url);
  std::vector<SentHeader> headers = headerTextLines(request, address);
  WinHttpRequestHeaders built;
  built.cookie = settleHeaders(headers, request.gzipSwitch == 1);
  if (built.cookie.empty()) built.cookie = trimSpaces(cleanedCookie(request.cookie));
  bool hasContentType = false;
  for (const SentHeader& header : headers) {
    built.lines.push_back(header.line);
    hasContentType = hasContentType || asciiLowered(header.name) == "content-type";
  }
  // libcurl would label any body as a form; only the header text names a body's type.
  if (!hasContentType && !request.postData.empty()) built.lines.push_back("Content-Type:");
  built.lines.push_back("Expect:");
  return built;
}

std::string winHttpFetch(const PageRequest& request, const FetchLimits& limits) {
  if (!hasHttpScheme(request.url)) return {};
  CurlTransfer transfer;
  if (!transfer.handle()) return {};
  const std::string address = winHttpAddress(request.url);
  curl_easy_setopt(transfer.handle(), CURLOPT_URL, address.c_str());
  setMethodAndBody(transfer.handle(), request);
  const WinHttpRequestHeaders headers = winHttpRequestHeaders(request);
  for (const std::string& line : headers.lines) transfer.addHeaderLine(line);
  transfer.setUserCookie(addressHost(address), headers.cookie);
  TransferOutcome outcome = transfer.perform(limits);
  const bool usable =
      outcome.status == TransferStatus::Complete || outcome.status == TransferStatus::BodyCapped;
  return usable ? std::move(outcome.body) : std::string();
}

}  // namespace zorvqi
