// The monitor's view on the main window: 状态框 and 文章列表框, and hooks for the popup
// window, the tray and the sound.
//
// Contract: implements MonitorView (monitor/monitor_view.h) on the window. Status texts go
// to the window's status box operations (MainWindow::setStatus and appendRawStatus, see
// status_box.h); list rows go to the ArticleListModel. The popup, tray and
// sound calls go to `ReminderHooks`; a hook left empty does nothing. Given a RunTally, each
// row that reaches the top of the list (a stored article) is counted in it at the clock's
// time, and each round's end is kept there with its long time text.
// Every call made on another thread is run on the UI thread as a blocking queued call
// (ui_thread.h), so it returns once the change is made; a call of a cancelled worker, or one
// made once the program is stopping, changes nothing.
// Thread safety: every MonitorView member from any thread; the constructor and
// `setReminderHooks` on the UI thread, before rounds start.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "monitor/monitor_view.h"
#include "ui/main/article_list_model.h"
#include "ui/main/run_tally.h"

namespace zorvqi::ui {

class MainWindow;

struct ReminderHooks {
  std::function<void()> ensurePopupWindow{};
  std::function<void(const std::string& title, const std::string& address, bool key)> addPopupRow{};
  std::function<void()> startPopupAutoClear{};
  std::function<void()> showNewArticleTray{};
  std::function<void()> playReminderSound{};
};

class WindowMonitorView : public MonitorView {
 public:
  WindowMonitorView(MainWindow& window, ArticleListModel& articles, RunTally* tally = nullptr);

  void setReminderHooks(ReminderHooks hooks) { hooks_ = std::move(hooks); }

  void setStatus(const std::string& text) override;
  void appendRawStatus(const std::string& text) override;

  void insertArticleAtTop(const ArticleRow& row) override;
  void appendArticle(const ArticleRow& row) override;
  void clearArticles() override;
  void trimArticles(int keep) override;
  void markTopRowAtRoundEnd() override;
  void roundEnded() override;

  void ensurePopupWindow() override;
  void addPopupRow(const std::string& title, const std::string& address, bool key) override;
  void startPopupAutoClear() override;
  void showNewArticleTray() override;
  void playReminderSound() override;

 private:
  QPointer<MainWindow> window_;
  QPointer<ArticleListModel> articles_;
  ReminderHooks hooks_;
  RunTally* tally_;
};

}  // namespace zorvqi::ui
