// The web pushes of a round, received by loopback HTTP servers.
#include "notify/push_sender.h"

#include <gtest/gtest.h>

#include <map>

#include "notify/reminder_fixture.h"
#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "support/utf8_literal.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using testing::PageServer;
using testing::utf8;

// The fields of an application/x-www-form-urlencoded body, decoded to their bytes.
std::map<std::string, std::string> formFields(const std::string& body) {
  const auto decode = [](const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '%' && i + 2 < text.size()) {
        out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
      } else {
        out += text[i] == '+' ? ' ' : text[i];
      }
    }
    return out;
  };
  std::map<std::string, std::string> fields;
  std::size_t start = 0;
  while (start <= body.size()) {
    const std::size_t end = std::min(body.find('&', start), body.size());
    const std::string pair = body.substr(start, end - start);
    const std::size_t equals = pair.find('=');
    fields[decode(pair.substr(0, equals))] =
        equals == std::string::npos ? "" : decode(pair.substr(equals + 1));
    start = end + 1;
  }
  return fields;
}

class PushSenderTest : public testing::ReminderFixture {
 protected:
  void usePost(const std::string& address) {
    store("提醒方式", "1010000");
    store("posturl", address);
    load();
  }
  void useWechat(const std::string& pushServer) {
    store("提醒方式", "1000001");
    store("wxkey", "k1");
    if (!pushServer.empty()) store("推送服务器", pushServer);
    load();
  }
  void endRound() { sender.sendRoundPushes(status, round.takeAndReset()); }

  PageServer receiver;
  PushSender sender{slot};
};

TEST_F(PushSenderTest, PostSendsTheRoundsArticlesAsAJsonArrayInFieldData) {
  receiver.serve("/receive", "saved: zorvqi_ok", "text/plain");
  usePost(receiver.url("/receive"));
  collect({"say \"hi\"", "back\\slash", "line\r\nbreak\ttab", "中文标题"});
  endRound();

  EXPECT_EQ(status.lines(), std::vector<std::string>{"已POST提醒"});
  const auto requests = receiver.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].header("Content-Type"), "application/x-www-form-urlencoded");
  const auto fields = formFields(requests[0].body);
  EXPECT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields.at("data"),
            utf8(u8R"([{"t":"say \"hi\"","u":"http://a/1"},{"t":"back\\slash","u":"http://a/2"},)"
                 u8R"({"t":"line\r\nbreak\ttab","u":"http://a/3"},{"t":"中文标题","u":"http://a/4"}])"));
}

TEST_F(PushSenderTest, PostFailuresSayWhy) {
  receiver.serve("/quiet", "saved", "text/plain");
  const std::pair<std::string, std::string> cases[] = {
      {receiver.url("/quiet"), "POST提醒失败：回复中没有zorvqi_ok（HTTP 200）"},
      {receiver.url("/missing"), "POST提醒失败：回复中没有zorvqi_ok（HTTP 404）"},
  };
  for (const auto& [address, line] : cases) {
    usePost(address);
    collect({"标题"});
    endRound();
    EXPECT_EQ(status.lines().back(), line) << address;
  }

  usePost("http://127.0.0.1:" + std::to_string(testing::closedLoopbackPort()) + "/");
  collect({"标题"});
  endRound();
  const std::string unreachable = status.lines().back();
  EXPECT_EQ(unreachable.rfind("POST提醒失败：", 0), 0u) << unreachable;
  EXPECT_GT(unreachable.size(), std::string("POST提醒失败：").size());

  store("posturl", " ");  // read back trimmed: empty
  load();
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines().back(), "POST提醒失败：未设置接收数据的页面地址");
  EXPECT_EQ(status.lines().size(), 4u);
}

TEST_F(PushSenderTest, WechatPostsTitleAndContentToTheKeysAddress) {
  receiver.serve("/k1.send", "{}", "application/json");
  useWechat("http://127.0.0.1:" + std::to_string(receiver.port()));
  collect({"第一篇", "第二篇"});
  const RoundCollection taken = round.takeAndReset();
  sender.sendRoundPushes(status, taken);

  EXPECT_EQ(status.lines(), std::vector<std::string>{"已发微信提醒"});
  const auto requests = receiver.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].path, "/k1.send");
  const auto fields = formFields(requests[0].body);
  EXPECT_EQ(fields.at("title"), gbkToUtf8("发现 2 篇新文章"));
  EXPECT_EQ(fields.at("content"), gbkToUtf8(taken.wechatText));
  EXPECT_EQ(fields.at("content"), utf8(u8"\r\n* %[第一篇%]%(http://a/1%)\r\n* %[第二篇%]%(http://a/2%)"));
}

TEST_F(PushSenderTest, WechatFailsOnAnythingButSuccessAndSendsNothingWithoutAServer) {
  useWechat("http://127.0.0.1:" + std::to_string(receiver.port()));
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines(), std::vector<std::string>{"微信提醒失败：HTTP 404"});

  store("推送服务器", " ");
  load();
  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines().back(), "微信提醒未发送：未设置推送服务器");
  EXPECT_EQ(receiver.requests().size(), 1u);
}

TEST_F(PushSenderTest, BothPushesGoOutPostFirstAndAnEmptyRoundSendsNothing) {
  receiver.serve("/receive", "zorvqi_ok", "text/plain");
  receiver.serve("/k1.send", "{}", "application/json");
  store("提醒方式", "1010001");
  store("posturl", receiver.url("/receive"));
  store("wxkey", "k1");
  store("推送服务器", "http://127.0.0.1:" + std::to_string(receiver.port()) + "/");
  load();
  endRound();
  EXPECT_TRUE(receiver.requests().empty());

  collect({"标题"});
  endRound();
  EXPECT_EQ(status.lines(), (std::vector<std::string>{"已POST提醒", "已发微信提醒"}));
  ASSERT_EQ(receiver.requests().size(), 2u);
  EXPECT_EQ(receiver.requests()[0].path, "/receive");
  EXPECT_EQ(receiver.requests()[1].path, "/k1.send");
}

}  // namespace
}  // namespace zorvqi
