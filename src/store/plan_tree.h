// The plan tree as data: what the desktop's tree, the monitor and the headless program show.
//
// Contract: one top-level node per category in the order of the category list, text the
// category name, value -10 minus its 1-based position (-11, -12, ...). Under category k one
// node per row of "select * from rule where isdo<3 and class=" + k, in the order the store
// returns them, text name + " [" + id + "]", value the plan id, checked when `isdo` is 1.
// Disabled plans and plans whose category names no category have no node. Every node is
// shown expanded; that is the view's part.
// Thread safety: `buildPlanTree` uses the store (database.h); the tree itself is plain data.
#pragma once

#include <string>
#include <vector>

namespace zorvqi {

class Database;

struct PlanTreeNode {
  std::string text;
  int value = 0;
  bool checked = false;
  std::vector<PlanTreeNode> children;
};

struct PlanTree {
  std::vector<PlanTreeNode> categories;
};

int categoryNodeValue(int position);

PlanTree buildPlanTree(Database& database, const std::vector<std::string>& categories);

}  // namespace zorvqi
