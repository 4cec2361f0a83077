// The extraction steps as each of their three callers takes them: the rule test of the plan
// editor, the monitor's plan worker and the live fetch of one plan.
//
// Contract:
// - fetchGetsMarkers: whether the caller hands the plan's markers to the fetch (which then
//   makes the lone start-marker check); the live fetch does not.
// - regionToMatch: from the source as the caller got it, the text the rule runs over, or why
//   there is none. The rule test normalises the source once more, refuses a source that lacks
//   a lone start marker, and otherwise matches the whole source when only the start marker is
//   set, as the monitor does. All three cut when both markers are set, except the live fetch
//   when the start marker reads "NULL". An empty source or region is refused.
// - failureMessage: the caller's own words (GBK) for a refusal; the rule test shows them in
//   a message box, the worker with appendStatus, the live fetch as a raw status append.
// - usesLastMatchFirst: the worker walks the matches from the last to the first.
// - workerArticle / liveArticle: the fields of one match. Both compose the address and the
//   extra info; the worker decodes the title only and reads the id, the live fetch decodes
//   title and extra info. A field number that names no group reads as the empty text (an id
//   of 0). `articleAddress` and `articleId` are the two fields that decide whether a match is
//   new, so the worker reads the others (decoding included) of new matches only.
// - ruleTestCells: fields 0..G of a match; the title column decoded when a mode of 1 or more
//   is given (pass 0 when the decode box is off).
// The messages live in the .cpp, compiled as GBK: a header literal would take the charset of
// whoever includes it.
// Thread safety: pure functions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "extract/find_matches.h"
#include "text/template_refs.h"

namespace zorvqi {

enum class ExtractCaller { RuleTest, PlanWorker, LiveFetch };

enum class RegionStatus { Ready, EmptySource, EmptyRegion, StartMarkerMissing };

struct Region {
  RegionStatus status = RegionStatus::Ready;
  std::string text;  // empty unless Ready
};

bool fetchGetsMarkers(ExtractCaller caller);
Region regionToMatch(ExtractCaller caller, std::string_view source, std::string_view startMarker,
                     std::string_view endMarker);
std::string_view failureMessage(ExtractCaller caller, RegionStatus status);
bool usesLastMatchFirst(ExtractCaller caller);

// The messages of failureMessage, by name.
extern const std::string_view kRuleTestEmptySourceMessage;
extern const std::string_view kRuleTestStartMarkerMissingMessage;
extern const std::string_view kWorkerEmptySourceMessage;
extern const std::string_view kWorkerEmptyRegionMessage;
extern const std::string_view kLiveFetchEmptySourceMessage;

// The plan fields that turn a match into an article.
struct ArticleRule {
  int titleField = 0;       // tindex
  int idField = 0;          // uindex, compare-id mode only
  std::string urlTemplate;  // buquan
  TemplateRefs urlRefs;
  std::string extraTemplate;  // oindex
  TemplateRefs extraRefs;
  int decodeMode = 0;  // tcode; 0 decodes nothing
};

struct ArticleFields {
  std::string address;
  std::string title;
  std::string extra;
  std::int64_t id = 0;
};

std::string articleAddress(const ArticleRule& rule, const Match& match);
std::int64_t articleId(const ArticleRule& rule, const Match& match);
ArticleFields workerArticle(const ArticleRule& rule, const Match& match);
ArticleFields liveArticle(const ArticleRule& rule, const Match& match);
std::vector<std::string> ruleTestCells(const Match& match, int titleField, int decodeMode);

}  // namespace zorvqi
