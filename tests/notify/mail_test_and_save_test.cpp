// 测试并保存: the login test, the save, the message boxes and the test mail, against a real
// SMTP server (aiosmtpd) on loopback.
#include "notify/mail_test_and_save.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/clock.h"
#include "base/event_pump.h"
#include "notify/reminder_fixture.h"
#include "support/smtp_server.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackSmtpServer;
using testing::SmtpServerOptions;

// A pump that sleeps like the default one and counts the waits it was asked for, standing in
// for the UI thread's pump that runs window events meanwhile.
class CountingPump : public EventPump {
 public:
  WaitResult waitUntil(const std::function<bool()>& condition, Deadline deadline) override {
    ++waits;
    for (;;) {
      if (auto outcome = waitOutcome(condition, deadline)) return *outcome;
      sleepUntilWoken(5ms);
    }
  }
  std::atomic<int> waits{0};
};

class MailTestAndSaveTest : public testing::ReminderFixture {
 protected:
  // The settings in force: a working account on `server`, recipient old@example.org.
  void loadWorkingAccount(const LoopbackSmtpServer& server) {
    ASSERT_TRUE(server.started()) << server.log();
    store("收件人账号", "old@example.org");
    store("发件人账号", "me");
    store("发件人密码", "secret");
    store("邮件标题", "旧标题");
    store("发件服务器地址", server.address());
    load();
  }
  MailAccountFields entered(const LoopbackSmtpServer& server, const std::string& password) {
    return {"new@example.org", "新标题", "me", password, 2, "@126.com", server.address()};
  }
  std::string stored(const char* key) { return file.read(kConfigSection, key); }

  FixedClock clock{LocalTime{2024, 3, 5, 10, 7, 0}};
  MailSender sender{slot, clock};
  RecordingDialogs dialogs;
  MailTestAndSave operation{sender, file, dialogs, status, round};
};

TEST_F(MailTestAndSaveTest, ALoginSavesTheFieldsAndTheTestMailUsesTheLoadedSettings) {
  LoopbackSmtpServer server;
  loadWorkingAccount(server);
  CountingPump pump;
  setThreadPump(&pump);
  const MailTestResult result = operation.testAndSaveMail(entered(server, "secret"));
  setThreadPump(nullptr);

  EXPECT_EQ(result, MailTestResult::Saved);
  EXPECT_EQ(stored("收件人账号"), "new@example.org");
  EXPECT_EQ(stored("邮件标题"), "新标题");
  EXPECT_EQ(stored("发件人账号"), "me");
  EXPECT_EQ(stored("发件人密码"), "secret");
  EXPECT_EQ(stored("发件服务器"), "2");
  EXPECT_EQ(stored("发件服务器地址"), server.address());
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "保存成功！");
  EXPECT_EQ(dialogs.shown()[0].title, kDefaultDialogTitle);

  // The login and the mail ran off this thread while it waited through its pump.
  EXPECT_EQ(pump.waits.load(), 2);
  EXPECT_EQ(status.lines(), std::vector<std::string>{"已发邮件通知"});
  const auto mails = server.received();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].to, std::vector<std::string>{"old@example.org"});
  EXPECT_EQ(mails[0].subject, gbkToUtf8("发现 0 篇新文章 旧标题"));
  EXPECT_EQ(mails[0].body, "");
  EXPECT_EQ(server.events(), (std::vector<std::string>{"auth LOGIN me ok plain", "auth LOGIN me ok plain"}));
}

TEST_F(MailTestAndSaveTest, AFailedLoginSavesNothingAndTheTestMailStillGoes) {
  LoopbackSmtpServer server;
  loadWorkingAccount(server);
  const MailTestResult result = operation.testAndSaveMail(entered(server, "wrong"));

  EXPECT_EQ(result, MailTestResult::NotSaved);
  EXPECT_EQ(stored("收件人账号"), "old@example.org");
  EXPECT_EQ(stored("发件人密码"), "secret");
  EXPECT_EQ(stored("发件服务器"), "");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "可能是账号密码不匹配导致的！");
  EXPECT_EQ(dialogs.shown()[0].title, "保存出错");
  EXPECT_EQ(status.lines(), std::vector<std::string>{"已发邮件通知"});
  EXPECT_EQ(server.received().size(), 1u);
}

TEST_F(MailTestAndSaveTest, WithoutLoadedSettingsTheTestMailReportsTheFailedConnect) {
  LoopbackSmtpServer server;
  ASSERT_TRUE(server.started());
  EXPECT_EQ(operation.testAndSaveMail(entered(server, "secret")), MailTestResult::Saved);
  EXPECT_EQ(status.lines(), std::vector<std::string>{"邮件通知失败！请检查配置或网络！"});
  EXPECT_TRUE(server.received().empty());
}

TEST_F(MailTestAndSaveTest, ASecondClickWhileTheTestRunsDoesNothing) {
  LoopbackSmtpServer silent(SmtpServerOptions{.silent = true});
  ASSERT_TRUE(silent.started());
  MailTestAndSave slow{sender, file, dialogs, status, round, SmtpLimits{1500ms, 3000ms}};
  MailTestResult first = MailTestResult::Busy;
  std::thread clicking([&] { first = slow.testAndSaveMail(entered(silent, "secret")); });
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(slow.testAndSaveMail(entered(silent, "secret")), MailTestResult::Busy);
  EXPECT_TRUE(dialogs.shown().empty());
  clicking.join();
  EXPECT_EQ(first, MailTestResult::NotSaved);
  EXPECT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(status.lines().size(), 1u);
}

TEST_F(MailTestAndSaveTest, SavingKeepsStoredValuesOfEmptyFieldsAndAnEmptyAddressGoesBackToThePresets) {
  store("收件人账号", "kept@example.org");
  store("邮件标题", "留着");
  store("发件服务器地址", "127.0.0.1:2525");
  saveMailAccount(file, {"", "", "me", "secret", 0, "@qq.com", ""});
  EXPECT_EQ(stored("收件人账号"), "kept@example.org");
  EXPECT_EQ(stored("邮件标题"), "留着");
  EXPECT_EQ(stored("发件服务器"), "0");
  EXPECT_EQ(stored("发件服务器地址"), "");
  load();
  EXPECT_EQ(slot.current()->mailServerAddress, "");
}

}  // namespace
}  // namespace zorvqi
