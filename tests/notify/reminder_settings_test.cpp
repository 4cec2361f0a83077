#include "notify/reminder_settings.h"

#include <gtest/gtest.h>

#include "notify/mail_presets.h"
#include "store/settings_file.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

class ReminderSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { publishReminderSettings({}); }
  void TearDown() override { publishReminderSettings({}); }
  void store(const char* key, const char* value) { ASSERT_TRUE(file.write(kConfigSection, key, value)); }
  ReminderSettings load() {
    loadReminderSettings(file);
    return *currentReminderSettings();
  }

  zorvqi::testing::TempDir dir;
  SettingsFile file{dir.file("zorvqi.ini")};
};

struct SwitchCase {
  const char* stored;
  ChannelSwitches expected;
};

class ChannelSwitchTable : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ChannelSwitchTable, ReadsPositionsTwoToSeven) {
  EXPECT_EQ(readChannelSwitches(GetParam().stored), GetParam().expected) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelSwitchTable,
    ::testing::Values(SwitchCase{"1010110", {false, true, false, true, true, false}},
                      SwitchCase{"1111111", {true, true, true, true, true, true}},
                      // the older six-character form gains a "0" at position 2: group chat off
                      SwitchCase{"111111", {false, true, true, true, true, true}},
                      SwitchCase{"101101", {false, false, true, true, false, true}},
                      // missing or too short: every channel off
                      SwitchCase{"", {}}, SwitchCase{"1", {}}, SwitchCase{"11", {}}));

TEST_F(ReminderSettingsTest, MissingFileGivesEverythingOff) {
  const ReminderSettings s = load();
  EXPECT_FALSE(s.popup || s.sound || s.mail || s.wechat || s.post || s.groupChat);
  EXPECT_EQ(s.computerCondition, 0);
  EXPECT_EQ(s.phoneCondition, 0);
  EXPECT_TRUE(s.keyKeywords.empty());
  EXPECT_EQ(s.mailDomain, *mailDomainForIndex(0));
}

TEST_F(ReminderSettingsTest, MailIsForcedOffWithoutRecipientOrSender) {
  store("提醒方式", "1000100");
  store("发件人账号", "me");
  ReminderSettings s = load();
  EXPECT_FALSE(s.mail);
  EXPECT_EQ(s.phoneCondition, 0);
  store("收件人账号", "you@example.com");
  s = load();
  EXPECT_TRUE(s.mail);
  EXPECT_EQ(s.phoneCondition, 1);
  store("条件通知手机", "真");
  EXPECT_EQ(load().phoneCondition, 2);
}

TEST_F(ReminderSettingsTest, ConditionsNeedAChannelOfTheirGroup) {
  store("提醒方式", "1000010");  // popup only
  store("条件通知手机", "真");
  store("条件通知电脑", "真");
  const ReminderSettings s = load();
  EXPECT_EQ(s.phoneCondition, 0);
  EXPECT_EQ(s.computerCondition, 2);
}

TEST_F(ReminderSettingsTest, KeywordTextsLoseEmptyPairsAndSplit) {
  store("关键词1", "<><招聘>");
  store("关键词0", "广告");
  const ReminderSettings s = load();
  EXPECT_EQ(s.keyKeywordText, "<招聘>");
  EXPECT_EQ(s.keyKeywords, std::vector<std::string>{"招聘"});
  EXPECT_EQ(s.excludeKeywordText, "广告");
  EXPECT_TRUE(s.excludeKeywords.empty());
}

TEST_F(ReminderSettingsTest, ServerIndexOutsideThePresetsKeepsThePreviousDomain) {
  store("发件服务器", "2");
  EXPECT_EQ(load().mailDomain, *mailDomainForIndex(2));
  store("发件服务器", "9");
  EXPECT_EQ(load().mailDomain, *mailDomainForIndex(2));
}

TEST_F(ReminderSettingsTest, PushAddressEndsWithTheKey) {
  store("wxkey", "k1");
  EXPECT_EQ(load().pushAddress, "/k1.send");  // no push server set
  store("推送服务器", "http://127.0.0.1:8080/");
  EXPECT_EQ(load().pushAddress, "http://127.0.0.1:8080/k1.send");
}

