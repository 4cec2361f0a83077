// The first HTTP stack: the request the system made through the WinHTTP request object,
// sent with libcurl.
//
// Contract: `winHttpFetch` accepts only "http://" and "https://" URLs (scheme in any case)
// and sends the URL as UTF-8 with spaces, control characters and bytes above 0x7F after the
// host percent-encoded (request_address.h), with the request's method. Headers after
// libcurl's Host: the Cookie line of the cookie engine, then the lines of the completed and
// capitalised header text, one per name (a later line replaces an earlier one of the same
// name), an empty User-Agent given the default agent, Accept-Encoding cut down to the
// codings the fetch decodes (sent_headers.h). The cookie is the header text's Cookie line
// when it has a non-empty one, else the cleaned and trimmed cookie text; it goes into the
// transfer's cookie engine for the request's host (user_cookie.h), so it follows redirects
// that stay on that host and merges with what the site sets; no Cookie line goes out when
// there is no cookie. A line whose name is empty is not sent. The POST data is the body
// whenever it is not empty, for a GET as well; a GET body gets a Content-Type only from the
// header text. Nothing else is added: no Accept-Encoding, no Expect. Returns the response
// body whatever the status code; empty when the request failed, timed out or was
// cancelled; cut at the body cap when the response is longer. Thread safety: callable from
// any number of threads at once.
#pragma once

#include <string>
#include <vector>

#include "fetch/fetch_limits.h"
#include "fetch/page_request.h"

namespace zorvqi {

std::string winHttpFetch(const PageRequest& request, const FetchLimits& limits = {});

// What the first stack hands libcurl besides the address: the header lines in sending order
// and the cookie for the engine ("" for none).
struct WinHttpRequestHeaders {
  std::vector<std::string> lines;
  std::string cookie;
};

WinHttpRequestHeaders winHttpRequestHeaders(const PageRequest& request);

}  // namespace zorvqi
