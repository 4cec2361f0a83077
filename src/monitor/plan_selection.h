// The plan tree as a round reads it: its plan nodes in tree order with their check states.
//
// Contract: `planNodes` lists the plan nodes (level 2 of the tree) in tree order. The
// desktop's tree widget and the headless program's tree data each implement it; the
// desktop's answers from any thread by asking the UI thread. `selectPlans` is the rule by
// which a round picks its plans. Thread safety: `planNodes` may be called from any thread.
#pragma once

#include <vector>

namespace zorvqi {

struct PlanNodeState {
  int planId = 0;
  bool checked = false;
};

class PlanSelection {
 public:
  virtual ~PlanSelection() = default;
  virtual std::vector<PlanNodeState> planNodes() = 0;
};

// 1 the checked plans, 0 the unchecked ones, 2 all of them; tree order kept.
enum class Selection { Unchecked = 0, Checked = 1, All = 2 };
std::vector<int> selectPlans(const std::vector<PlanNodeState>& nodes, Selection selection);

}  // namespace zorvqi
