// An address taken apart by libcurl's URL parser, the way libcurl itself will read it.
//
// Contract: `curlUrlParts` parses `url` with "http" as the scheme when it names none, spaces
// allowed and the path kept as written (no "." or ".." segments removed). It gives the host
// in lower case (a UTF-8 host in its IDN form when the process runs in a UTF-8 locale, the
// only one libcurl makes that form in; an IPv6 address with its brackets), the port (the scheme's default
// when the address names none) and the path followed by "?" and the query when there is one; a fragment is
// left out. An address libcurl refuses gives nothing. Thread safety: callable from any number of threads at
// once.
#pragma once

#include <optional>
#include <string>

namespace zorvqi {

struct CurlUrlParts {
  std::string host;
  int port = 0;
  std::string pathAndQuery;
};

std::optional<CurlUrlParts> curlUrlParts(const std::string& url);

}  // namespace zorvqi
