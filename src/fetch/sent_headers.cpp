#include "fetch/sent_headers.h"

#include <algorithm>

#include "fetch/header_text.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

std::string nameKey(std::string_view name) {
  return asciiLowered(trimBlanks(name));
}

bool decodable(std::string_view coding, bool gzipSwitch) {
  const std::string lowered = asciiLowered(coding);
  return lowered == "gzip" || lowered == "x-gzip" || lowered == "identity" ||
         (gzipSwitch && lowered == "deflate");
}

void setValue(SentHeader& header, std::string value) {
  header.value = std::move(value);
  header.line = std::string(trimBlanks(header.name)) + ": " + header.value;
}

std::vector<SentHeader>::iterator named(std::vector<SentHeader>& headers, std::string_view key) {
  return std::find_if(headers.begin(), headers.end(),
                      [key](const SentHeader& header) { return nameKey(header.name) == key; });
}

}  // namespace

std::vector<SentHeader> onePerName(const std::vector<SentHeader>& headers) {
  std::vector<SentHeader> kept;
  for (const SentHeader& header : headers) {
    const auto earlier = named(kept, nameKey(header.name));
    if (earlier == kept.end()) {
      kept.push_back(header);
    } else {
      *earlier = header;
    }
  }
  return kept;
}

std::string decodableEncodings(std::string_view value, bool gzipSwitch) {
  std::string kept;
  std::size_t start = 0;
  while (start <= value.size()) {
    const std::size_t end = std::min(value.find(',', start), value.size());
    const std::string_view item = trimBlanks(value.substr(start, end - start));
    start = end + 1;
    if (item.empty() || !decodable(trimBlanks(item.substr(0, item.find(';'))), gzipSwitch)) continue;
    if (!kept.empty()) kept += ", ";
    kept += item;
  }
  return kept;
}

std::string settleHeaders(std::vector<SentHeader>& headers, bool gzipSwitch) {
  headers = onePerName(headers);
  if (const auto encoding = named(headers, "accept-encoding"); encoding != headers.end()) {
    std::string codings = decodableEncodings(encoding->value, gzipSwitch);
    if (codings.empty()) {
      headers.erase(encoding);
    } else if (codings != encoding->value) {
      setValue(*encoding, std::move(codings));
    }
  }
  if (const auto agent = named(headers, "user-agent");
      agent != headers.end() && trimBlanks(agent->value).empty()) {
    setValue(*agent, std::string(kDefaultAgent));
  }
  std::string cookie;
  if (const auto found = named(headers, "cookie"); found != headers.end()) {
    cookie = std::string(trimBlanks(found->value));
    headers.erase(found);
  }
  return cookie;
}

}  // namespace zorvqi
