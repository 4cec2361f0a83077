#include "monitor/store_plan_runner.h"

#include "monitor/plan_worker.h"
#include "store/database.h"
#include "store/plan.h"
#include "store/plan_table.h"

namespace zorvqi {

PlanOutcome StorePlanRunner::runPlan(int planId) {
  return runPlanWorker(currentPlanTable()->record(planId), planRunLocks(), database_, view_);
}

std::string StorePlanRunner::planName(int planId) {
  return currentPlanTable()->record(planId)->name;
}

void StorePlanRunner::awaitAbandonedStores() {
  database_.waitForCurrentUse();
}

}  // namespace zorvqi
