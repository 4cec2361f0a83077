#include "notify/mail_sender.h"

#include "notify/mail_account.h"
#include "notify/mail_message.h"
#include "text/number.h"

namespace zorvqi {
namespace {

const char* const kConnectFailedLine = "邮件通知失败！请检查配置或网络！";

}  // namespace

void MailSender::sendReminderMail(StatusLines& status, const RoundCollection& round) const {
  const auto s = settings_.current();
  const auto server = mailServer(s->mailServerAddress, s->mailDomain, s->mailCertificateFile);
  if (s->senderAccount.empty() || s->recipient.empty() || !server) {
    status.appendStatus(kConnectFailedLine);
    return;
  }
  const LocalTime now = clock_.now();
  MailMessage mail;
  mail.from = senderAddress(s->senderAccount, s->mailDomain);
  mail.to = s->recipient;
  mail.subject = "发现 " + decimalText(round.storedCount) + " 篇新文章 " + s->mailSubject;
  mail.body = round.mailText;
  mail.date = now;
  mail.messageId = newMessageId(now, mail.from);

  const SmtpResult result = sendSmtpMail(*server, {s->senderAccount, s->senderPassword},
                                         {mail.from, mail.to, composeMail(mail)}, limits_);
  switch (result.outcome) {
    case SmtpOutcome::Done:
      status.appendStatus("已发邮件通知");
      break;
    case SmtpOutcome::ConnectFailed:
      status.appendStatus(kConnectFailedLine);
      break;
    case SmtpOutcome::Refused:
      status.appendStatus("邮件通知失败：" + result.cause);
      break;
  }
}

}  // namespace zorvqi
