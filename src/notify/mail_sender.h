// The reminder mail of a round: `sendReminderMail`.
//
// Contract: sends one mail with the reminder settings in force (read from the slot at each
// call): to the recipient, from the sender address (mail_account.h), through "smtp." + mail
// domain on port 25 or the "发件服务器地址" setting, checking the server's certificate by
// "发件服务器证书" when set. Subject "发现 " + the round's stored count + " 篇新文章 " + the mail
// subject; body the round's mail text exactly. Then one status line: "邮件通知失败！请检查配置或
// 网络！" when the connection or the login failed (also, without trying, when the sender
// account or the recipient is empty or the server address is malformed), "邮件通知失败：" +
// the server's reply when it refused the mail, "已发邮件通知" when it took it. Nothing is
// queued or retried. The call blocks until the server has answered or a limit has passed.
// Thread safety: `sendReminderMail` may be called from any thread, from several at once; the
// slot, the clock and the status port must outlive the sender.
#pragma once

#include "base/clock.h"
#include "base/status_lines.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "notify/smtp_client.h"

namespace zorvqi {

class MailSender {
 public:
  MailSender(const ReminderSettingsSlot& settings, const Clock& clock, SmtpLimits limits = {})
      : settings_(settings), clock_(clock), limits_(limits) {}

  void sendReminderMail(StatusLines& status, const RoundCollection& round) const;

 private:
  const ReminderSettingsSlot& settings_;
  const Clock& clock_;
  SmtpLimits limits_;
};

}  // namespace zorvqi
