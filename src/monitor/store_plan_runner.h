// The rounds' plan runner on the program's plan table and store.
//
// Contract: `runPlan` runs the plan worker on the record the current plan table holds for
// that id (a reload meanwhile does not disturb it), under the run locks of the programs' plan
// table; `planName` is that record's name; `awaitAbandonedStores` waits for the statement
// running on the store, if any. Thread safety: any thread.
#pragma once

#include "monitor/monitor.h"

namespace zorvqi {

class Database;

class StorePlanRunner : public PlanRunner {
 public:
  StorePlanRunner(Database& database, MonitorView& view) : database_(database), view_(view) {}
  PlanOutcome runPlan(int planId) override;
  std::string planName(int planId) override;
  void awaitAbandonedStores() override;

 private:
  Database& database_;
  MonitorView& view_;
};

}  // namespace zorvqi
