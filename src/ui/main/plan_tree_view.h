// 栏目框, the plan tree widget, shown from the plan tree data.
//
// Contract: `showPlanTree` replaces the widget's nodes with the data's: one checkable node per
// category (unchecked) holding one checkable node per plan (checked as the data says), texts
// from GBK, each node's value (negative for categories, the plan id for plans) readable with
// `planTreeValue`; every category is expanded. `propagateCheckChanges` makes a check change
// on any node apply to the node and all its descendants; a child's change does not reach its
// parent, so unchecking one plan leaves its category checked. Connect it once per widget.
// Thread safety: UI thread only.
#pragma once

#include <QTreeWidget>

#include "store/plan_tree.h"

namespace zorvqi::ui {

void showPlanTree(QTreeWidget& tree, const PlanTree& data);
void propagateCheckChanges(QTreeWidget& tree);
int planTreeValue(const QTreeWidgetItem& item);

}  // namespace zorvqi::ui
