// The desktop program's answers to its window: tray clicks, activation and the menu items.
#include <QPointer>
#include <QWindow>
#include <chrono>

#include "app/about_page.h"
#include "app/desktop_program.h"
#include "base/event_pump.h"
#include "monitor/round_end_reminder.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::app {
namespace {

constexpr std::chrono::milliseconds kTopMostSpell{800};

void setTopMost(QWidget& window, bool topMost) {
  if (QWindow* handle = window.windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, topMost);
}

}  // namespace

void DesktopProgram::connectWindow() {
  ui::MainWindow& w = *window_;
  QObject::connect(&w, &ui::MainWindow::exitRequested, &w, [this] { exitProgram(); });
  QObject::connect(&w, &ui::MainWindow::activated, &w, [this] {
    if (reminderPending()) reminderTray_.resetTray();
  });
  QObject::connect(w.退出, &QAction::triggered, &w, [this] { exitProgram(); });
  QObject::connect(w.记住当前界面大小, &QAction::triggered, &w, [this] { rememberWindowSize(); });
  QObject::connect(w.关于作者, &QAction::triggered, &w, [this] { showAboutPage(); });
  QObject::connect(w.网站规则共享平台, &QAction::triggered, &w, [this] {
    window_->网站规则共享平台->setChecked(true);
    parts_.dialogs.inform(ui::fromQString(
        QStringLiteral("这里有大量的常用网站的规则，导入即可使用\r\n\r\n准备中，不久的将来上线...")));
  });
  QObject::connect(w.复制, &QAction::triggered, &w, [this] { browser_.execCommand("Copy", ""); });
  QObject::connect(w.刷新, &QAction::triggered, &w, [this] { browser_.reload(); });
  parts_.tray.setClickHandler([this](ui::TrayClick click, QPoint at) { trayClicked(click, at); });
}

void DesktopProgram::trayClicked(ui::TrayClick click, QPoint screenPosition) {
  if (click == ui::TrayClick::Right) {
    window_->popUpTrayMenu(screenPosition);
    return;
  }
  bringWindowBack();
}

void DesktopProgram::bringWindowBack() {
  QPointer<ui::MainWindow> window(window_.get());
  window->showMainWindow();
  setTopMost(*window, true);
  pauseFor(kTopMostSpell);
  if (!window) return;
  setTopMost(*window, false);
  if (reminderPending()) reminderTray_.resetTray();
}

void DesktopProgram::rememberWindowSize() {
  configItem(settings_, ui::fromQString(QStringLiteral("宽度")), std::to_string(window_->width()));
  configItem(settings_, ui::fromQString(QStringLiteral("高度")), std::to_string(window_->height()));
  window_->appendStatus(ui::fromQString(QStringLiteral("界面大小 保存成功，重启可见效果")));
}

void DesktopProgram::showAboutPage() {
  browser_.loadHtml(aboutPageHtml());
  window_->showMainWindow();
}

}  // namespace zorvqi::app
