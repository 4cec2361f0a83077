#include "ui/platform/system_tray_icon.h"

#include <QCursor>

namespace zorvqi::ui {

SystemTrayIcon::SystemTrayIcon() {
  QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                   [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
}

bool SystemTrayIcon::canShow() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::show(TrayImage image, const QString& tip) {
  icon_.setIcon(trayImageIcon(image));
  icon_.setToolTip(tip);
  icon_.show();
}

void SystemTrayIcon::remove() {
  icon_.hide();
}

void SystemTrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      reportClick(TrayClick::Left, QCursor::pos());
      break;
    case QSystemTrayIcon::DoubleClick:
      reportClick(TrayClick::LeftDouble, QCursor::pos());
      break;
    case QSystemTrayIcon::Context:
      reportClick(TrayClick::Right, QCursor::pos());
      break;
    default:
      break;
  }
}

}  // namespace zorvqi::ui
