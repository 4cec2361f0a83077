// The desktop program: its process-wide objects, the main window's creation sequence, the
// window's own events (tray clicks, activation) and the one exit sequence.
//
// Contract:
// - The constructor creates the process-wide objects and the main window (hidden); the
//   program directory must be set before.
// - `start()` runs the creation sequence in its fourteen steps: the popup window is made to
//   exist; without moduleFile("ewe.dll") it refuses (message box, error icon, title
//   "启动失败") before the database is looked at; without zorv.db it refuses likewise; a
//   database that does not open gives "数据库打开失败！" and disables 运行, and start-up goes
//   on; then the window's size and centring, the reminder settings, title, row height and
//   colours, interval, the tray icon, the browser view on 浏览器框 with the filter that pops
//   up 右击浏览器, loadPlans into the plan table and 栏目框, the companion service and its news
//   page, and the Alt+Q hot key (unavailable: said in the status box). It shows the window
//   and returns Started, or Refused, after which the caller ends with exit code 0.
// - `exitProgram()` removes the tray icon, stops the monitor, closes the popup window, saves
//   频率框 under "频率" (an empty box writes nothing), begins the program stop (every wait
//   and queued window change of a running round returns), stops the companion service,
//   closes the store and ends the process through `DesktopParts::endProcess` — in the real
//   program `endProcessNow`, which does not return into the nested waits it may be called
//   from. It runs once; later calls do nothing.
// - `saveInterval()` saves 频率框 under "频率" and nothing else: a session manager's save
//   request before a logout the user may still cancel.
// - Tray: a right click pops up 托盘菜单; a left click or double-click shows the window in
//   the normal state, top-most for 800 ms (waited through the pump), then resets the tray
//   when a reminder is pending. Activation resets a pending tray. A minimised window hides
//   only when the tray can show an icon.
// - One monitor per directory: right after opening the database, start-up takes the
//   directory's monitor lock (store/monitor_lock.h) and holds it until the process ends.
//   Held by another desktop program: it refuses (message box, error icon, "启动失败").
//   Held by `zorvqi-cli round`/`watch` (or not to be had): one status line says so, and
//   `gateMonitorButtons` makes 运行 and 一键提取 try again when clicked, refusing with a
//   message box while it is still held.
// - The monitor and the popup window join through `setMonitorStop` and `setPopupWindow`.
// Thread safety: UI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/dialogs.h"
#include "companion/companion_service.h"
#include "store/database.h"
#include "store/monitor_lock.h"
#include "store/settings_file.h"
#include "ui/browser/browser_view.h"
#include "ui/main/main_window.h"
#include "ui/main/monitor_buttons.h"
#include "ui/main/reminder_tray.h"
#include "ui/main/run_tally.h"
#include "ui/main/tree_widget_plan_selection.h"
#include "ui/platform/global_hot_key.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/tray_icon.h"

namespace zorvqi::app {

struct DesktopParts {
  Dialogs& dialogs;
  ui::TrayIcon& tray;
  ui::GlobalHotKey& hotKey;
  ui::SoundPlayer& sound;
  Database& database;
  std::function<void()> endProcess;
};

// Ends the process with exit code 0 at once, from wherever it is called.
[[noreturn]] void endProcessNow();

enum class StartResult { Started, Refused };

class DesktopProgram {
 public:
  explicit DesktopProgram(DesktopParts parts);
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  StartResult start();
  void exitProgram();
  void saveInterval();

  void setMonitorStop(std::function<void()> stop) { stopMonitor_ = std::move(stop); }
  void gateMonitorButtons(ui::MonitorButtons& buttons);
  void setPopupWindow(std::function<void()> ensure, std::function<void()> close);

  ui::MainWindow& window() { return *window_; }
  ui::BrowserView& browser() { return browser_; }
  ui::TreeWidgetPlanSelection& planSelection() { return *planSelection_; }
  ui::ReminderTray& reminderTray() { return reminderTray_; }
  ui::SoundPlayer& sound() { return parts_.sound; }
  CompanionService& companion() { return companion_; }
  // What the news page tells of this run: given to the monitor's view.
  ui::RunTally& runTally() { return runTally_; }
  const SettingsFile& settings() const { return settings_; }
  Database& database() { return parts_.database; }
  // The installation's title as shown in 软件名标签 (GBK).
  const std::string& alias() const { return alias_; }

 private:
  bool refuseWithoutFiles();
  void openDatabase();
  bool refuseSecondProgram();
  bool mayMonitor();
  void placeWindow();
  void applyWindowSettings();
  void attachBrowser();
  void loadPlansIntoTree();
  void showNewsPage();
  void registerHotKey();

  void connectWindow();
  void trayClicked(ui::TrayClick click, QPoint screenPosition);
  void bringWindowBack();
  void rememberWindowSize();
  void showAboutPage();
  MonitorSummary monitorSummary();

  DesktopParts parts_;
  SettingsFile settings_;
  std::unique_ptr<ui::MainWindow> window_;
  ui::BrowserView browser_;
  std::unique_ptr<ui::TreeWidgetPlanSelection> planSelection_;
  ui::ReminderTray reminderTray_;
  std::string alias_;
  std::function<void()> stopMonitor_;
  std::function<void()> ensurePopupWindow_;
  std::function<void()> closePopupWindow_;
  bool exiting_ = false;
  MonitorLock monitorLock_;
  ui::RunTally runTally_;
  // Last: its threads ask the members above for the news page's summary.
  CompanionService companion_;
};

}  // namespace zorvqi::app
