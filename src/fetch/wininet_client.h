// The second HTTP stack: the request the system made through WinINet, sent with libcurl.
//
// Contract: `winInetFetch` builds the address from `splitUrl` (so a URL without a scheme is
// fetched as "http://"), sends the agent string as User-Agent, the capitalised and
// completed header text (no User-Agent line added) with the cookie line, and for POST the
// POST data as the body; a GET never carries a body. Returns the body read to its end,
// whatever the status code; a transfer that breaks off returns what arrived before, a
// cancelled one nothing; the body cap applies as on the first stack. Thread safety:
// callable from any number of threads at once.
#pragma once

#include <string>
#include <vector>

#include "fetch/fetch_limits.h"
#include "fetch/page_request.h"

namespace zorvqi {

std::string winInetFetch(const PageRequest& request, const FetchLimits& limits = {});

// The header lines the second stack hands to libcurl, in sending order.
std::vector<std::string> winInetHeaderLines(const PageRequest& request);

// The address libcurl is given for the request's URL.
std::string winInetAddress(const std::string& url);

}  // namespace zorvqi
