// The core half of the round-end reminder, run on the round's thread.
//
// Contract: `roundEndReminder` switches the tray to the new-article icon, plays the sound
// when the sound rule holds, sends the mail when the mail rule holds (through `MailSender`,
// which writes its own status lines; "已发出邮件提醒指令" follows it), writes the closing
// line, sets `reminderPending` and resets the round's count and texts. The collection is
// taken and reset in one step before anything is sent, so an article that a worker of another
// round stores meanwhile goes into the next reminder instead of being lost.
// `resetReminderPending` is the core half of the tray reset. Thread safety: any thread.
#pragma once

#include <functional>

#include "monitor/monitor_view.h"
#include "notify/round_accumulators.h"

namespace zorvqi {

using MailSender = std::function<void(MonitorView& view, const RoundCollection& collection)>;

void roundEndReminder(MonitorView& view, const MailSender& sendMail);

bool reminderPending();
void resetReminderPending();

}  // namespace zorvqi
