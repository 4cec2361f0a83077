#include "extract/cut_region.h"

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

// Markers cannot hold a double quote in every place a plan is written down, so they spell it.
std::string markerText(std::string_view marker) {
  return gbkReplaceAll(marker, "#引号", "\"");
}

}  // namespace

std::string cutRegion(std::string_view source, std::string_view startMarker, std::string_view endMarker) {
  const std::string start = markerText(startMarker);
  const std::string end = markerText(endMarker);
  const std::size_t startAt = gbkFind(source, start);
  if (startAt == std::string_view::npos) return {};
  const std::size_t regionAt = startAt + start.size();
  const std::size_t endAt = gbkFind(source, end, regionAt);
  if (endAt == std::string_view::npos) return {};
  return std::string(source.substr(regionAt, endAt - regionAt));
}

}  // namespace zorvqi
