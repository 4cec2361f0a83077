#include "ui/main/plan_tree_view.h"

#include <QSignalBlocker>

#include "ui/platform/program_icon.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

constexpr int kValueRole = Qt::UserRole;

QTreeWidgetItem* nodeItem(const PlanTreeNode& node) {
  auto* item = new QTreeWidgetItem(QStringList{toQString(node.text)});
  item->setData(0, kValueRole, node.value);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, node.checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

void applyToChildren(QTreeWidgetItem& item) {
  const Qt::CheckState state = item.checkState(0);
  for (int i = 0; i < item.childCount(); ++i) {
    QTreeWidgetItem* child = item.child(i);
    // Each child's own change carries the state on to its children.
    if (child->checkState(0) != state) child->setCheckState(0, state);
  }
}

}  // namespace

void showPlanTree(QTreeWidget& tree, const PlanTree& data) {
  const QSignalBlocker quiet(tree);
  tree.clear();
  QList<QTreeWidgetItem*> categories;
  for (const PlanTreeNode& category : data.categories) {
    QTreeWidgetItem* categoryItem = nodeItem(category);
    for (const PlanTreeNode& plan : category.children) {
      QTreeWidgetItem* planItem = nodeItem(plan);
      planItem->setIcon(0, planNodeIcon());
      categoryItem->addChild(planItem);
    }
    categories.push_back(categoryItem);
  }
  tree.addTopLevelItems(categories);
  tree.expandAll();
}

void propagateCheckChanges(QTreeWidget& tree) {
  QObject::connect(&tree, &QTreeWidget::itemChanged, &tree, [](QTreeWidgetItem* item, int column) {
    if (item && column == 0) applyToChildren(*item);
  });
}

int planTreeValue(const QTreeWidgetItem& item) {
  return item.data(0, kValueRole).toInt();
}

}  // namespace zorvqi::ui
