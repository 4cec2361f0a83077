// `testAndSaveMail`, the mail account's test-and-save: the operation behind 测试并保存.
//
// Contract: with the fields as entered, in this order:
// 1. domain := the chosen preset entry with every "@" removed; it logs in ("smtp." + domain,
//    port 25, or the entered server address; the certificate of "发件服务器证书" as stored).
// 2. Logged in: "收件人账号", "邮件标题", "发件人账号", "发件人密码" and "发件服务器" (the entry's
//    index) are written through `configItem` (an empty field leaves its stored value), then
//    "发件服务器地址": the entered address, or, when the field is empty, the stored key is
//    emptied so the presets apply again; then the message box "保存成功！".
// 3. Not logged in: the box "可能是账号密码不匹配导致的！" titled "保存出错"; nothing is saved.
// 4. Either way the reminder mail is sent with the settings in force (the last load, not the
//    fields) and the round's current values (normally a count of 0 and an empty text), and
//    writes its status line.
// The login and the mail run on a helper thread while the calling thread waits through its
// event pump, so the desktop's windows keep working; a call made while one is still running
// (a second click meanwhile) does nothing and returns `Busy`. Message boxes are shown on the
// calling thread.
// Thread safety: call from one thread (the UI thread); the parts given to the constructor
// must outlive the object.
#pragma once

#include <atomic>
#include <string>

#include "base/dialogs.h"
#include "base/status_lines.h"
#include "notify/mail_sender.h"
#include "notify/round_accumulators.h"
#include "notify/smtp_client.h"
#include "store/settings_file.h"

namespace zorvqi {

// The account fields of the options window, as entered.
struct MailAccountFields {
  std::string recipient;      // 收件人框
  std::string subject;        // 发件标题框
  std::string account;        // 发件账号框
  std::string password;       // 发件密码框
  int serverIndex = 0;        // 发件服务器框: the chosen entry
  std::string serverEntry;    // its text, "@" + domain
  std::string serverAddress;  // the server address box; the window fills it from the settings
};

enum class MailTestResult { Saved, NotSaved, Busy };

// Step 2's writes.
void saveMailAccount(const SettingsFile& settings, const MailAccountFields& fields);

class MailTestAndSave {
 public:
  MailTestAndSave(const MailSender& sender, const SettingsFile& settings, Dialogs& dialogs,
                  StatusLines& status, const RoundAccumulators& round, SmtpLimits limits = {})
      : sender_(sender),
        settings_(settings),
        dialogs_(dialogs),
        status_(status),
        round_(round),
        limits_(limits) {}

  MailTestResult testAndSaveMail(const MailAccountFields& fields);

 private:
  bool loginWorks(const MailAccountFields& fields);

  const MailSender& sender_;
  const SettingsFile& settings_;
  Dialogs& dialogs_;
  StatusLines& status_;
  const RoundAccumulators& round_;
  SmtpLimits limits_;
  std::atomic<bool> busy_{false};
};

}  // namespace zorvqi
