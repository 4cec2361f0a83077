#include "store/plan_table.h"

#include <mutex>

namespace zorvqi {
namespace {

std::mutex currentMutex;

PlanTablePtr& currentSlot() {
  static PlanTablePtr table = std::make_shared<const PlanTable>();
  return table;
}

}  // namespace

std::shared_ptr<Plan> PlanTable::record(int id) const {
  auto found = records_.find(id);
  return found != records_.end() ? found->second : std::make_shared<Plan>();
}

std::vector<int> PlanTable::ids() const {
  std::vector<int> out;
  out.reserve(records_.size());
  for (const auto& [id, plan] : records_) out.push_back(id);
  return out;
}

void PlanTable::put(std::shared_ptr<Plan> plan) {
  if (plan && plan->id >= 1 && plan->id <= size_) records_[plan->id] = std::move(plan);
}

PlanTablePtr currentPlanTable() {
  std::lock_guard lock(currentMutex);
  return currentSlot();
}

void replacePlanTable(PlanTablePtr table) {
  if (!table) table = std::make_shared<const PlanTable>();
  std::lock_guard lock(currentMutex);
  currentSlot().swap(table);
}

std::mutex& PlanRunLocks::lockFor(int planId) {
  std::lock_guard lock(mutex_);
  return locks_[planId];
}

PlanRunLocks& planRunLocks() {
  static PlanRunLocks locks;
  return locks;
}

}  // namespace zorvqi
