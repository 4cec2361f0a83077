#include "monitor/tree_plan_selection.h"

namespace zorvqi {

std::vector<PlanNodeState> TreePlanSelection::planNodes() {
  std::vector<PlanNodeState> nodes;
  for (const PlanTreeNode& category : tree_.categories) {
    for (const PlanTreeNode& plan : category.children) nodes.push_back({plan.value, plan.checked});
  }
  return nodes;
}

}  // namespace zorvqi
