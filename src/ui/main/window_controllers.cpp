#include "ui/main/window_controllers.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

#include "monitor/store_plan_runner.h"
#include "store/plan_table.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/show_in_browser_box.h"
#include "ui/main/article_list_view.h"
#include "ui/main/main_window.h"

namespace zorvqi::ui {
namespace {

constexpr int kPumpMilliseconds = 10;

// Runs `work` on a helper thread while this (UI) thread keeps running events, so that a
// worker blocked in a queued call to the UI thread gets through and can end.
void runWhilePumping(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::thread helper([&] {
    work();
    done.store(true);
  });
  while (!done.load()) {
    QEventLoop loop;
    QTimer::singleShot(kPumpMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
  }
  helper.join();
}

}  // namespace

WindowControllers::WindowControllers(MainWindow& window, WindowServices services)
    : articles_(std::make_unique<ArticleListModel>()),
      view_(std::make_unique<WindowMonitorView>(window, *articles_, services.tally)) {
  setUpArticleList(*window.文章列表框, *articles_);
  // The window's first focus goes to the list: in the search box it would take the hint away
  // and replace the welcome line before the user has asked for anything.
  window.文章列表框->setFocus();
  pages_ = std::make_unique<ArticlePages>(services.database, *view_, *articles_, *window.文章列表框,
                                          *window.迷你首页);
  listButtons_ = std::make_unique<ArticleListButtons>(*window.收藏按钮, *window.全部文章按钮,
                                                      *window.挡表头的透明标签, *window.文章列表框, *pages_);
  searchBox_ = std::make_unique<ArticleSearchBox>(*window.搜索框, *pages_, *view_);
  connectMiniHomeButton(*window.迷你首页, services.browser, services.serviceBase);
  rowActions_ =
      std::make_unique<ArticleRowActions>(*window.文章列表框, *articles_, *pages_, services.database,
                                          services.browser, *view_, std::move(services.serviceBase));
  runner_ = std::make_unique<StorePlanRunner>(services.database, *view_);
  monitor_ = std::make_unique<Monitor>(*view_, services.selection, services.dialogs, *runner_,
                                       std::move(services.senders));
  buttons_ = std::make_unique<MonitorButtons>(*window.运行, *window.一键提取, *window.频率框, *monitor_);
  liveFetch_ = std::make_unique<LiveFetchHandler>(*window.栏目框, *pages_, *view_, [](int planId) {
    const PlanTablePtr table = currentPlanTable();
    return table->hasRow(planId) ? std::shared_ptr<const Plan>(table->record(planId)) : nullptr;
  });
}

// The click, not the toggle: ArticlePages releases the button without touching the box.
void WindowControllers::connectMiniHomeButton(QToolButton& button, BrowserView& browser,
                                              ServiceBase serviceBase) {
  QObject::connect(&button, &QToolButton::clicked, &button,
                   [&browser, serviceBase = std::move(serviceBase), view = view_.get()](bool pressed) {
                     const std::string base = serviceBase ? serviceBase() : std::string();
                     // Without the service there is no news page: the placeholder stands in.
                     showInBrowserBox(browser, base.empty() ? std::string() : miniHomePage(base, pressed),
                                      *view);
                   });
}

WindowControllers::~WindowControllers() {
  // The monitor first: its threads use everything below it. Its rounds and workers are
  // cancelled, so what they still hand to the UI thread is dropped there, not waited for.
  buttons_.reset();
  liveFetch_.reset();
  monitor_->abandonAll();
  runWhilePumping([this] { monitor_.reset(); });
}

}  // namespace zorvqi::ui
