#include "fetch/fetch_page.h"

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "extract/normalise_source.h"
#include "fetch/gunzip_body.h"
#include "fetch/winhttp_client.h"
#include "fetch/wininet_client.h"
#include "text/page_text.h"

namespace zorvqi {

namespace {

// A gzip body is decompressed whatever the switch, so a plan whose header text asks for gzip
// in its own words still reads its page; the switch adds zlib bodies. Any other body is the
// page as it came, since a server may answer a request for gzip without compressing.
bool decompresses(std::string_view body, const PageRequest& request) {
  return startsLikeGzip(body) || (request.gzipSwitch == 1 && startsLikeZlib(body));
}

}  // namespace

std::string usablePageText(std::string_view body, const PageRequest& request) {
  const bool gbk = request.gbkSwitch == 1;
  // Each step's input goes as soon as the next has its result: bodies may be tens of MiB.
  const std::string text =
      decompresses(body, request) ? bytesToPageText(gunzipBody(body), gbk) : bytesToPageText(body, gbk);
  std::string normalised = normaliseSource(text);
  if (sourceLacksStartMarker(normalised, request.startMarker, request.endMarker)) return {};
  return normalised;
}

std::string fetchPage(const PageRequest& request, const FetchLimits& limits) {
  std::string text = usablePageText(winHttpFetch(request, limits), request);
  if (!text.empty() || threadWorkAbandoned()) return text;
  return usablePageText(winInetFetch(request, limits), request);
}

}  // namespace zorvqi
