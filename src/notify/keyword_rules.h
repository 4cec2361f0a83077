// The per-article and round-end rules of the reminder settings.
//
// Contract: pure functions of a `ReminderSettings` record. A keyword is found in a title
// by the system's GBK search: a match starts only at a character boundary and the ASCII
// letters of every byte (second bytes of double-byte characters included) are folded.
// `judgeArticle` applies, in order, the exclusion keywords, the key test and the store
// condition; an article it drops is not stored, counted, listed or reminded.
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notify/reminder_settings.h"

namespace zorvqi {

bool titleHasKeyword(std::string_view title, const std::vector<std::string>& keywords);

struct ArticleJudgement {
  bool dropped = false;
  bool key = false;  // a key article; it sets the key-article-seen flag even when dropped later
};

ArticleJudgement judgeArticle(const ReminderSettings& settings, std::string_view title);

// Which phone texts an article goes into (rule 5); all false when the phone condition rules
// it out.
struct PhoneTargets {
  bool wechat = false;
  bool post = false;
  bool mail = false;
};
PhoneTargets phoneTargetsFor(const ReminderSettings& settings, bool key);

// Whether an article gets a popup row (rule 6).
bool addsPopupRow(const ReminderSettings& settings, bool key);

// Round end: the sound plays for any stored article when a computer channel is on and the
// sound switch is; the key-only choice does not restrict it.
bool roundPlaysSound(const ReminderSettings& settings);
bool roundSendsMail(const ReminderSettings& settings, bool keyArticleSeen, const std::string& mailText);

}  // namespace zorvqi
