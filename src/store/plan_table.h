// The in-memory plan table: plan records by id, from 1 to the largest id.
//
// Contract: the table is sparse, so a huge id costs one record, not a billion. `size()` is
// the number of positions (the largest id); `record(id)` returns the shared record of that
// id, or a new empty record for a position without a row (or out of range), so callers never
// get a null pointer and never share an empty record. Records are `std::shared_ptr`, so a
// worker keeps the record it started with valid after a reload replaced the table.
// `currentPlanTable()` is the table the programs use; `loadPlans` builds a new one completely
// and the caller installs it with `replacePlanTable`.
// `PlanRunLocks` keeps one run lock per plan id beside the tables, outliving each of them: a
// run on a record of an older table and one on the record of the newest table still take the
// same lock. `planRunLocks()` are the locks of the programs' plan table.
// Thread safety: a table is not changed after it is built and may be read from any thread;
// `currentPlanTable`, `replacePlanTable` and `PlanRunLocks::lockFor` may be called from any
// thread.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "store/plan.h"

namespace zorvqi {

class PlanTable {
 public:
  PlanTable() = default;
  explicit PlanTable(int size) : size_(size) {}

  int size() const { return size_; }
  bool hasRow(int id) const { return records_.count(id) != 0; }
  std::shared_ptr<Plan> record(int id) const;
  // The ids that have a row, ascending.
  std::vector<int> ids() const;

  // Builders: `put` stores a record at its own id, which must lie in 1..size().
  void put(std::shared_ptr<Plan> plan);

 private:
  int size_ = 0;
  std::map<int, std::shared_ptr<Plan>> records_;
};

using PlanTablePtr = std::shared_ptr<const PlanTable>;

PlanTablePtr currentPlanTable();
void replacePlanTable(PlanTablePtr table);

class PlanRunLocks {
 public:
  // The lock of that plan id, made at its first use; the same object for the life of this.
  std::mutex& lockFor(int planId);

 private:
  std::mutex mutex_;
  std::map<int, std::mutex> locks_;
};

PlanRunLocks& planRunLocks();

}  // namespace zorvqi
