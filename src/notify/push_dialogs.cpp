#include "notify/push_dialogs.h"

namespace zorvqi {

const char* const kGroupChatPluginPage = "https://bbs.zorvqi.invalid/qq-robot";

bool PushDialogs::wechatBoxClicked(bool checked) {
  if (!checked) return false;
  const auto entered = dialogs_.input("密钥获取帮助可见zorvqi论坛，设置后，新文章将通过公众号通知到你的微信",
                                      "请输入微信提醒的密钥：", slot_.current()->wechatKey);
  if (!entered) {
    dialogs_.inform("你取消了输入");
    return false;
  }
  ReminderSettings changed = *slot_.current();
  changed.wechatKey = *entered;
  changed.pushAddress = pushAddressFor(changed.pushServer, changed.wechatKey);
  slot_.publish(std::move(changed));
  configItem(settings_, "wxkey", *entered);
  return true;
}

bool PushDialogs::postBoxClicked(bool checked) {
  if (!checked) return false;
  const auto entered = dialogs_.input(
      "新文章将通过JSON格式post提交到接口，提交参数：data=*\r\n可自行二次开发，更灵活进行【邮件/微信/QQ/短信/"
      "拨号】等提醒"
      "（成功标识zorvqi_ok）。使用帮助请见zorvqi论坛",
      "请输入接收数据的页面地址", slot_.current()->postAddress);
  if (!entered) {
    dialogs_.inform("你取消了输入");
    return false;
  }
  ReminderSettings changed = *slot_.current();
  changed.postAddress = *entered;
  slot_.publish(std::move(changed));
  configItem(settings_, "posturl", *entered);
  return true;
}

bool PushDialogs::groupChatBoxClicked() {
  const DialogAnswer answer =
      dialogs_.message("如需使用该功能，下载QQ机器人插件即可直接使用\r\n\r\n是否打开QQ机器人插件下载页 ？",
                       "本项无需设置", DialogIcon::Question, DialogButtons::YesNo);
  if (answer == DialogAnswer::Yes && openPage_) openPage_(kGroupChatPluginPage);
  return true;
}

}  // namespace zorvqi
