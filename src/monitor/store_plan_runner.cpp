#include "monitor/store_plan_runner.h"

#include "monitor/plan_worker.h"
#include "store/plan.h"
#include "store/plan_table.h"

namespace zorvqi {

void StorePlanRunner::runPlan(int planId) {
  runPlanWorker(currentPlanTable()->record(planId), database_, view_);
}

std::string StorePlanRunner::planName(int planId) {
  return currentPlanTable()->record(planId)->name;
}

}  // namespace zorvqi
