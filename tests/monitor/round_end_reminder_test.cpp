// The round end with its two senders: the mail first, then the web pushes, each with its lines,
// against a real SMTP server and a loopback receiver.
#include "monitor/round_end_reminder.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "monitor/recording_view.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "support/page_server.h"
#include "support/smtp_server.h"

namespace zorvqi {
namespace {

using testing::RecordingView;

class RoundEndReminderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(smtp.started()) << smtp.log();
    roundAccumulators().takeAndReset();
    receiver.serve("/receive", "zorvqi_ok", "text/plain");
  }
  void TearDown() override {
    roundAccumulators().takeAndReset();
    publishReminderSettings({});
  }
  ReminderSettings mailAndPost() {
    ReminderSettings s;
    s.mail = s.post = true;
    s.phoneCondition = 1;
    s.recipient = "you@example.org";
    s.senderAccount = "me";
    s.senderPassword = "secret";
    s.mailDomain = "163.com";
    s.mailServerAddress = smtp.address();
    s.postAddress = receiver.url("/receive");
    return s;
  }
  // The positions of the lines in the status box, in the order given; npos for a missing one.
  std::vector<std::size_t> positions(const std::vector<std::string>& lines) {
    std::vector<std::size_t> at;
    for (const std::string& line : lines) at.push_back(view.status().find("\r\n" + line + " - "));
    return at;
  }

  testing::LoopbackSmtpServer smtp;
  testing::PageServer receiver;
  FixedClock clock{LocalTime{2024, 3, 5, 10, 7, 0}};
  MailSender mail{programReminderSettings(), clock};
  PushSender push{programReminderSettings()};
  RecordingView view;
};

TEST_F(RoundEndReminderTest, MailThenPushThenTheClosingLine) {
  publishReminderSettings(mailAndPost());
  roundAccumulators().recordStored("标题", "http://a/1", {false, true, true});
  roundEndReminder(view, {&mail, &push});

  const auto at =
      positions({"已发邮件通知", "已发出邮件提醒指令", "已POST提醒",
                 "发现有新文章！单击托盘图标、左上角全部文章按钮或使用快捷键Alt+Q均可更新列表！"});
  for (std::size_t p : at) ASSERT_NE(p, std::string::npos) << view.status();
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << view.status();
  EXPECT_EQ(smtp.received().size(), 1u);
  EXPECT_EQ(receiver.requests().size(), 1u);
  EXPECT_TRUE(roundAccumulators().peek().postArticles.empty());
}

TEST_F(RoundEndReminderTest, APushNeedsNoMail) {
  ReminderSettings s = mailAndPost();
  s.mail = false;
  publishReminderSettings(s);
  roundAccumulators().recordStored("标题", "http://a/1", {false, true, false});
  roundEndReminder(view, {&mail, &push});

  EXPECT_EQ(view.status().find("邮件"), std::string::npos) << view.status();
  EXPECT_NE(positions({"已POST提醒"})[0], std::string::npos) << view.status();
  EXPECT_TRUE(smtp.received().empty());
}

}  // namespace
}  // namespace zorvqi
