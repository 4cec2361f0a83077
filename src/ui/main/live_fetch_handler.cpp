#include "ui/main/live_fetch_handler.h"

#include "base/event_pump.h"
#include "monitor/monitor_view.h"
#include "ui/main/article_pages.h"
#include "ui/main/plan_tree_view.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

std::string gbk(const QString& text) {
  return fromQString(text);
}

}  // namespace

LiveFetchHandler::LiveFetchHandler(QTreeWidget& tree, ArticlePages& pages, MonitorView& view,
                                   PlanLookup findPlan, LiveFetchLimits limits)
    : tree_(&tree), pages_(pages), view_(view), findPlan_(std::move(findPlan)), fetches_(limits) {
  connect(&tree, &QTreeWidget::itemDoubleClicked, this, &LiveFetchHandler::fetchCurrentNode);
}

void LiveFetchHandler::fetchCurrentNode() {
  const QTreeWidgetItem* node = tree_ ? tree_->currentItem() : nullptr;
  if (!node || !node->parent()) return;
  std::shared_ptr<const Plan> plan = findPlan_(planTreeValue(*node));
  if (!plan) return;
  if (fetching_) {
    view_.appendStatus(gbk(QStringLiteral("上一次实时获取尚未结束，请稍候再试")));
    return;
  }
  const std::string nodeText = gbk(node->text(0));
  view_.appendStatus(gbk(QStringLiteral("正在从网站实时获取新文章..")));
  pages_.beginLiveRows();
  threadPump().waitUntil(nullptr, SteadyClock::now());

  fetching_ = true;
  const bool ended = waitForFetch(std::move(plan), nodeText);
  fetching_ = false;
  if (ended) view_.appendStatus(nodeText + gbk(QStringLiteral(" 获取 实时文章 结束！")));
}

bool LiveFetchHandler::waitForFetch(std::shared_ptr<const Plan> plan, const std::string& nodeText) {
  LiveFetchEnd end = fetches_.run(std::move(plan), view_);
  if (end == LiveFetchEnd::TimedOut) {
    view_.appendStatus(nodeText + gbk(QStringLiteral("超时")));
    end = fetches_.awaitAbandoned();
    if (end == LiveFetchEnd::NotStopped) view_.appendStatus(gbk(QStringLiteral("强制退出访问不成功!")));
  }
  return end != LiveFetchEnd::Interrupted;
}

}  // namespace zorvqi::ui
