#include "app/desktop_program.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/about_page.h"
#include "app/startup_refusals.h"
#include "app/window_settings.h"
#include "base/clock.h"
#include "base/event_pump.h"
#include "base/gzip_module.h"
#include "base/program_dir.h"
#include "monitor/round_end_reminder.h"
#include "notify/reminder_settings.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "text/charset.h"
#include "ui/browser/browser_menu_filter.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/show_in_browser_box.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/plan_tree_view.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::app {
namespace {

using ui::fromQString;

std::string gbk(const QString& text) {
  return fromQString(text);
}

// The controls' identities for the settings keys that name them: their addresses in this run.
std::string controlIdentity(const QWidget* widget) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(widget));
}

}  // namespace

void endProcessNow() {
  std::fflush(nullptr);
  std::_Exit(0);
}

DesktopProgram::DesktopProgram(DesktopParts parts)
    : parts_(std::move(parts)),
      settings_(programSettings()),
      window_(std::make_unique<ui::MainWindow>()),
      planSelection_(std::make_unique<ui::TreeWidgetPlanSelection>(*window_->栏目框)),
      reminderTray_(parts_.tray),
      monitorLock_(monitorLockPath()),
      companion_([this] { return monitorSummary(); }) {
  connectWindow();
}

DesktopProgram::~DesktopProgram() {
  companion_.stop();
}

void DesktopProgram::setPopupWindow(std::function<void()> ensure, std::function<void()> close) {
  ensurePopupWindow_ = std::move(ensure);
  closePopupWindow_ = std::move(close);
}

StartResult DesktopProgram::start() {
  if (ensurePopupWindow_) ensurePopupWindow_();
  if (refuseWithoutFiles()) return StartResult::Refused;
  openDatabase();
  if (refuseSecondProgram()) return StartResult::Refused;
  placeWindow();
  ControlHandles handles{controlIdentity(window_->运行), controlIdentity(window_->频率框),
                         controlIdentity(window_->状态框)};
  loadReminderSettings(settings_, &handles);
  applyWindowSettings();
  attachBrowser();
  loadPlansIntoTree();
  showNewsPage();
  registerHotKey();
  window_->show();
  return StartResult::Started;
}

bool DesktopProgram::refuseWithoutFiles() {
  if (!std::filesystem::exists(moduleFile("ewe.dll"))) {
    parts_.dialogs.message(missingBrowserLibraryText(), startupFailedTitle(), DialogIcon::Error,
                           DialogButtons::Ok);
    return true;
  }
  if (!std::filesystem::exists(programFile("zorv.db"))) {
    parts_.dialogs.message(missingDatabaseText(), startupFailedTitle(), DialogIcon::Error, DialogButtons::Ok);
    return true;
  }
  return false;
}

void DesktopProgram::openDatabase() {
  if (parts_.database.openStore(programFile("zorv.db"))) return;
  parts_.dialogs.inform(databaseOpenFailedText());
  window_->运行->setEnabled(false);
}

bool DesktopProgram::refuseSecondProgram() {
  const MonitorLockStatus status = monitorLock_.take(MonitorKind::Desktop);
  if (status == MonitorLockStatus::Taken) return false;
  if (status == MonitorLockStatus::HeldElsewhere) {
    const MonitorHolder holder = monitorLock_.holder();
    if (holder.kind == MonitorKind::Desktop) {
      parts_.dialogs.message(alreadyRunningText(utf8ToGbk(programDir())), startupFailedTitle(),
                             DialogIcon::Error, DialogButtons::Ok);
      return true;
    }
    window_->appendStatus(monitorHeldLine(holderWords(holder)));
    return false;
  }
  window_->appendStatus(monitorLockFailedLine(monitorLock_.failure()));
  return false;
}

// Asked by 运行 and 一键提取 before they start a round.
bool DesktopProgram::mayMonitor() {
  switch (monitorLock_.take(MonitorKind::Desktop)) {
    case MonitorLockStatus::Taken:
      return true;
    case MonitorLockStatus::HeldElsewhere:
      parts_.dialogs.inform(monitorHeldText(holderWords(monitorLock_.holder())));
      return false;
    case MonitorLockStatus::Failed:
      parts_.dialogs.inform(monitorLockFailedText(monitorLock_.failure()));
      return false;
  }
  return false;
}

