// The plan tree data as the rounds' selection, for the headless program.
//
// Contract: the plan nodes are the children of the category nodes, in tree order, checked
// as the tree was built (from `isdo`). Thread safety: read-only after construction.
#pragma once

#include "monitor/plan_selection.h"
#include "store/plan_tree.h"

namespace zorvqi {

class TreePlanSelection : public PlanSelection {
 public:
  explicit TreePlanSelection(PlanTree tree) : tree_(std::move(tree)) {}
  std::vector<PlanNodeState> planNodes() override;

 private:
  PlanTree tree_;
};

}  // namespace zorvqi
