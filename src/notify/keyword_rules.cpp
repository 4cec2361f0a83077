#include "notify/keyword_rules.h"

#include "text/gbk_string.h"

namespace zorvqi {

bool titleHasKeyword(std::string_view title, const std::vector<std::string>& keywords) {
  for (const std::string& keyword : keywords) {
    if (gbkContains(title, keyword, Case::Ignore)) return true;
  }
  return false;
}

ArticleJudgement judgeArticle(const ReminderSettings& settings, std::string_view title) {
  ArticleJudgement judgement;
  if (titleHasKeyword(title, settings.excludeKeywords)) {
    judgement.dropped = true;
    return judgement;
  }
  judgement.key = !settings.keyKeywordText.empty() && titleHasKeyword(title, settings.keyKeywords);
  judgement.dropped = settings.storeCondition == 1 && !judgement.key;
  return judgement;
}

PhoneTargets phoneTargetsFor(const ReminderSettings& settings, bool key) {
  const bool qualifies = settings.phoneCondition == 1 || (settings.phoneCondition == 2 && key);
  if (!qualifies) return {};
  return PhoneTargets{settings.wechat, settings.post, settings.mail || settings.groupChat};
}

bool addsPopupRow(const ReminderSettings& settings, bool key) {
  return settings.computerCondition > 0 && settings.popup && (settings.computerCondition == 1 || key);
}

bool roundPlaysSound(const ReminderSettings& settings) {
  return settings.computerCondition > 0 && settings.sound;
}

bool roundSendsMail(const ReminderSettings& settings, bool keyArticleSeen, const std::string& mailText) {
  return settings.phoneCondition > 0 && (settings.phoneCondition == 1 || keyArticleSeen) && settings.mail &&
         !mailText.empty();
}

}  // namespace zorvqi