void DesktopProgram::gateMonitorButtons(ui::MonitorButtons& buttons) {
  buttons.setStartGate([this] { return mayMonitor(); });
}

void DesktopProgram::placeWindow() {
  const WindowSettings stored = readWindowSettings(settings_);
  const QSize size = startupWindowSize(stored.width, stored.height,
                                       QSize(ui::MainWindow::kDesignWidth, ui::MainWindow::kDesignHeight));
  window_->resize(size);
  // A hidden window gets its resize event only when shown; the browser view is placed on its
  // box before that.
  ui::applyResizeRules(*window_, size);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) window_->move(centredPosition(screen->geometry(), size));
}

void DesktopProgram::applyWindowSettings() {
  const WindowSettings stored = readWindowSettings(settings_);
  alias_ = stored.alias.empty() ? gbk(QStringLiteral("汐昙新文章监控提醒")) : stored.alias;
  window_->软件名标签->setText(ui::toQString(alias_));
  if (!stored.interval.empty()) window_->频率框->setText(ui::toQString(stored.interval));
  window_->setArticleRowAppearance(stored.rowHeight, stored.rowColour1, stored.rowColour2);
  reminderTray_.setAlias(alias_);
  reminderTray_.showWelcome();
  window_->setHidesWhenMinimised(parts_.tray.canShow());
}

void DesktopProgram::attachBrowser() {
  if (!browser_.create(window_->浏览器框)) return;
  ui::installBrowserMenuFilter(browser_, [this](QPoint at) { window_->popUpBrowserMenu(at); });
}

void DesktopProgram::loadPlansIntoTree() {
  if (gzipModuleState() == GzipModuleState::Unloadable) window_->appendStatus(kGzipModuleUnloadableMessage);
  PlanLoad load = loadPlans(parts_.database, settings_, parts_.dialogs);
  if (load.table) replacePlanTable(load.table);
  ui::showPlanTree(*window_->栏目框, load.tree);
}

void DesktopProgram::showNewsPage() {
  // Without the service the news page cannot be had: the box shows the placeholder.
  const bool serving = companion_.running() || companion_.start();
  ui::showInBrowserBox(browser_, serving ? ui::startupPage(companion_.baseAddress()) : std::string(),
                       *window_);
}

void DesktopProgram::registerHotKey() {
  // The hot key reaches the window through 标签13, whose handler toggles it.
  switch (parts_.hotKey.grab(Qt::AltModifier, Qt::Key_Q, [this] { window_->toggleMainWindow(); })) {
    case ui::HotKeyGrab::Grabbed:
      return;
    case ui::HotKeyGrab::Taken:
      window_->appendStatus(gbk(QStringLiteral("快捷键 Alt+Q 不可用：已被其他程序占用")));
      return;
    case ui::HotKeyGrab::Unsupported:
      window_->appendStatus(gbk(QStringLiteral("快捷键 Alt+Q 不可用：这个桌面不支持全局快捷键（需要 X11）")));
      return;
  }
}

void DesktopProgram::exitProgram() {
  if (exiting_) return;
  exiting_ = true;
  reminderTray_.remove();
  if (stopMonitor_) stopMonitor_();
  if (closePopupWindow_) closePopupWindow_();
  saveInterval();
  beginProgramStop();
  companion_.stop();
  parts_.database.closeStore();
  if (parts_.endProcess) parts_.endProcess();
}

void DesktopProgram::saveInterval() {
  configItem(settings_, gbk(QStringLiteral("频率")), gbk(window_->频率框->text()));
}

MonitorSummary DesktopProgram::monitorSummary() {
  MonitorSummary summary;
  summary.plansWatched = planSelection_->checkedPlanCount();
  // Stored articles carry month and day only, so the store cannot tell today's from those
  // of the same day in earlier years: the count is this run's, kept as they arrive.
  summary.articlesToday = runTally_.storedOn(currentClock().now());
  summary.lastRoundTime = runTally_.lastRoundTime();
  return summary;
}

}  // namespace zorvqi::app
