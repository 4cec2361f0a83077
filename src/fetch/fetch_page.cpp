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

bool abandoned() {
  const CancelFlag* flag = threadCancelFlag();
  return (flag && flag->isCancelled()) || programStopping();
}

}  // namespace

std::string usablePageText(std::string_view body, const PageRequest& request) {
  const std::string bytes = request.gzipSwitch == 1 ? gunzipBody(body) : std::string(body);
  std::string text = normaliseSource(bytesToPageText(bytes, request.gbkSwitch == 1));
  if (sourceLacksStartMarker(text, request.startMarker, request.endMarker)) return {};
  return text;
}

std::string fetchPage(const PageRequest& request, const FetchLimits& limits) {
  std::string text = usablePageText(winHttpFetch(request, limits), request);
  if (!text.empty() || abandoned()) return text;
  return usablePageText(winInetFetch(request, limits), request);
}

}  // namespace zorvqi
