// The rules both HTTP stacks apply to the header lines they are about to send.
//
// Contract: a `SentHeader` is one line of the request: its name, its value and the line as
// it goes to libcurl. Names are compared with the spaces around them dropped and ASCII case
// ignored. `onePerName` keeps one line per name: a later line replaces an earlier one of the
// same name, in the earlier one's place. `decodableEncodings` keeps, as written and in
// order, the codings of an Accept-Encoding value the fetch can decode: gzip and x-gzip
// (every gzip body is decompressed), identity, and deflate only with the gzip switch on
// (only then is a zlib body decompressed); it gives "" when none is left. `settleHeaders`
// applies all of this: one line per name, the Accept-Encoding line cut down to what can be
// decoded or dropped when nothing is left, an empty User-Agent given the default agent, and
// the Cookie line taken out, its value handed back ("" when there was none or it was empty).
// A line changed here is written "Name: value". Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvqi {

struct SentHeader {
  std::string name;
  std::string value;
  std::string line;
};

std::vector<SentHeader> onePerName(const std::vector<SentHeader>& headers);
std::string decodableEncodings(std::string_view value, bool gzipSwitch);
std::string settleHeaders(std::vector<SentHeader>& headers, bool gzipSwitch);

}  // namespace zorvqi
