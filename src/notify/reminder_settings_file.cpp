#include "notify/reminder_settings.h"

#include "notify/mail_presets.h"
#include "store/settings_file.h"
#include "text/gbk_string.h"
#include "text/number.h"
#include "text/texts_between.h"

namespace zorvqi {
namespace {

std::string withoutEmptyPairs(const std::string& text) {
  return gbkReplaceAll(text, "<>", "");
}

void applySwitches(ReminderSettings& s, const ChannelSwitches& c) {
  s.groupChat = c.groupChat;
  s.post = c.post;
  s.sound = c.sound;
  s.mail = c.mail;
  s.popup = c.popup;
  s.wechat = c.wechat;
}

}  // namespace

ReminderSettings readReminderSettings(const SettingsFile& file, const ReminderSettings& previous) {
  const auto item = [&file](const char* key) { return configItem(file, key, ""); };
  ReminderSettings s;
  applySwitches(s, readChannelSwitches(item("提醒方式")));
  s.postAddress = item("posturl");
  s.wechatKey = item("wxkey");
  s.pushServer = item("推送服务器");
  s.pushAddress = pushAddressFor(s.pushServer, s.wechatKey);
  s.recipient = item("收件人账号");
  s.senderAccount = item("发件人账号");
  s.senderPassword = item("发件人密码");
  s.mailSubject = item("邮件标题");
  s.serverIndex = textToInt32(item("发件服务器"));
  s.mailServerAddress = item("发件服务器地址");
  s.mailCertificateFile = item("发件服务器证书");
  s.keepPopup = item("不关弹窗") == "1";
  if (s.recipient.empty() || s.senderAccount.empty()) s.mail = false;
  s.mailDomain = mailDomainForIndex(s.serverIndex).value_or(previous.mailDomain);
  s.computerCondition = !(s.popup || s.sound) ? 0 : item("条件通知电脑") == "真" ? 2 : 1;
  s.phoneCondition = !(s.mail || s.wechat || s.post || s.groupChat) ? 0
                     : item("条件通知手机") == "真"                 ? 2
                                                                    : 1;
  s.keyKeywordText = withoutEmptyPairs(item("关键词1"));
  s.excludeKeywordText = withoutEmptyPairs(item("关键词0"));
  s.storeCondition = textToInt32(item("入库条件"));
  s.keyKeywords = textsBetween(s.keyKeywordText, "<", ">");
  s.excludeKeywords = textsBetween(s.excludeKeywordText, "<", ">");
  return s;
}

void loadReminderSettings(const SettingsFile& file, const ControlHandles* handles) {
  publishReminderSettings(readReminderSettings(file, *currentReminderSettings()));
  if (handles) {
    configItem(file, "hd_ks", handles->runButton);
    configItem(file, "hd_pl", handles->intervalBox);
    configItem(file, "hd_zt", handles->statusBox);
  }
}

void saveReminderSettings(const SettingsFile& file, const ReminderControls& c,
                          const std::function<void()>& ensurePopupWindow, const ControlHandles* handles) {
  if (c.keyKeywordBox.empty()) configItem(file, "关键词1", " ");
  if (c.excludeKeywordBox.empty()) configItem(file, "关键词0", " ");
  configItem(file, "不关弹窗", c.keepPopup ? "1" : "0");
  if (c.popup && ensurePopupWindow) ensurePopupWindow();
  configItem(file, "条件通知手机", c.phoneKeyOnly ? "真" : "假");
  configItem(file, "条件通知电脑", c.computerKeyOnly ? "真" : "假");
  configItem(file, "关键词1", c.keyKeywordBox);
  configItem(file, "关键词0", c.excludeKeywordBox);
  configItem(file, "入库条件", decimalText(c.storeConditionIndex));
  const int channels = 1000000 + 100000 * c.groupChat + 10000 * c.post + 1000 * c.sound + 100 * c.mail +
                       10 * c.popup + (c.wechat ? 1 : 0);
  configItem(file, "提醒方式", decimalText(channels));
  loadReminderSettings(file, handles);
}

}  // namespace zorvqi
