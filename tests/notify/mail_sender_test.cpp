// The reminder mail of a round, sent to a real SMTP server (aiosmtpd) on loopback.
#include "notify/mail_sender.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "notify/reminder_fixture.h"
#include "support/smtp_server.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using testing::LoopbackSmtpServer;
using testing::SmtpServerOptions;

const char* const kConnectFailed = "邮件通知失败！请检查配置或网络！";

class MailSenderTest : public testing::ReminderFixture {
 protected:
  // Mail on, an account at the second preset, the server reached through its address.
  void useServer(const LoopbackSmtpServer& server, const std::string& password = "secret") {
    ASSERT_TRUE(server.started());
    store("提醒方式", "1000100");
    store("收件人账号", "you@example.org");
    store("发件人账号", "me");
    store("发件人密码", password);
    store("邮件标题", "提醒");
    store("发件服务器", "1");
    store("发件服务器地址", server.address());
    load();
  }
  // The round end: the mail rule, then the mail with what the round collected.
  void endRound() {
    const RoundCollection taken = round.takeAndReset();
    if (roundMailRuleHolds(taken)) sender.sendReminderMail(status, taken);
  }

  FixedClock clock{LocalTime{2024, 3, 5, 10, 7, 0}};
  MailSender sender{slot, clock};
};

TEST_F(MailSenderTest, TwoQualifyingArticlesMakeOneMailWithTwoLines) {
  LoopbackSmtpServer server;
  useServer(server);
  std::string subject;
  for (int i = 0; i < 12; ++i) subject += "每日提醒";  // long enough to be folded
  store("邮件标题", subject);
  load();
  collect({"第一篇", "第二篇"});
  endRound();

  EXPECT_EQ(status.lines(), std::vector<std::string>{"已发邮件通知"});
  const auto mails = server.received();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].subject, gbkToUtf8("发现 2 篇新文章 " + subject));
  EXPECT_EQ(mails[0].body, "\r\n第一篇：http://a/1\r\n第二篇：http://a/2");
  EXPECT_EQ(mails[0].from, "me@163.com");
  EXPECT_EQ(mails[0].to, std::vector<std::string>{"you@example.org"});
  for (const char* header :
       {"\r\nFrom: me@163.com\r\n", "\r\nTo: you@example.org\r\n", "\r\nDate: Tue, 05 Mar 2024 10:07:00 ",
        "\r\nMessage-ID: <20240305100700.", "\r\nContent-Type: text/plain; charset=GBK\r\n",
        "\r\nContent-Transfer-Encoding: base64\r\n"})
    EXPECT_NE(("\r\n" + mails[0].raw).find(header), std::string::npos) << header;
  EXPECT_EQ(server.events(), std::vector<std::string>{"auth LOGIN me ok plain"});
}

TEST_F(MailSenderTest, KeyOnlyMailsTheKeyArticleButCountsEveryStoredOne) {
  LoopbackSmtpServer server;
  useServer(server);
  store("条件通知手机", "真");
  store("关键词1", "<招聘>");
  load();
  collect({"一", "二", "诚聘招聘三", "四", "五"});
  endRound();

  const auto mails = server.received();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].subject, gbkToUtf8("发现 5 篇新文章 提醒"));
  EXPECT_EQ(mails[0].body, "\r\n诚聘招聘三：http://a/3");
}

struct RefusalCase {
  const char* name;
  SmtpServerOptions server;
  const char* password;
  const char* recipient;
  const char* line;
};

class MailRefusals : public MailSenderTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(MailRefusals, ReportTheirLineAndDeliverNothing) {
  const RefusalCase& c = GetParam();
  LoopbackSmtpServer server(c.server);
  useServer(server, c.password);
  store("收件人账号", c.recipient);
  load();
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines(), std::vector<std::string>{c.line}) << c.name;
  EXPECT_TRUE(server.received().empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MailRefusals,
    ::testing::Values(
        RefusalCase{"WrongPassword", {}, "wrong", "you@example.org", kConnectFailed},
        RefusalCase{"NoAuthOffered", {.offerAuth = false}, "secret", "you@example.org", kConnectFailed},
        RefusalCase{"CertificateTheSystemDoesNotKnow",
                    {.startTls = true},
                    "secret",
                    "you@example.org",
                    kConnectFailed},
        RefusalCase{"RecipientRefused",
                    {.refuseRecipient = "nobody@example.org"},
                    "secret",
                    "nobody@example.org",
                    "邮件通知失败：550 5.1.1 <nobody@example.org>: Recipient address rejected"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MailSenderTest, StartTlsWithTheCertificateOfTheSettingLogsInOverTls) {
  LoopbackSmtpServer server(SmtpServerOptions{.startTls = true});
  useServer(server);
  store("发件服务器证书", server.certificateFile());
  load();
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines(), std::vector<std::string>{"已发邮件通知"});
  EXPECT_EQ(server.events(), std::vector<std::string>{"auth LOGIN me ok tls"});
  EXPECT_EQ(server.received().size(), 1u);
}

TEST_F(MailSenderTest, AnAccountWithAnAtSignIsLoginAndSenderWhole) {
  LoopbackSmtpServer server(SmtpServerOptions{.user = "me@example.org"});
  useServer(server);
  store("发件人账号", "me@example.org");
  load();
  collect({"标题"});
  endRound();
  ASSERT_EQ(server.received().size(), 1u);
  EXPECT_EQ(server.received()[0].from, "me@example.org");
}

TEST_F(MailSenderTest, AnEmptySenderAccountAttemptsNoMail) {
  LoopbackSmtpServer server;
  useServer(server);
  store("发件人账号", " ");  // read back trimmed: empty
  load();
  EXPECT_FALSE(slot.current()->mail);
  collect({"标题"});
  endRound();
  EXPECT_TRUE(status.lines().empty());

  // Asked directly (the test mail of the options does), it fails without connecting.
  sender.sendReminderMail(status, {});
  EXPECT_EQ(status.lines(), std::vector<std::string>{kConnectFailed});
  EXPECT_TRUE(server.events().empty());
  EXPECT_TRUE(server.received().empty());
}

TEST_F(MailSenderTest, AMalformedServerAddressIsAFailedConnect) {
  LoopbackSmtpServer server;
  useServer(server);
  store("发件服务器地址", "127.0.0.1:notaport");
  load();
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines(), std::vector<std::string>{kConnectFailed});
  EXPECT_TRUE(server.events().empty());
}

}  // namespace
}  // namespace zorvqi
