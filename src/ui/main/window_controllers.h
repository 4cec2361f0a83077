// The article list and the monitor, put together on a MainWindow.
//
// Contract: the constructor sets 文章列表框 up on its model, connects the filter buttons,
// the header label, the search box, the row actions and 文章菜单, and builds the monitor on
// the window: its view (WindowMonitorView), the store's plan runner and 运行 / 一键提取,
// the live fetch of a double-clicked plan node on the current plan table's records.
// A click on 迷你首页 shows the news page with the button's query when it leaves the button
// pressed, the placeholder page when released (also while the service has no address).
// Status lines of these parts go through `view()`.
// `WindowServices`: the store, the browser view, the dialogs the monitor refuses through, the
// plan tree's selection (tree_widget_plan_selection.h),
// the companion service's base address (asked for when a QR-code page is shown) and the
// round-end mail and web push (empty: none). The window and the services must outlive this object.
// The destructor cancels every round and worker of the monitor and waits for their threads
// while it keeps running the UI thread's events. Thread safety: UI thread only.
#pragma once

#include <memory>

#include "monitor/monitor.h"
#include "monitor/round_end_reminder.h"
#include "ui/main/article_list_buttons.h"
#include "ui/main/article_list_model.h"
#include "ui/main/article_pages.h"
#include "ui/main/article_row_actions.h"
#include "ui/main/article_search_box.h"
#include "ui/main/live_fetch_handler.h"
#include "ui/main/monitor_buttons.h"
#include "ui/main/window_monitor_view.h"

namespace zorvqi {
class Database;
class Dialogs;
class PlanSelection;
class StorePlanRunner;
}  // namespace zorvqi

namespace zorvqi::ui {

class MainWindow;

struct WindowServices {
  Database& database;
  BrowserView& browser;
  Dialogs& dialogs;
  PlanSelection& selection;
  ServiceBase serviceBase;
  RoundEndSenders senders;
  RunTally* tally = nullptr;  // what the news page tells of this run; none: not kept
};

class WindowControllers {
 public:
  WindowControllers(MainWindow& window, WindowServices services);
  ~WindowControllers();
  WindowControllers(const WindowControllers&) = delete;
  WindowControllers& operator=(const WindowControllers&) = delete;

  ArticleListModel& articles() { return *articles_; }
  WindowMonitorView& view() { return *view_; }
  ArticlePages& pages() { return *pages_; }
  ArticleRowActions& rowActions() { return *rowActions_; }
  Monitor& monitor() { return *monitor_; }
  MonitorButtons& monitorButtons() { return *buttons_; }
  LiveFetchHandler& liveFetch() { return *liveFetch_; }

 private:
  void connectMiniHomeButton(QToolButton& button, BrowserView& browser, ServiceBase serviceBase);

  std::unique_ptr<ArticleListModel> articles_;
  std::unique_ptr<WindowMonitorView> view_;
  std::unique_ptr<ArticlePages> pages_;
  std::unique_ptr<ArticleListButtons> listButtons_;
  std::unique_ptr<ArticleSearchBox> searchBox_;
  std::unique_ptr<ArticleRowActions> rowActions_;
  std::unique_ptr<StorePlanRunner> runner_;
  std::unique_ptr<Monitor> monitor_;
  std::unique_ptr<MonitorButtons> buttons_;
  std::unique_ptr<LiveFetchHandler> liveFetch_;
};

}  // namespace zorvqi::ui
