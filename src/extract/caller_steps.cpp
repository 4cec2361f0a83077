#include "extract/caller_steps.h"

#include "extract/compose_field.h"
#include "extract/cut_region.h"
#include "extract/normalise_source.h"
#include "text/decode_text.h"
#include "text/number.h"

namespace zorvqi {

const std::string_view kRuleTestEmptySourceMessage =
    "出错！截取源码为空，可能原因是：\r\n1、网站无法访问\r\n1、网站需要设置cookie或协议头才能访问\r\n3、采集"
    "区域 设置不当";
const std::string_view kRuleTestStartMarkerMissingMessage =
    "出错！截取源码为空，可能原因是：\r\n1、网站访问失败\r\n2、有效标记 设置错了";
const std::string_view kWorkerEmptySourceMessage = "源码为空或无效，请检查网络或有效标记！";
const std::string_view kWorkerEmptyRegionMessage = "截取源码为空或无效，请检查网络或区域标记！";
const std::string_view kLiveFetchEmptySourceMessage = "\r\n截取源码为空，请检查 采集区域设置、源站能否访问！";

namespace {

bool bothMarkersSet(std::string_view startMarker, std::string_view endMarker) {
  return !startMarker.empty() && !endMarker.empty();
}

bool cutsRegion(ExtractCaller caller, std::string_view startMarker, std::string_view endMarker) {
  if (!bothMarkersSet(startMarker, endMarker)) return false;
  return caller != ExtractCaller::LiveFetch || startMarker != "NULL";
}

Region refused(RegionStatus status) {
  return Region{status, {}};
}

std::string decodedIfAsked(int mode, const std::string& text) {
  return mode > 0 ? decodeText(mode, text) : text;
}

}  // namespace

bool fetchGetsMarkers(ExtractCaller caller) {
  return caller != ExtractCaller::LiveFetch;
}

Region regionToMatch(ExtractCaller caller, std::string_view source, std::string_view startMarker,
                     std::string_view endMarker) {
  std::string text = caller == ExtractCaller::RuleTest ? normaliseSource(source) : std::string(source);
  if (caller == ExtractCaller::RuleTest && sourceLacksStartMarker(text, startMarker, endMarker)) {
    return refused(RegionStatus::StartMarkerMissing);
  }
  if (text.empty()) return refused(RegionStatus::EmptySource);
  if (cutsRegion(caller, startMarker, endMarker)) {
    text = cutRegion(text, startMarker, endMarker);
    if (text.empty()) return refused(RegionStatus::EmptyRegion);
  }
  return Region{RegionStatus::Ready, std::move(text)};
}

std::string_view failureMessage(ExtractCaller caller, RegionStatus status) {
  if (status == RegionStatus::Ready) return {};
  switch (caller) {
    case ExtractCaller::RuleTest:
      return status == RegionStatus::StartMarkerMissing ? kRuleTestStartMarkerMissingMessage
                                                        : kRuleTestEmptySourceMessage;
    case ExtractCaller::PlanWorker:
      return status == RegionStatus::EmptyRegion ? kWorkerEmptyRegionMessage : kWorkerEmptySourceMessage;
    case ExtractCaller::LiveFetch:
      return kLiveFetchEmptySourceMessage;
  }
  return {};
}

bool usesLastMatchFirst(ExtractCaller caller) {
  return caller == ExtractCaller::PlanWorker;
}

std::string articleAddress(const ArticleRule& rule, const Match& match) {
  return composeField(rule.urlTemplate, rule.urlRefs, match);
}

std::int64_t articleId(const ArticleRule& rule, const Match& match) {
  return textToInt64(match.field(rule.idField));
}

ArticleFields workerArticle(const ArticleRule& rule, const Match& match) {
  ArticleFields article;
  article.address = articleAddress(rule, match);
  article.title = decodedIfAsked(rule.decodeMode, match.field(rule.titleField));
  article.extra = composeField(rule.extraTemplate, rule.extraRefs, match);
  article.id = articleId(rule, match);
  return article;
}

ArticleFields liveArticle(const ArticleRule& rule, const Match& match) {
  ArticleFields article;
  article.address = composeField(rule.urlTemplate, rule.urlRefs, match);
  article.title = decodedIfAsked(rule.decodeMode, match.field(rule.titleField));
  article.extra = decodedIfAsked(rule.decodeMode, composeField(rule.extraTemplate, rule.extraRefs, match));
  return article;
}

std::vector<std::string> ruleTestCells(const Match& match, int titleField, int decodeMode) {
  std::vector<std::string> cells = match.fields;
  if (titleField >= 0 && titleField < static_cast<int>(cells.size())) {
    std::string& title = cells[static_cast<std::size_t>(titleField)];
    title = decodedIfAsked(decodeMode, title);
  }
  return cells;
}

}  // namespace zorvqi
