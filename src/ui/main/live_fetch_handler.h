// The double-click on a plan node of 栏目框: that plan's current articles, fetched live.
//
// Contract: a double-click takes the tree's current node; none, or a category node, does
// nothing, and so does a plan id without a record. Otherwise it writes the status line
// "正在从网站实时获取新文章..", empties `articleFilter` and the list (ArticlePages::
// beginLiveRows), lets pending events run and runs the live fetch (monitor/live_fetch.h) on
// its own thread, waited for with events flowing. A run past its limit gets node text +
// "超时", and "强制退出访问不成功!" when it did not stop; it adds no rows afterwards. Then
// node text + " 获取 实时文章 结束！". A double-click while a live fetch is waited for is
// refused with a status line (the events of the wait would otherwise start a second fetch
// inside the first, clearing and mixing the list under it). Single clicks and keyboard
// moves do nothing here. `findPlan` gives the plan record of an id, or nullptr.
// The tree, the pages and the view must outlive this object. Thread safety: UI thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <string>

#include "monitor/live_fetch.h"

namespace zorvqi {
class MonitorView;
struct Plan;
}  // namespace zorvqi

namespace zorvqi::ui {

class ArticlePages;

using PlanLookup = std::function<std::shared_ptr<const Plan>(int planId)>;

class LiveFetchHandler : public QObject {
 public:
  LiveFetchHandler(QTreeWidget& tree, ArticlePages& pages, MonitorView& view, PlanLookup findPlan,
                   LiveFetchLimits limits = {});

  void fetchCurrentNode();

 private:
  // False when the wait ended because the program is stopping.
  bool waitForFetch(std::shared_ptr<const Plan> plan, const std::string& nodeText);

  QPointer<QTreeWidget> tree_;
  ArticlePages& pages_;
  MonitorView& view_;
  PlanLookup findPlan_;
  LiveFetches fetches_;
  bool fetching_ = false;
};

}  // namespace zorvqi::ui
