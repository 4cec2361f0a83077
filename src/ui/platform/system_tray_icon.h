// The tray icon on the desktop's system tray (QSystemTrayIcon).
//
// Contract: see tray_icon.h. The icon object exists from construction; it shows only after
// `show`. Thread safety: UI thread only.
#pragma once

#include <QSystemTrayIcon>

#include "ui/platform/tray_icon.h"

namespace zorvqi::ui {

class SystemTrayIcon : public TrayIcon {
 public:
  SystemTrayIcon();

  bool canShow() const override;
  void show(TrayImage image, const QString& tip) override;
  void remove() override;

 private:
  void activated(QSystemTrayIcon::ActivationReason reason);

  QSystemTrayIcon icon_;
};

}  // namespace zorvqi::ui
