#include "monitor/round_end_reminder.h"

#include <atomic>

#include "notify/keyword_rules.h"
#include "notify/reminder_settings.h"

namespace zorvqi {
namespace {
std::atomic<bool> pending{false};
}

void roundEndReminder(MonitorView& view, const RoundEndSenders& senders) {
  const auto settings = currentReminderSettings();
  const RoundCollection collection = roundAccumulators().takeAndReset();
  view.showNewArticleTray();
  if (roundPlaysSound(*settings)) view.playReminderSound();
  if (roundSendsMail(*settings, roundAccumulators().keyArticleSeen(), collection.mailText) && senders.mail) {
    senders.mail->sendReminderMail(view, collection);
    view.appendStatus("已发出邮件提醒指令");
  }
  if ((!collection.wechatText.empty() || !collection.postText.empty()) && senders.push)
    senders.push->sendRoundPushes(view, collection);
  view.appendStatus("发现有新文章！单击托盘图标、左上角全部文章按钮或使用快捷键Alt+Q均可更新列表！");
  pending.store(true);
}

bool reminderPending() {
  return pending.load();
}

void resetReminderPending() {
  pending.store(false);
}

}  // namespace zorvqi
