#include "notify/mail_account.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct AddressCase {
  const char* setting;
  bool usable;
  const char* host;
  int port;
};

class ServerAddressTable : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ServerAddressTable, ReplacesThePresetServerWhenSet) {
  const AddressCase& c = GetParam();
  const auto server = mailServer(c.setting, "163.com", "/ca.pem");
  ASSERT_EQ(server.has_value(), c.usable) << c.setting;
  if (!server) return;
  EXPECT_EQ(server->host, c.host) << c.setting;
  EXPECT_EQ(server->port, c.port) << c.setting;
  EXPECT_EQ(server->certificateFile, "/ca.pem");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ServerAddressTable,
    ::testing::Values(AddressCase{"", true, "smtp.163.com", 25}, AddressCase{"  ", true, "smtp.163.com", 25},
                      AddressCase{"mail.example.org", true, "mail.example.org", 25},
                      AddressCase{" 127.0.0.1:2525 ", true, "127.0.0.1", 2525},
                      AddressCase{"smtp.example.org:465", true, "smtp.example.org", 465},
                      AddressCase{"[::1]:587", true, "::1", 587}, AddressCase{"[::1]", true, "::1", 25},
                      AddressCase{"::1", true, "::1", 25},
                      // a port that is no port is refused rather than guessed
                      AddressCase{"host:", false, "", 0}, AddressCase{"host:0", false, "", 0},
                      AddressCase{"host:65536", false, "", 0}, AddressCase{"host:25x", false, "", 0},
                      AddressCase{":25", false, "", 0}, AddressCase{"[::1", false, "", 0},
                      AddressCase{"[::1]x", false, "", 0}));

TEST(MailAccount, SenderAddressAddsTheDomainUnlessTheAccountHasOne) {
  EXPECT_EQ(senderAddress("me", "163.com"), "me@163.com");
  EXPECT_EQ(senderAddress("me@example.org", "163.com"), "me@example.org");
  // 0x40 ('@') is also the second byte of some GBK characters, which do not count
  const std::string gbkWithTrailAt = "\x81\x40";
  EXPECT_EQ(senderAddress(gbkWithTrailAt, "163.com"), gbkWithTrailAt + "@163.com");
}

TEST(MailAccount, ImplicitTlsOnPort465) {
  EXPECT_EQ(smtpUrl({"smtp.163.com", 25, ""}), "smtp://smtp.163.com:25");
  EXPECT_EQ(smtpUrl({"smtp.163.com", 465, ""}), "smtps://smtp.163.com:465");
  EXPECT_EQ(smtpUrl({"::1", 587, ""}), "smtp://[::1]:587");
}

}  // namespace
}  // namespace zorvqi
