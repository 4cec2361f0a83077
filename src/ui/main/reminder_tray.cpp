#include "ui/main/reminder_tray.h"

#include "monitor/round_end_reminder.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

QString ReminderTray::tipText(const std::string& firstLine) const {
  // Tool tips break lines at "\n".
  return toQString(firstLine) + QLatin1Char('\n') + toQString(alias_);
}

void ReminderTray::showWelcome() {
  icon_.show(TrayImage::Normal, tipText(fromQString(QStringLiteral("欢迎使用汐昙新文章监控提醒！"))));
}

void ReminderTray::showNewArticles() {
  icon_.show(TrayImage::NewArticles, tipText(fromQString(QStringLiteral("监控到新文章！"))));
}

void ReminderTray::resetTray() {
  resetReminderPending();
  icon_.show(TrayImage::Normal, tipText(fromQString(QStringLiteral("暂无新文章"))));
}

}  // namespace zorvqi::ui
