// The mail-sending facility against a real SMTP server (aiosmtpd) on loopback.
#include "notify/smtp_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "base/cancel_flag.h"
#include "support/smtp_server.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackSmtpServer;
using testing::SmtpServerOptions;

const char* const kMessage = "Subject: t\r\n\r\nhello\r\n";

SmtpServer serverOf(const LoopbackSmtpServer& server, std::string certificate = "") {
  return {"127.0.0.1", server.port(), std::move(certificate)};
}

SmtpEnvelope envelope(const std::string& to = "you@example.org") {
  return {"me@example.org", to, kMessage};
}

TEST(SmtpClient, LogsInWithAuthLoginAndSendsOneMail) {
  LoopbackSmtpServer server;
  ASSERT_TRUE(server.started()) << server.log();
  EXPECT_EQ(checkSmtpLogin(serverOf(server), {"me", "secret"}).outcome, SmtpOutcome::Done);
  const SmtpResult sent = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope());
  EXPECT_EQ(sent.outcome, SmtpOutcome::Done) << sent.cause;
  EXPECT_EQ(server.events(), (std::vector<std::string>{"auth LOGIN me ok plain", "auth LOGIN me ok plain"}));
  const auto mails = server.received();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].from, "me@example.org");
  EXPECT_EQ(mails[0].to, std::vector<std::string>{"you@example.org"});
}

TEST(SmtpClient, ARefusedLoginFailsTheConnectWithTheServersReply) {
  LoopbackSmtpServer server;
  ASSERT_TRUE(server.started());
  const SmtpResult check = checkSmtpLogin(serverOf(server), {"me", "wrong"});
  EXPECT_EQ(check.outcome, SmtpOutcome::ConnectFailed);
  EXPECT_EQ(check.cause.substr(0, 3), "535") << check.cause;
  EXPECT_EQ(sendSmtpMail(serverOf(server), {"me", "wrong"}, envelope()).outcome, SmtpOutcome::ConnectFailed);
  EXPECT_TRUE(server.received().empty());
}

// libcurl goes on without a login when the server offers none; the facility must not.
TEST(SmtpClient, AServerOfferingNoLoginGetsNoMail) {
  LoopbackSmtpServer server(SmtpServerOptions{.offerAuth = false});
  ASSERT_TRUE(server.started());
  EXPECT_EQ(checkSmtpLogin(serverOf(server), {"me", "secret"}).outcome, SmtpOutcome::ConnectFailed);
  const SmtpResult sent = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope());
  EXPECT_EQ(sent.outcome, SmtpOutcome::ConnectFailed);
  EXPECT_FALSE(sent.cause.empty());
  EXPECT_TRUE(server.received().empty());
}

TEST(SmtpClient, ARefusedRecipientIsARefusalWithTheReplyLine) {
  LoopbackSmtpServer server(SmtpServerOptions{.refuseRecipient = "nobody@example.org"});
  ASSERT_TRUE(server.started());
  const SmtpResult sent = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope("nobody@example.org"));
  EXPECT_EQ(sent.outcome, SmtpOutcome::Refused);
  EXPECT_EQ(sent.cause, "550 5.1.1 <nobody@example.org>: Recipient address rejected");
  EXPECT_TRUE(server.received().empty());
}

TEST(SmtpClient, StartTlsWhenOfferedWithTheServersCertificateChecked) {
  LoopbackSmtpServer server(SmtpServerOptions{.startTls = true});
  ASSERT_TRUE(server.started());
  const SmtpResult trusted =
      sendSmtpMail(serverOf(server, server.certificateFile()), {"me", "secret"}, envelope());
  EXPECT_EQ(trusted.outcome, SmtpOutcome::Done) << trusted.cause;
  EXPECT_EQ(server.events(), std::vector<std::string>{"auth LOGIN me ok tls"});

  // A self-signed certificate the machine's CA store does not know is a failed connect, and the
  // password never goes out.
  const SmtpResult untrusted = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope());
  EXPECT_EQ(untrusted.outcome, SmtpOutcome::ConnectFailed);
  EXPECT_EQ(checkSmtpLogin(serverOf(server, "/nonexistent/ca.pem"), {"me", "secret"}).outcome,
            SmtpOutcome::ConnectFailed);
  EXPECT_EQ(server.events().size(), 1u);
  EXPECT_EQ(server.received().size(), 1u);
}

TEST(SmtpClient, ASilentServerEndsAtTheConnectLimit) {
  LoopbackSmtpServer server(SmtpServerOptions{.silent = true});
  ASSERT_TRUE(server.started());
  const auto start = std::chrono::steady_clock::now();
  const SmtpResult sent = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope(), {300ms, 5000ms});
  EXPECT_EQ(sent.outcome, SmtpOutcome::ConnectFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
}

TEST(SmtpClient, ACancelledThreadEndsItsMail) {
  LoopbackSmtpServer server(SmtpServerOptions{.silent = true});
  ASSERT_TRUE(server.started());
  CancelFlag flag;
  SmtpResult sent;
  std::thread sender([&] {
    ScopedThreadCancelFlag scope(&flag);
    sent = sendSmtpMail(serverOf(server), {"me", "secret"}, envelope());
  });
  std::this_thread::sleep_for(200ms);
  const auto cancelledAt = std::chrono::steady_clock::now();
  flag.cancel();
  sender.join();
  EXPECT_LT(std::chrono::steady_clock::now() - cancelledAt, 3s);
  EXPECT_EQ(sent.outcome, SmtpOutcome::ConnectFailed);
}

TEST(SmtpClient, NothingListeningFailsTheConnect) {
  LoopbackSmtpServer server;
  ASSERT_TRUE(server.started());
  const SmtpResult sent = sendSmtpMail({"127.0.0.1", 1, ""}, {"me", "secret"}, envelope());
  EXPECT_EQ(sent.outcome, SmtpOutcome::ConnectFailed);
  EXPECT_FALSE(sent.cause.empty());
}

}  // namespace
}  // namespace zorvqi
