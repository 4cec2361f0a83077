// The core half of the round-end reminder, run on the round's thread.
//
// Contract: `roundEndReminder` switches the tray to the new-article icon, plays the sound
// when the sound rule holds, sends the mail when the mail rule holds (`MailSender`, which
// writes its own status line; "已发出邮件提醒指令" follows it), then the web pushes when the
// round collected a WeChat or POST text (`PushSender`, which writes its own lines), writes the
// closing line, sets `reminderPending` and resets the round's count and texts. A sender left
// null sends nothing. The collection is taken and reset in one step before anything is sent,
// so an article that a worker of another round stores meanwhile goes into the next reminder
// instead of being lost.
// `resetReminderPending` is the core half of the tray reset. Thread safety: any thread.
#pragma once

#include <cstddef>

#include "monitor/monitor_view.h"
#include "notify/mail_sender.h"
#include "notify/push_sender.h"
#include "notify/round_accumulators.h"

namespace zorvqi {

// The two senders of the round end; `nullptr` stands for none of them.
struct RoundEndSenders {
  RoundEndSenders() = default;
  RoundEndSenders(std::nullptr_t) {}
  RoundEndSenders(const MailSender* mailSender, const PushSender* pushSender)
      : mail(mailSender), push(pushSender) {}

  const MailSender* mail = nullptr;
  const PushSender* push = nullptr;
};

void roundEndReminder(MonitorView& view, const RoundEndSenders& senders);

bool reminderPending();
void resetReminderPending();

}  // namespace zorvqi
