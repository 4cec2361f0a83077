// The rounds' plan selection read from 栏目框, the plan tree widget.
//
// Contract: `planNodes` lists the plan nodes (the children of the category nodes) in tree
// order with their check states as the widget shows them at the moment of the call; it asks
// the UI thread (runOnUiThread) when called from another thread, and gives no nodes once the
// widget is gone or the program is stopping. `checkedPlanCount` is the number of checked plan
// nodes, kept up to date on the UI thread after every change of the tree, readable from any
// thread without waiting for the UI thread (the news page asks for it on the companion
// service's threads). Thread safety: `planNodes` and `checkedPlanCount` from any thread;
// construction and destruction on the UI thread.
#pragma once

#include <QPointer>
#include <QTreeWidget>
#include <atomic>

#include "monitor/plan_selection.h"

namespace zorvqi::ui {

class TreeWidgetPlanSelection : public PlanSelection {
 public:
  explicit TreeWidgetPlanSelection(QTreeWidget& tree);

  std::vector<PlanNodeState> planNodes() override;
  int checkedPlanCount() const { return checkedCount_.load(); }

 private:
  std::vector<PlanNodeState> readNodes() const;
  void queueRecount();

  QPointer<QTreeWidget> tree_;
  QObject guard_;  // context of the connections: they end with this object
  std::atomic<int> checkedCount_{0};
  bool recountQueued_ = false;
};

}  // namespace zorvqi::ui
