// The first HTTP stack: the request the system made through the WinHTTP request object,
// sent with libcurl.
//
// Contract: `winHttpFetch` accepts only "http://" and "https://" URLs (scheme in any case)
// and sends the URL unchanged with the request's method. Headers, in this order after
// libcurl's Host: the Cookie header from the cleaned cookie text (sent even when empty),
// then the lines of the completed and capitalised header text. A line whose name is empty
// or whose name or value holds a line break is not sent. The POST data is the body whenever
// it is not empty, for a GET as well; a GET body gets a Content-Type only from the header
// text. Nothing else is added: no Accept-Encoding, no Expect, no cookie engine. Returns the
// response body whatever the status code; empty when the request failed, timed out or was
// cancelled; cut at the body cap when the response is longer. Thread safety: callable from
// any number of threads at once.
#pragma once

#include <string>
#include <vector>

#include "fetch/fetch_limits.h"
#include "fetch/page_request.h"

namespace zorvqi {

std::string winHttpFetch(const PageRequest& request, const FetchLimits& limits = {});

// The header lines the first stack hands to libcurl, in sending order.
std::vector<std::string> winHttpHeaderLines(const PageRequest& request);

}  // namespace zorvqi
