// How a row of table `rule` becomes a `Plan` record.
//
// Contract: `planFromRow` reads the columns by position (0 `id` ... 21 `tcode`); a missing
// column reads as the empty text, an integer column read from empty text is 0. The header
// text gains a "User-Agent:" prefix in memory when it names no User-Agent (ASCII case
// ignored). `postinfo` is read by `readPostInfo`. The gzip flag is set when `gzipAvailable`
// and the header text holds "postaccept-encoding" (ASCII case ignored).
// Thread safety: pure functions.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/plan.h"

namespace zorvqi {

// The columns of table `rule`, by position.
enum RuleColumn {
  kRuleId = 0,
  kRuleClass,
  kRuleCode,
  kRuleName,
  kRuleUrl,
  kRuleCookie,
  kRuleUa,
  kRuleArttile,
  kRuleArturl,
  kRuleLasttime,
  kRuleBuquan,
  kRuleRegular,
  kRuleBefore,
  kRuleAfter,
  kRuleTindex,
  kRuleUindex,
  kRuleOindex,
  kRuleIsdo,
  kRuleLastid,
  kRuleType,
  kRulePostinfo,
  kRuleTcode,
  kRuleColumnCount
};

struct PostInfo {
  bool on = false;
  std::string data;
};

// POST is on exactly when the leading number of the text is 1; the data is the text after
// that "1" (the older form "1zorvqi" + data reads the same).
PostInfo readPostInfo(std::string_view text);

std::string withUserAgent(std::string_view headers);

std::shared_ptr<Plan> planFromRow(const std::vector<std::string>& row, bool gzipAvailable);

}  // namespace zorvqi
