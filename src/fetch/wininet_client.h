// The second HTTP stack: the request the system made through WinINet, sent with libcurl.
//
// Contract: `winInetFetch` builds the address from `splitUrl` (so a URL without a scheme is
// fetched as "http://"), with spaces, control characters and bytes above 0x7F of the object
// path percent-encoded as GBK bytes (request_address.h). It sends the agent string as
// User-Agent and the lines of the capitalised and completed header text (no User-Agent
// line added), one per name, an empty User-Agent given the default agent, Accept-Encoding
// cut down to the codings the fetch decodes (sent_headers.h). The cookie is the header
// text's Cookie line when it has a non-empty one, else the cookie text (wininet_headers.h);
// it goes into the transfer's cookie engine for the request's host (user_cookie.h), so it
// follows redirects that stay on that host and merges with what the site sets. For POST the
// POST data is the body; a GET never carries a body. Returns the body read to its end,
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

// What the second stack hands libcurl besides the address: the header lines in sending
// order, the agent string and the cookie for the engine ("" for none).
struct WinInetRequestHeaders {
  std::vector<std::string> lines;
  std::string agent;
  std::string cookie;
};

WinInetRequestHeaders winInetRequestHeaders(const PageRequest& request);

// The address libcurl is given for the request's URL.
std::string winInetAddress(const std::string& url);

}  // namespace zorvqi
