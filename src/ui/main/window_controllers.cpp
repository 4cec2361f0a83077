#include "ui/main/window_controllers.h"

#include "monitor/store_plan_runner.h"
#include "ui/main/main_window.h"

namespace zorvqi::ui {

WindowControllers::WindowControllers(MainWindow& window, WindowServices services)
    : window_(window),
      articles_(std::make_unique<ArticleListModel>()),
      view_(std::make_unique<WindowMonitorView>(*window.状态框, *articles_)) {
  setUpArticleList(*window.文章列表框, *articles_);
  pages_ = std::make_unique<ArticlePages>(services.database, *view_, *articles_, *window.文章列表框,
                                          *window.迷你首页);
  listButtons_ = std::make_unique<ArticleListButtons>(*window.收藏按钮, *window.全部文章按钮,
                                                      *window.挡表头的透明标签, *window.文章列表框, *pages_);
  searchBox_ = std::make_unique<ArticleSearchBox>(*window.搜索框, *pages_, *view_);
  rowActions_ =
      std::make_unique<ArticleRowActions>(*window.文章列表框, *articles_, *pages_, services.database,
                                          services.browser, *view_, std::move(services.serviceBase));
  selection_ = std::make_unique<PlanTreeSelection>(*window.栏目框);
  runner_ = std::make_unique<StorePlanRunner>(services.database, *view_);
  monitor_ = std::make_unique<Monitor>(*view_, *selection_, services.dialogs, *runner_,
                                       std::move(services.sendMail));
  buttons_ = std::make_unique<MonitorButtons>(*window.运行, *window.一键提取, *window.频率框, *monitor_);
}

WindowControllers::~WindowControllers() {
  // The monitor first: its threads use everything below it.
  buttons_.reset();
  monitor_.reset();
}

void WindowControllers::applyRowLook(const ArticleRowLook& look) {
  ui::applyRowLook(*window_.文章列表框, *articles_, look);
}

}  // namespace zorvqi::ui
