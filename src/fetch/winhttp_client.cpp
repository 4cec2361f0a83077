#include "fetch/winhttp_client.h"

#include "fetch/curl_header_line.h"
#include "fetch/curl_transfer.h"
#include "fetch/header_text.h"
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

}  // namespace

std::vector<std::string> winHttpHeaderLines(const PageRequest& request) {
  std::vector<std::string> lines;
  if (auto cookie = curlHeaderLine("Cookie", cleanedCookie(request.cookie))) lines.push_back(*cookie);
  const std::string headerText =
      capitaliseHeaderNames(completeHeaders(request.headerText, request.url, request.isPost()));
  bool hasContentType = false;
  for (const HeaderField& field : headerFields(headerText)) {
    if (auto line = curlHeaderLine(field.name, field.value)) {
      lines.push_back(*line);
      hasContentType = hasContentType || asciiLowered(field.name) == "content-type";
    }
  }
  // libcurl would label any body as a form; only the header text names a body's type.
  if (!hasContentType && !request.postData.empty()) lines.push_back("Content-Type:");
  lines.push_back("Expect:");
  return lines;
}

std::string winHttpFetch(const PageRequest& request, const FetchLimits& limits) {
  if (!hasHttpScheme(request.url)) return {};
  CurlTransfer transfer;
  if (!transfer.handle()) return {};
  curl_easy_setopt(transfer.handle(), CURLOPT_URL, request.url.c_str());
  setMethodAndBody(transfer.handle(), request);
  for (const std::string& line : winHttpHeaderLines(request)) transfer.addHeaderLine(line);
  TransferOutcome outcome = transfer.perform(limits);
  const bool usable =
      outcome.status == TransferStatus::Complete || outcome.status == TransferStatus::BodyCapped;
  return usable ? std::move(outcome.body) : std::string();
}

}  // namespace zorvqi
