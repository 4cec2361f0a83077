#include "ui/main/plan_tree_selection.h"

#include "ui/qtsupport/ui_thread.h"

namespace zorvqi::ui {

std::vector<PlanNodeState> PlanTreeSelection::planNodes() {
  std::vector<PlanNodeState> nodes;
  runOnUiThread([&] {
    if (!tree_) return;
    for (int c = 0; c < tree_->topLevelItemCount(); ++c) {
      const QTreeWidgetItem* category = tree_->topLevelItem(c);
      for (int p = 0; p < category->childCount(); ++p) {
        const QTreeWidgetItem* plan = category->child(p);
        nodes.push_back({plan->data(0, kPlanNodeValueRole).toInt(), plan->checkState(0) == Qt::Checked});
      }
    }
  });
  return nodes;
}

}  // namespace zorvqi::ui
