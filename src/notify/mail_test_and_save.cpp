#include "notify/mail_test_and_save.h"

#include <functional>
#include <thread>

#include "base/event_pump.h"
#include "notify/mail_account.h"
#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

const char* const kServerAddressKey = "发件服务器地址";

// Runs `work` on a helper thread; the calling thread waits through its pump meanwhile.
void runWhileWaiting(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::thread helper([&] {
    work();
    done.store(true);
    wakeAllWaits();
  });
  threadPump().waitUntil([&done] { return done.load(); }, Deadline::max());
  helper.join();
}

// Clears every busy flag it set, whichever way the operation ends.
class BusyScope {
 public:
  explicit BusyScope(std::atomic<bool>& busy) : busy_(busy), entered_(!busy.exchange(true)) {}
  ~BusyScope() {
    if (entered_) busy_.store(false);
  }
  bool entered() const { return entered_; }

 private:
  std::atomic<bool>& busy_;
  bool entered_;
};

}  // namespace

MailTestResult MailTestAndSave::testAndSaveMail(const MailAccountFields& fields) {
  const BusyScope scope(busy_);
  if (!scope.entered()) return MailTestResult::Busy;

  const bool loggedIn = loginWorks(fields);
  if (loggedIn) {
    saveMailAccount(settings_, fields);
    dialogs_.inform("保存成功！");
  } else {
    dialogs_.message("可能是账号密码不匹配导致的！", "保存出错", DialogIcon::Error, DialogButtons::Ok);
  }
  const RoundCollection current = round_.peek();
  runWhileWaiting([&] { sender_.sendReminderMail(status_, current); });
  return loggedIn ? MailTestResult::Saved : MailTestResult::NotSaved;
}

bool MailTestAndSave::loginWorks(const MailAccountFields& fields) {
  const std::string domain = gbkReplaceAll(fields.serverEntry, "@", "");
  const auto server = mailServer(fields.serverAddress, domain, configItem(settings_, "发件服务器证书", ""));
  if (!server) return false;
  SmtpResult result;
  runWhileWaiting([&] { result = checkSmtpLogin(*server, {fields.account, fields.password}, limits_); });
  return result.outcome == SmtpOutcome::Done;
}

void saveMailAccount(const SettingsFile& settings, const MailAccountFields& fields) {
  configItem(settings, "收件人账号", fields.recipient);
  configItem(settings, "邮件标题", fields.subject);
  configItem(settings, "发件人账号", fields.account);
  configItem(settings, "发件人密码", fields.password);
  configItem(settings, "发件服务器", decimalText(fields.serverIndex));
  // configItem never writes an empty value; emptying the box must still undo the address.
  if (!fields.serverAddress.empty()) {
    configItem(settings, kServerAddressKey, fields.serverAddress);
  } else if (!configItem(settings, kServerAddressKey, "").empty()) {
    settings.write(kConfigSection, kServerAddressKey, "");
  }
}

}  // namespace zorvqi
