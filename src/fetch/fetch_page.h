// The one entry through which the system reads a page.
//
// Contract: `fetchPage` sends the request through the first HTTP stack, decompresses the
// body when it is gzip (whatever the gzip switch) or, with the gzip switch 1, zlib; a gzip
// body without a usable module gives the empty text, any other body is taken as it came. It
// turns the body into GBK text (the GBK switch says whether it already is), normalises it
// and applies the start-marker check (start marker set, end marker empty, marker absent: the
// text counts as empty). When that leaves nothing, the same request goes once through the
// second stack and its body takes the same steps. The result is the normalised GBK page, or
// the empty text when neither stack gave a usable one; nothing is reported to the user here.
// A cancelled worker (the thread's cancel flag) or a stopping program ends the transfer
// within about a second, with the empty text and no second try. Thread safety: callable
// from any number of threads at once; calls share nothing.
#pragma once

#include <string>
#include <string_view>

#include "fetch/fetch_limits.h"
#include "fetch/page_request.h"

namespace zorvqi {

std::string fetchPage(const PageRequest& request, const FetchLimits& limits = {});

// One stack's body as `fetchPage` takes it: decompressed, decoded, normalised and checked
// for the start marker.
std::string usablePageText(std::string_view body, const PageRequest& request);

}  // namespace zorvqi
