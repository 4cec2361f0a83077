// The plan worker: one plan in one round.
//
// Contract: `runPlanWorker` fetches the plan's list page, cuts and matches it, walks the
// matches from the last to the first, decides for each whether it is new (compare-id mode:
// its id is above the plan's last id; look-up mode: its address is neither in the plan's
// address cache, by substring, nor among the stored articles), applies the keyword rules of
// the reminder settings in force, stores and shows each new article, collects it for the
// round's reminders, records the plan's latest article in `rule`, and keeps the address cache
// and its counter. It writes its progress lines to the view's status box exactly as the user
// knows them. It runs on the calling thread and returns when done.
// - Two runs of one plan never overlap: a run waits for the plan's run lock first.
// - Once the calling thread's cancel flag is set (the round abandoned it), it stores, lists
//   and shows nothing more, and returns at its next step.
// - A field number that names no group gives the empty text.
// Thread safety: runs on any thread; it changes only the runtime fields of its own record.
#pragma once

#include <memory>

namespace zorvqi {

class Database;
class MonitorView;
struct Plan;

void runPlanWorker(const std::shared_ptr<Plan>& plan, Database& database, MonitorView& view);

}  // namespace zorvqi
