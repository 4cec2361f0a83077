#include "ui/main/tree_widget_plan_selection.h"

#include <algorithm>

#include "ui/main/plan_tree_view.h"
#include "ui/qtsupport/ui_thread.h"

namespace zorvqi::ui {

TreeWidgetPlanSelection::TreeWidgetPlanSelection(QTreeWidget& tree) : tree_(&tree) {
  QAbstractItemModel* model = tree.model();
  // A category check changes every plan under it: count once after the whole change.
  QObject::connect(model, &QAbstractItemModel::dataChanged, &guard_, [this] { queueRecount(); });
  QObject::connect(model, &QAbstractItemModel::rowsInserted, &guard_, [this] { queueRecount(); });
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, &guard_, [this] { queueRecount(); });
  QObject::connect(model, &QAbstractItemModel::modelReset, &guard_, [this] { queueRecount(); });
  queueRecount();
}

std::vector<PlanNodeState> TreeWidgetPlanSelection::planNodes() {
  std::vector<PlanNodeState> nodes;
  runOnUiThread([&] { nodes = readNodes(); });
  return nodes;
}

std::vector<PlanNodeState> TreeWidgetPlanSelection::readNodes() const {
  std::vector<PlanNodeState> nodes;
  if (!tree_) return nodes;
  for (int c = 0; c < tree_->topLevelItemCount(); ++c) {
    const QTreeWidgetItem* category = tree_->topLevelItem(c);
    for (int p = 0; p < category->childCount(); ++p) {
      const QTreeWidgetItem* plan = category->child(p);
      nodes.push_back({planTreeValue(*plan), plan->checkState(0) == Qt::Checked});
    }
  }
  return nodes;
}

void TreeWidgetPlanSelection::queueRecount() {
  if (recountQueued_ || !tree_) return;
  recountQueued_ = true;
  QMetaObject::invokeMethod(
      &guard_,
      [this] {
        recountQueued_ = false;
        const std::vector<PlanNodeState> nodes = readNodes();
        checkedCount_ = static_cast<int>(std::count_if(
            nodes.begin(), nodes.end(), [](const PlanNodeState& node) { return node.checked; }));
      },
      Qt::QueuedConnection);
}

}  // namespace zorvqi::ui
