// The options window's web-push boxes: the WeChat-key dialog, the POST-address dialog and the
// group-chat notice.
//
// Contract: each `...Clicked` is the handler of its box, given the box's state after the click,
// and returns the state the box is to show.
// - WeChat (微信选择框) and POST (post框): an unchecked box asks nothing. A checked one shows
//   the input dialog (title, prompt and the current value from the settings in force).
//   Confirmed: the entered text replaces the key ("wxkey", the push address follows it) or
//   the post address ("posturl") in the settings in force at once, and is written through
//   `configItem`, so an empty entry leaves the stored value, which the next load brings
//   back. Cancelled: the box "你取消了输入", nothing changes, and the box is unchecked.
// - Group chat (qq框): the box stays checked whatever it was; the Yes/No box "本项无需设置"
//   asks whether to open the plug-in's page, which `openPage` opens on Yes.
// The switches themselves are saved by the options' save button, not here.
// Thread safety: UI thread only; the parts given to the constructor must outlive the object.
#pragma once

#include <functional>
#include <string>

#include "base/dialogs.h"
#include "notify/reminder_settings.h"
#include "store/settings_file.h"

namespace zorvqi {

// The page about the group-chat plug-in: this program's own help.
extern const char* const kGroupChatPluginPage;

class PushDialogs {
 public:
  using OpenPage = std::function<void(const std::string& address)>;

  PushDialogs(Dialogs& dialogs, const SettingsFile& settings, ReminderSettingsSlot& slot, OpenPage openPage)
      : dialogs_(dialogs), settings_(settings), slot_(slot), openPage_(std::move(openPage)) {}

  bool wechatBoxClicked(bool checked);
  bool postBoxClicked(bool checked);
  bool groupChatBoxClicked();

 private:
  Dialogs& dialogs_;
  const SettingsFile& settings_;
  ReminderSettingsSlot& slot_;
  OpenPage openPage_;
};

}  // namespace zorvqi