TEST(PushAddress, TakesTheServerAndAnEncodedKey) {
  EXPECT_EQ(pushAddressFor("push.example.org", "k1"), "https://push.example.org/k1.send");
  EXPECT_EQ(pushAddressFor("http://127.0.0.1:8", ""), "http://127.0.0.1:8/.send");
  EXPECT_EQ(pushAddressFor("https://push.example.org//", "a b/c?"),
            "https://push.example.org/a%20b%2Fc%3F.send");
  EXPECT_EQ(pushAddressFor("", "k1"), "/k1.send");
}

TEST_F(ReminderSettingsTest, LoadsTheMailServerAndPushServerSettings) {
  store("发件服务器地址", "127.0.0.1:2525");
  store("发件服务器证书", "/etc/ssl/mine.pem");
  store("推送服务器", "push.example.org");
  const ReminderSettings s = load();
  EXPECT_EQ(s.mailServerAddress, "127.0.0.1:2525");
  EXPECT_EQ(s.mailCertificateFile, "/etc/ssl/mine.pem");
  EXPECT_EQ(s.pushServer, "push.example.org");
}

// Entry i of the options list and index i of the load are the same preset; any other index
// keeps the domain in force.
TEST(MailPresets, IndexIAndEntryIAgree) {
  const auto& entries = mailPresetEntries();
  ASSERT_EQ(entries.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ("@" + *mailDomainForIndex(i), entries[i]);
  EXPECT_FALSE(mailDomainForIndex(-1));
  EXPECT_FALSE(mailDomainForIndex(3));
}

TEST_F(ReminderSettingsTest, SaveWritesEveryControlAndReloads) {
  ReminderControls c;
  c.sound = true;
  c.popup = true;
  c.wechat = true;
  c.computerKeyOnly = true;
  c.keyKeywordBox = "<招聘><JAVA>";
  c.storeConditionIndex = 1;
  bool popupCreated = false;
  saveReminderSettings(file, c, [&] { popupCreated = true; });

  EXPECT_TRUE(popupCreated);
  EXPECT_EQ(file.read(kConfigSection, "提醒方式"), "1001011");
  EXPECT_EQ(file.read(kConfigSection, "关键词0"), "");  // saved as " ", read back trimmed
  EXPECT_EQ(file.read(kConfigSection, "条件通知电脑"), "真");
  EXPECT_EQ(file.read(kConfigSection, "条件通知手机"), "假");
  EXPECT_EQ(file.read(kConfigSection, "入库条件"), "1");
  EXPECT_EQ(file.read(kConfigSection, "不关弹窗"), "0");

  const ReminderSettings s = *currentReminderSettings();
  EXPECT_TRUE(s.sound && s.popup && s.wechat);
  EXPECT_FALSE(s.mail || s.post || s.groupChat);
  EXPECT_EQ(s.computerCondition, 2);
  EXPECT_EQ(s.phoneCondition, 1);
  EXPECT_EQ(s.keyKeywords, (std::vector<std::string>{"招聘", "JAVA"}));
  EXPECT_EQ(s.storeCondition, 1);
}

TEST_F(ReminderSettingsTest, EmptyingAKeywordBoxStoresASpaceAndClearsTheList) {
  ReminderControls c;
  c.keyKeywordBox = "<a>";
  saveReminderSettings(file, c, nullptr);
  EXPECT_EQ(currentReminderSettings()->keyKeywords.size(), 1u);
  c.keyKeywordBox.clear();
  saveReminderSettings(file, c, nullptr);
  EXPECT_TRUE(currentReminderSettings()->keyKeywords.empty());
  EXPECT_TRUE(currentReminderSettings()->keyKeywordText.empty());
}

TEST_F(ReminderSettingsTest, AWorkerKeepsTheRecordItTookAcrossAReload) {
  store("关键词1", "<旧>");
  load();
  const auto held = currentReminderSettings();
  store("关键词1", "<新>");
  load();
  EXPECT_EQ(held->keyKeywords, std::vector<std::string>{"旧"});
  EXPECT_EQ(currentReminderSettings()->keyKeywords, std::vector<std::string>{"新"});
}

}  // namespace
}  // namespace zorvqi
