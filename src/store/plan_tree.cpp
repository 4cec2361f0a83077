#include "store/plan_tree.h"

#include "store/database.h"
#include "store/plan_fields.h"
#include "text/number.h"

namespace zorvqi {
namespace {

PlanTreeNode planNode(const std::vector<std::string>& row) {
  PlanTreeNode node;
  node.text = row[kRuleName] + " [" + row[kRuleId] + "]";
  node.value = textToInt32(row[kRuleId]);
  node.checked = textToInt32(row[kRuleIsdo]) == 1;
  return node;
}

}  // namespace

int categoryNodeValue(int position) {
  return -10 - position;
}

PlanTree buildPlanTree(Database& database, const std::vector<std::string>& categories) {
  PlanTree tree;
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const int position = static_cast<int>(i) + 1;
    PlanTreeNode category;
    category.text = categories[i];
    category.value = categoryNodeValue(position);
    const TextTable rows =
        database.queryTable("select * from rule where isdo<3 and class=" + decimalText(position));
    if (rows.columnCount > kRuleIsdo) {
      for (const auto& row : rows.rows) category.children.push_back(planNode(row));
    }
    tree.categories.push_back(std::move(category));
  }
  return tree;
}

}  // namespace zorvqi
