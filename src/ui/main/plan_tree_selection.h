// 栏目框 as the rounds' plan selection.
//
// Contract: the plan nodes are the children of the top-level (category) items, in tree order;
// a node's plan id is its column-0 data under `kPlanNodeValueRole`, and it is checked when
// its column-0 check state is Qt::Checked. `planNodes` may be called on any thread: it reads
// the tree on the UI thread (a blocking queued call) and gives no nodes once the tree is gone
// or the program is stopping. Thread safety: any thread.
#pragma once

#include <QPointer>
#include <QTreeWidget>

#include "monitor/plan_selection.h"

namespace zorvqi::ui {

// The role under which a tree node keeps its node value (plan id, or -10 - category position).
inline constexpr int kPlanNodeValueRole = Qt::UserRole;

class PlanTreeSelection : public PlanSelection {
 public:
  explicit PlanTreeSelection(QTreeWidget& tree) : tree_(&tree) {}
  std::vector<PlanNodeState> planNodes() override;

 private:
  QPointer<QTreeWidget> tree_;
};

}  // namespace zorvqi::ui
