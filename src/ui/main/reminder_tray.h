// The tray icon's states: the welcome of start-up, the new-article reminder and the reset.
//
// Contract: every tip ends with "\r\n" + the installation's title (`alias`, GBK):
// `showWelcome` shows the normal icon with the welcome greeting; `showNewArticles` the
// new-article icon with "监控到新文章！"; `resetTray` clears reminderPending and shows the
// normal icon with "暂无新文章". `remove` takes the icon away. Thread safety: UI thread only.
#pragma once

#include <string>

#include "ui/platform/tray_icon.h"

namespace zorvqi::ui {

class ReminderTray {
 public:
  explicit ReminderTray(TrayIcon& icon) : icon_(icon) {}

  void setAlias(std::string alias) { alias_ = std::move(alias); }
  void showWelcome();
  void showNewArticles();
  void resetTray();
  void remove() { icon_.remove(); }

  TrayIcon& icon() { return icon_; }
  // The tip for a first line (GBK), as the tray shows it.
  QString tipText(const std::string& firstLine) const;

 private:
  TrayIcon& icon_;
  std::string alias_;
};

}  // namespace zorvqi::ui
