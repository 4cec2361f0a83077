#include "store/plan_fields.h"

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

constexpr std::string_view kPostMarker = "zorvqi";

}  // namespace

PostInfo readPostInfo(std::string_view text) {
  const std::int64_t flag = textToInt64(text);
  if (flag != 1) return {};
  std::string data = std::string(kPostMarker) + std::string(text);
  data = gbkReplaceAll(data, std::string(kPostMarker) + decimalText(flag), "");
  return {true, gbkReplaceAll(data, kPostMarker, "")};
}

std::string withUserAgent(std::string_view headers) {
  if (gbkContains(headers, "User-Agent", Case::Ignore)) return std::string(headers);
  return "User-Agent:" + std::string(headers);
}

std::shared_ptr<Plan> planFromRow(const std::vector<std::string>& row, bool gzipAvailable) {
  static const std::string kEmpty;
  auto column = [&row](int index) -> const std::string& {
    return static_cast<std::size_t>(index) < row.size() ? row[static_cast<std::size_t>(index)] : kEmpty;
  };
  auto plan = std::make_shared<Plan>();
  plan->id = textToInt32(column(kRuleId));
  plan->category = textToInt32(column(kRuleClass));
  plan->gbk = column(kRuleCode) == "1";
  plan->name = column(kRuleName);
  plan->url = column(kRuleUrl);
  plan->cookie = column(kRuleCookie);
  plan->headers = withUserAgent(column(kRuleUa));
  plan->lastTitle = column(kRuleArttile);
  plan->urlTemplate = column(kRuleBuquan);
  plan->infoTemplate = column(kRuleOindex);
  plan->urlRefs = scanTemplateRefs(plan->urlTemplate);
  plan->infoRefs = scanTemplateRefs(plan->infoTemplate);
  plan->rule = column(kRuleRegular);
  plan->startMarker = column(kRuleBefore);
  plan->endMarker = column(kRuleAfter);
  plan->titleField = textToInt32(column(kRuleTindex));
  plan->idField = textToInt32(column(kRuleUindex));
  plan->state = textToInt32(column(kRuleIsdo));
  plan->lastId = textToInt64(column(kRuleLastid));
  plan->detectMode = textToInt32(column(kRuleType));
  PostInfo post = readPostInfo(column(kRulePostinfo));
  plan->post = post.on;
  plan->postData = std::move(post.data);
  plan->decodeMode = textToInt32(column(kRuleTcode));
  plan->gzip = gzipAvailable && gbkContains(plan->headers, "postaccept-encoding", Case::Ignore);
  return plan;
}

}  // namespace zorvqi
