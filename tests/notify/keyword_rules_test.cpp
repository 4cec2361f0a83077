#include "notify/keyword_rules.h"

#include <gtest/gtest.h>

#include "text/texts_between.h"

namespace zorvqi {
namespace {

ReminderSettings withKeywords(const std::string& keyText, const std::string& excludeText,
                              int storeCondition = 0) {
  ReminderSettings s;
  s.keyKeywordText = keyText;
  s.excludeKeywordText = excludeText;
  s.keyKeywords = textsBetween(keyText, "<", ">");
  s.excludeKeywords = textsBetween(excludeText, "<", ">");
  s.storeCondition = storeCondition;
  return s;
}

struct JudgeCase {
  const char* name;
  const char* keyText;
  const char* excludeText;
  int storeCondition;
  const char* title;
  bool dropped;
  bool key;
};

class JudgeArticle : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeArticle, AppliesExclusionKeyAndStoreCondition) {
  const JudgeCase& c = GetParam();
  const ArticleJudgement j = judgeArticle(withKeywords(c.keyText, c.excludeText, c.storeCondition), c.title);
  EXPECT_EQ(j.dropped, c.dropped) << c.name;
  EXPECT_EQ(j.key, c.key) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeArticle,
    ::testing::Values(
        JudgeCase{"plain article", "<招聘>", "", 0, "今日新闻", false, false},
        JudgeCase{"key article", "<招聘>", "", 0, "急招聘前端", false, true},
        JudgeCase{"exclusion wins over key", "<招聘>", "<广告>", 0, "招聘广告", true, false},
        JudgeCase{"store key only drops others", "<招聘>", "", 1, "今日新闻", true, false},
        JudgeCase{"store key only keeps key", "<招聘>", "", 1, "招聘", false, true},
        JudgeCase{"store key only with no key text drops all", "", "", 1, "招聘", true, false},
        JudgeCase{"capital keyword finds small letters", "<JAVA>", "", 0, "java 入门", false, true},
        JudgeCase{"small keyword finds capitals", "<java>", "", 0, "JaVa 入门", false, true},
        // "中有" is D6D0 D3D0; the keyword D0D3 spans the two characters and must not match
        JudgeCase{"keyword never straddles two characters", "<\xD0\xD3>", "", 0, "中有", false, false},
        // the word typed without brackets: the text is not empty, so the key test runs and finds nothing
        JudgeCase{"word without brackets is no keyword", "招聘", "", 0, "招聘", false, false}));

TEST(KeywordRules, PhoneTargetsFollowConditionAndSwitches) {
  ReminderSettings s;
  s.mail = true;
  s.wechat = true;
  s.phoneCondition = 2;
  EXPECT_FALSE(phoneTargetsFor(s, false).mail);
  EXPECT_TRUE(phoneTargetsFor(s, true).mail);
  EXPECT_TRUE(phoneTargetsFor(s, true).wechat);
  EXPECT_FALSE(phoneTargetsFor(s, true).post);
  s.phoneCondition = 1;
  s.mail = false;
  s.groupChat = true;  // the group-chat switch collects into the mail text too
  EXPECT_TRUE(phoneTargetsFor(s, false).mail);
  s.phoneCondition = 0;
  EXPECT_FALSE(phoneTargetsFor(s, true).mail);
}

TEST(KeywordRules, PopupRowAndSound) {
  ReminderSettings s;
  s.popup = true;
  s.sound = true;
  s.computerCondition = 2;
  EXPECT_FALSE(addsPopupRow(s, false));  // key-only: a plain article gets no row...
  EXPECT_TRUE(addsPopupRow(s, true));
  EXPECT_TRUE(roundPlaysSound(s));  // ...but any stored article sounds
  s.computerCondition = 1;
  EXPECT_TRUE(addsPopupRow(s, false));
  s.popup = false;
  EXPECT_FALSE(addsPopupRow(s, true));
  s.computerCondition = 0;
  EXPECT_FALSE(roundPlaysSound(s));
}

TEST(KeywordRules, MailNeedsTextSwitchAndCondition) {
  ReminderSettings s;
  s.mail = true;
  s.phoneCondition = 2;
  EXPECT_FALSE(roundSendsMail(s, false, "\r\na：b"));  // key-only and no key article seen
  EXPECT_TRUE(roundSendsMail(s, true, "\r\na：b"));
  EXPECT_FALSE(roundSendsMail(s, true, ""));
  s.phoneCondition = 1;
  EXPECT_TRUE(roundSendsMail(s, false, "\r\na：b"));
  s.mail = false;
  EXPECT_FALSE(roundSendsMail(s, true, "\r\na：b"));
}

}  // namespace
}  // namespace zorvqi
