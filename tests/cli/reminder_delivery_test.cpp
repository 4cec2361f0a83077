// A headless round that finds new articles mails them and posts them: a real SMTP server
// (aiosmtpd) named in "发件服务器地址" and a loopback receiver in "posturl".
#include <gtest/gtest.h>

#include "demo_site.h"
#include "store/settings_file.h"
#include "support/cli_process.h"
#include "support/page_server.h"
#include "support/smtp_server.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;

std::string percentDecoded(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

TEST(ReminderDelivery, ARoundWithNewArticlesMailsAndPostsThem) {
  demo::DemoSite site{demo::DemoSiteOptions{0, 3, std::chrono::seconds(0), 100ms}};
  ASSERT_TRUE(site.start());
  testing::LoopbackSmtpServer smtp;
  ASSERT_TRUE(smtp.started()) << smtp.log();
  testing::PageServer receiver;
  receiver.serve("/receive", "zorvqi_ok", "text/plain");

  testing::TempDir dir;
  const std::string base = site.baseUrl();
  testing::createSqliteFile(
      dir.file("zorv.db"),
      testing::shippedSchema() +
          gbkToUtf8(
              "INSERT INTO rule (class, code, name, url, ua, buquan, regular, before, after, tindex, uindex, "
              "oindex, isdo, type) VALUES (1, '1', '论坛', '" +
              base + "/forum/list.php', '', '" + base +
              "[1]', '<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', '<ul id=\"list\">', '</ul>', "
              "2, 3, '', 1, 8);"));
  const SettingsFile settings{dir.file("zorvqi.ini")};
  const std::pair<const char*, std::string> keys[] = {{"类别", "<演示>"},
                                                      {"提醒方式", "1010100"},
                                                      {"收件人账号", "you@example.org"},
                                                      {"发件人账号", "me"},
                                                      {"发件人密码", "secret"},
                                                      {"邮件标题", "提醒"},
                                                      {"发件服务器", "1"},
                                                      {"发件服务器地址", smtp.address()},
                                                      {"posturl", receiver.url("/receive")}};
  for (const auto& [key, value] : keys) ASSERT_TRUE(settings.write(kConfigSection, key, value));

  const auto round = testing::runCli({"--dir", dir.path().string(), "round"});
  EXPECT_EQ(round.exitStatus, 0) << round.err;
  for (const char* line : {"已发邮件通知", "已发出邮件提醒指令", "已POST提醒"})
    EXPECT_NE(round.out.find(gbkToUtf8(line)), std::string::npos) << line << "\n" << round.out;

  const auto mails = smtp.received();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].subject, gbkToUtf8("发现 3 篇新文章 提醒"));
  EXPECT_EQ(mails[0].from, "me@163.com");

  // The mail's lines, "\r\n" + title + "：" + address each, and the posted JSON name the same
  // articles in the same order.
  std::string expectedJson = "[";
  std::size_t lines = 0;
  const std::string separator = "：";
  for (std::size_t at = mails[0].body.find("\r\n"); at != std::string::npos; ++lines) {
    const std::size_t next = mails[0].body.find("\r\n", at + 2);
    const std::string line = mails[0].body.substr(at + 2, next == std::string::npos ? next : next - at - 2);
    const std::size_t cut = line.rfind(separator);  // a title may hold "：" itself
    ASSERT_NE(cut, std::string::npos) << line;
    EXPECT_EQ(line.rfind("第", 0), 0u) << line;
    if (lines > 0) expectedJson += ",";
    expectedJson += "{\"t\":\"" + gbkToUtf8(line.substr(0, cut)) + "\",\"u\":\"" +
                    line.substr(cut + separator.size()) + "\"}";
    at = next;
  }
  EXPECT_EQ(lines, 3u);
  const auto posted = receiver.requests();
  ASSERT_EQ(posted.size(), 1u);
  ASSERT_EQ(posted[0].body.rfind("data=", 0), 0u);
  EXPECT_EQ(percentDecoded(posted[0].body.substr(5)), expectedJson + "]");
}

}  // namespace
}  // namespace zorvqi
