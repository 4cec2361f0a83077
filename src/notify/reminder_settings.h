// The reminder settings: channel switches, keyword lists, the store and notify conditions.
//
// Contract: `readReminderSettings` builds a complete record from the settings file (every
// rule of the load sequence: the upgrade of an older six-character "提醒方式", the mail switch
// forced off without recipient or sender, the two conditions, the keyword texts and lists,
// the mail domain from the preset table). A `ReminderSettingsSlot` holds the record in force:
// `publish` swaps a new one in whole, `current` hands out the one in force. A record is never
// changed once published, so a worker holding one is never disturbed by a reload; workers take
// the current record for each article, so a save during a round applies to the articles
// handled after it. `loadReminderSettings` reads the file and publishes the record in the
// program's slot (`programReminderSettings`); `currentReminderSettings` reads that slot.
// Thread safety: `current` and `currentReminderSettings` may be called from any thread;
// loading, saving and the dialogs' changes happen on the UI thread (or the headless
// program's main thread).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvqi {

class SettingsFile;

struct ReminderSettings {
  bool groupChat = false;
  bool post = false;
  bool sound = false;
  bool mail = false;
  bool popup = false;
  bool wechat = false;

  std::string postAddress;
  std::string wechatKey;
  std::string pushServer;   // "推送服务器": the push service's host; empty sends no WeChat push
  std::string pushAddress;  // derived from the push server and the key

  std::string recipient;
  std::string senderAccount;
  std::string senderPassword;
  std::string mailSubject;
  int serverIndex = 0;
  std::string mailDomain;
  std::string mailServerAddress;    // "发件服务器地址": host or host:port instead of the preset's
  std::string mailCertificateFile;  // "发件服务器证书": PEM file the server's certificate is checked by

  bool keepPopup = false;
  int computerCondition = 0;  // 0 no computer channel, 1 every stored article, 2 key articles only
  int phoneCondition = 0;     // the same for the phone channels

  std::string keyKeywordText;
  std::string excludeKeywordText;
  std::vector<std::string> keyKeywords;
  std::vector<std::string> excludeKeywords;
  int storeCondition = 0;  // 0 store every new article, 1 key articles only
};

// The native identities of the three controls the load writes under "hd_ks", "hd_pl" and
// "hd_zt"; the headless program has none and writes nothing.
struct ControlHandles {
  std::string runButton;
  std::string intervalBox;
  std::string statusBox;
};

// `previous` supplies the mail domain kept when the server index names no preset.
ReminderSettings readReminderSettings(const SettingsFile& settings, const ReminderSettings& previous);

class ReminderSettingsSlot {
 public:
  std::shared_ptr<const ReminderSettings> current() const { return record_.load(); }
  void publish(ReminderSettings settings) {
    record_.store(std::make_shared<const ReminderSettings>(std::move(settings)));
  }

 private:
  std::atomic<std::shared_ptr<const ReminderSettings>> record_{std::make_shared<const ReminderSettings>()};
};

// The one slot of the running program.
ReminderSettingsSlot& programReminderSettings();

void loadReminderSettings(const SettingsFile& settings, const ControlHandles* handles = nullptr);
std::shared_ptr<const ReminderSettings> currentReminderSettings();
void publishReminderSettings(ReminderSettings settings);

// The six switches from a "提醒方式" value, after the upgrade of the older form. A value
// that is still shorter than seven characters switches every channel off.
struct ChannelSwitches {
  bool groupChat = false, post = false, sound = false, mail = false, popup = false, wechat = false;
  bool operator==(const ChannelSwitches&) const = default;
};
ChannelSwitches readChannelSwitches(const std::string& stored);

// The address on the push service for a key: the server (a bare host gets "https://"), then
// the path "/" + key + ".send", the key percent-encoded except letters, digits, '-' and '.'.
// Without a server it is the path alone.
std::string pushAddressFor(const std::string& pushServer, const std::string& wechatKey);

}  // namespace zorvqi

namespace zorvqi {

// The control values the options window's save button hands over.
struct ReminderControls {
  bool groupChat = false, post = false, sound = false, mail = false, popup = false, wechat = false;
  bool keepPopup = false;
  bool computerKeyOnly = false;   // 提醒电脑条件
  bool phoneKeyOnly = false;      // 提醒手机条件
  std::string keyKeywordBox;      // 编辑框1
  std::string excludeKeywordBox;  // 编辑框2
  int storeConditionIndex = 0;    // 组合框2
};

// Writes the controls through configItem (an empty text is never written; an empty keyword
// box is stored as one space), calls `ensurePopupWindow` when the popup box is checked, then
// loads the settings again.
void saveReminderSettings(const SettingsFile& settings, const ReminderControls& controls,
                          const std::function<void()>& ensurePopupWindow,
                          const ControlHandles* handles = nullptr);

}  // namespace zorvqi
