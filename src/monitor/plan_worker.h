// The plan worker: one plan in one round.
//
// Contract: `runPlanWorker` fetches the plan's list page, cuts and matches it, walks the
// matches from the last to the first, decides for each whether it is new (compare-id mode:
// its id is above the plan's last id; look-up mode: its address is neither in the plan's
// address cache, as a whole address, nor among the stored articles), applies the keyword
// rules of the reminder settings in force to the new ones (their titles are decoded then, not
// before), stores and shows each new article, collects it for the round's reminders, records
// the plan's latest article in `rule`, and keeps the address cache and its counter. It writes
// its progress lines to the view's status box exactly as the user knows them, and returns
// how the run ended. It runs on the calling thread and returns when done.
// - Two runs of one plan never overlap: a run first waits for the plan id's lock in
//   `runLocks`, whatever table its record came from, and then starts from the larger of its
//   record's last id and the `lastid` stored in the plan's row.
// - In compare-id mode every article is stored together with the last id the run can vouch
//   for so far (monitor/safe_last_id.h), in memory and in `lastid`, so a run cut short (its
//   monitor stopped, its time limit passed, the program ended) neither stores an article
//   twice nor skips one next time. `arttile`, `arturl` and `lasttime` wait for a finished run.
// - Once the calling thread's cancel flag is set (the round abandoned it), it stores, lists
//   and shows nothing more, and returns at its next step.
// - A field number that names no group gives the empty text.
// Thread safety: runs on any thread; it changes only the runtime fields of its own record.
#pragma once

#include <memory>

#include "monitor/plan_outcome.h"

namespace zorvqi {

class Database;
class MonitorView;
class PlanRunLocks;
struct Plan;

PlanOutcome runPlanWorker(const std::shared_ptr<Plan>& plan, PlanRunLocks& runLocks, Database& database,
                          MonitorView& view);

}  // namespace zorvqi
