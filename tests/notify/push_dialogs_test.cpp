// The WeChat-key and POST-address dialogs and the group-chat notice, answered through Dialogs.
#include "notify/push_dialogs.h"

#include <gtest/gtest.h>

#include "notify/reminder_fixture.h"

namespace zorvqi {
namespace {

class PushDialogsTest : public testing::ReminderFixture {
 protected:
  void SetUp() override {
    store("wxkey", "old-key");
    store("posturl", "http://127.0.0.1:1/old");
    store("推送服务器", "http://127.0.0.1:2");
    load();
  }

  RecordingDialogs dialogs;
  std::vector<std::string> opened;
  PushDialogs boxes{dialogs, file, slot, [this](const std::string& address) { opened.push_back(address); }};
};

struct DialogCase {
  const char* name;
  bool wechat;  // else the POST box
  const char* key;
  const char* title;
  const char* prompt;
  const char* storedBefore;
};

const DialogCase kDialogs[] = {
    {"Wechat", true, "wxkey", "请输入微信提醒的密钥：",
     "密钥获取帮助可见zorvqi论坛，设置后，新文章将通过公众号通知到你的微信", "old-key"},
    {"Post", false, "posturl", "请输入接收数据的页面地址",
     "新文章将通过JSON格式post提交到接口，提交参数：data=*\r\n可自行二次开发，更灵活进行【邮件/微信/QQ/短信/"
     "拨号】等提醒"
     "（成功标识zorvqi_ok）。使用帮助请见zorvqi论坛",
     "http://127.0.0.1:1/old"},
};

class InputDialogs : public PushDialogsTest, public ::testing::WithParamInterface<DialogCase> {
 protected:
  bool click(bool checked) {
    return GetParam().wechat ? boxes.wechatBoxClicked(checked) : boxes.postBoxClicked(checked);
  }
  std::string inMemory() {
    return GetParam().wechat ? slot.current()->wechatKey : slot.current()->postAddress;
  }
};

TEST_P(InputDialogs, ConfirmedStoresAndUsesTheEntryAtOnce) {
  const DialogCase& c = GetParam();
  dialogs.queueInput(std::string("k2"));
  EXPECT_TRUE(click(true));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].title, c.title);
  EXPECT_EQ(dialogs.shown()[0].text, c.prompt);
  EXPECT_EQ(file.read(kConfigSection, c.key), "k2");
  EXPECT_EQ(inMemory(), "k2");
  if (c.wechat) {
    EXPECT_EQ(slot.current()->pushAddress, "http://127.0.0.1:2/k2.send");
  }
}

TEST_P(InputDialogs, CancelledSaysSoAndUnchecksTheBox) {
  const DialogCase& c = GetParam();
  dialogs.queueInput(std::nullopt);
  EXPECT_FALSE(click(true));
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text, "你取消了输入");
  EXPECT_EQ(dialogs.shown()[1].title, kDefaultDialogTitle);
  EXPECT_EQ(file.read(kConfigSection, c.key), c.storedBefore);
  EXPECT_EQ(inMemory(), c.storedBefore);
}

TEST_P(InputDialogs, AnEmptyEntryIsUsedUntilTheNextLoadBringsTheStoredOneBack) {
  const DialogCase& c = GetParam();
  dialogs.queueInput(std::string());
  EXPECT_TRUE(click(true));
  EXPECT_EQ(inMemory(), "");
  EXPECT_EQ(file.read(kConfigSection, c.key), c.storedBefore);
  load();
  EXPECT_EQ(inMemory(), c.storedBefore);
}

TEST_P(InputDialogs, AnUncheckedBoxAsksNothing) {
  EXPECT_FALSE(click(false));
  EXPECT_TRUE(dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Boxes, InputDialogs, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PushDialogsTest, TheGroupChatBoxStaysCheckedAndOffersThePluginPage) {
  dialogs.queueAnswer(DialogAnswer::No);
  dialogs.queueAnswer(DialogAnswer::Yes);
  EXPECT_TRUE(boxes.groupChatBoxClicked());
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(boxes.groupChatBoxClicked());
  EXPECT_EQ(opened, std::vector<std::string>{kGroupChatPluginPage});

  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].title, "本项无需设置");
  EXPECT_EQ(dialogs.shown()[0].text,
            "如需使用该功能，下载QQ机器人插件即可直接使用\r\n\r\n是否打开QQ机器人插件下载页 ？");
  EXPECT_EQ(dialogs.shown()[0].buttons, DialogButtons::YesNo);
}

}  // namespace
}  // namespace zorvqi
