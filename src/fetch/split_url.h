// The parts of a URL as the second HTTP stack takes them.
//
// Contract: `splitUrl` never fails. A URL counts as secure when it starts with "https://"
// (any case). The host is taken from the lower-cased URL after "https://" at its start or
// else after its first "http://" ("http://" is assumed when there is none) up to the next
// "/" and before the first ":". The port is the number after the last ":" of that text, or
// 443 for a URL starting with "https" and 80 otherwise. The object path runs from the first
// "/" at or after the host in the URL (case kept, query included) to its end, "/" when there
// is none. Addresses that rule takes apart wrongly get host, port and object path (path and
// query) from libcurl's URL parser instead: those with an "@" between the host's start and
// the next "/", those holding a "[" (an IPv6 host), and those whose host text first occurs
// inside the scheme ("http://h/"); an address libcurl refuses keeps the rule's parts.
// Thread safety: a pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

struct UrlParts {
  bool secure = false;
  std::string host;
  int port = 80;
  std::string objectPath;
};

UrlParts splitUrl(std::string_view url);

}  // namespace zorvqi
