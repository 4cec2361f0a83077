// One request of an HTTP stack against the raw recorder, for the stacks' tests.
//
// `recordExchange` serves `response` from a fresh RawHttpRecorder, points the request at it
// (its url, if set, is the path; else "/list"), runs `fetch` and returns the body the stack gave
// back with the raw request the server received (empty unless exactly one arrived) and the
// full address asked for. Thread safety: each call has its own server.
#pragma once

#include <string>

#include "fetch/page_request.h"
#include "support/raw_http_recorder.h"

namespace zorvqi::testing {

struct Exchange {
  std::string body;
  std::string raw;  // the request as the server received it
  std::string url;
};

template <class Fetch>
Exchange recordExchange(Fetch fetch, PageRequest request, const std::string& response) {
  RawHttpRecorder server(response);
  request.url = server.url(request.url.empty() ? "/list" : request.url);
  Exchange result{fetch(request), "", request.url};
  const auto requests = server.requests();
  if (requests.size() == 1) result.raw = requests[0];
  return result;
}

}  // namespace zorvqi::testing
