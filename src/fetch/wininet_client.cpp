#include "fetch/wininet_client.h"

#include <algorithm>

#include "fetch/curl_header_line.h"
#include "fetch/curl_transfer.h"
#include "fetch/header_text.h"
#include "fetch/split_url.h"
#include "fetch/wininet_headers.h"
#include "text/number.h"

namespace zorvqi {
namespace {

// The additional header text goes to the server line by line as written; a line break
// of any form ends a line.
std::vector<std::string_view> headerBlockLines(std::string_view block) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= block.size()) {
    const std::size_t end = std::min(block.find_first_of("\r\n", start), block.size());
    if (end > start) lines.push_back(block.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void setMethodAndBody(CURL* handle, const PageRequest& request) {
  if (!request.isPost()) {
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    return;
  }
  curl_easy_setopt(handle, CURLOPT_POST, 1L);
  curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.postData.size()));
  curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.postData.c_str());
}

}  // namespace

std::string winInetAddress(const std::string& url) {
  const UrlParts parts = splitUrl(url);
  return std::string(parts.secure ? "https://" : "http://") + parts.host + ":" + decimalText(parts.port) +
         parts.objectPath;
}

std::vector<std::string> winInetHeaderLines(const PageRequest& request) {
  const std::string capitalised = capitaliseHeaderNames(request.headerText);
  const std::string block =
      appendCookieLine(completeWinInetHeaders(capitalised, request.url, request.isPost()), request.cookie);
  std::vector<std::string> lines;
  for (std::string_view line : headerBlockLines(block)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, colon);
    std::string_view value = line.substr(colon + 1);
    value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
    if (auto curlLine = curlHeaderLine(name, value)) {
      // Keep the line as written; only an empty value needs libcurl's own form.
      lines.push_back(value.empty() ? *curlLine : std::string(line));
    }
  }
  lines.push_back("Expect:");
  return lines;
}

std::string winInetFetch(const PageRequest& request, const FetchLimits& limits) {
  CurlTransfer transfer;
  if (!transfer.handle()) return {};
  const std::string address = winInetAddress(request.url);
  const std::string agent = winInetAgentString(capitaliseHeaderNames(request.headerText));
  curl_easy_setopt(transfer.handle(), CURLOPT_URL, address.c_str());
  curl_easy_setopt(transfer.handle(), CURLOPT_USERAGENT, agent.c_str());
  setMethodAndBody(transfer.handle(), request);
  for (const std::string& line : winInetHeaderLines(request)) transfer.addHeaderLine(line);
  TransferOutcome outcome = transfer.perform(limits);
  return outcome.status == TransferStatus::Cancelled ? std::string() : std::move(outcome.body);
}

}  // namespace zorvqi
