// The monitor: continuous rounds over the checked plans, and one-shot rounds beside them.
//
// Contract:
// - `toggleMonitor` starts the round loop over the checked plans (caption "停止监控") on a
//   thread of its own, or stops it (caption "监控勾选"). Stopping ends the loop at once: its
//   pause or its wait for a worker is abandoned, no further plan starts and no round-end line
//   is written; the worker running at that moment is not cancelled and finishes its plan.
// - `fetchAllNow` runs one round on a thread of its own: over every plan while the monitor is
//   stopped, over the unchecked plans while it runs. Any number may run at once.
// - `runRounds` is the loop itself, on the calling thread (the headless program calls it).
//   Each plan runs on a new thread, waited for at most `workerLimit`; a worker past it is
//   abandoned (its cancel flag is set, so it changes nothing more, and a store it was making
//   ends before the time-out line is written). It says how it ended: refused (no plan
//   selected), stopped, or how the last round went: every plan failed (none was read) or
//   at least one was read.
// - The round's status lines, the top-row mark, the popup auto-clear, the round-end reminder,
//   the emptied status box after the pause and the trim of the article list go through the
//   `MonitorView`; the "请至少勾选一个要监控的网站方案" refusal through `Dialogs`.
// - The destructor stops every round, cancels every worker and joins every thread it started.
// Thread safety: `toggleMonitor`, `fetchAllNow`, `running` and `runCaption` may be called from
// any thread (the desktop calls them on the UI thread; none of them blocks on a round).
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/cancel_flag.h"
#include "base/dialogs.h"
#include "monitor/monitor_view.h"
#include "monitor/plan_outcome.h"
#include "monitor/plan_selection.h"
#include "monitor/round_end_reminder.h"

namespace zorvqi {

// What a round runs for each plan: the plan worker. `awaitAbandonedStores` returns once a
// store that an abandoned worker was making has ended.
class PlanRunner {
 public:
  virtual ~PlanRunner() = default;
  virtual PlanOutcome runPlan(int planId) = 0;
  virtual std::string planName(int planId) = 0;
  virtual void awaitAbandonedStores() {}
};

enum class RoundsEnd { Refused, Stopped, EveryPlanFailed, SomePlanRead };

struct MonitorLimits {
  std::chrono::milliseconds workerLimit{120000};
  std::chrono::milliseconds abandonGrace{3000};  // how long an abandoned worker may take to stop
  int articleListLimit = 280;
};

extern const char* const kMonitorIdleCaption;     // "监控勾选"
extern const char* const kMonitorRunningCaption;  // "停止监控"

class Monitor {
 public:
  Monitor(MonitorView& view, PlanSelection& selection, Dialogs& dialogs, PlanRunner& runner,
          RoundEndSenders senders, MonitorLimits limits = {});
  ~Monitor();
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  bool running() const { return running_.load(); }
  std::string runCaption() const;

  void toggleMonitor(const std::string& intervalText);
  void fetchAllNow();

  // Cancels every round and worker this monitor started, and every one it starts from now on
  // (the headless program's stop: a round that was about to start a plan starts it abandoned).
  void abandonAll();

  // One loop; with `repeat` it pauses `intervalSeconds` and goes on until the calling thread's
  // cancel flag is set or the program stops.
  RoundsEnd runRounds(Selection selection, int intervalSeconds, bool repeat);

 private:
  struct Tracked {
    std::thread thread;
    std::shared_ptr<CancelFlag> flag;
    std::shared_ptr<std::atomic<bool>> finished;
  };

  // Nothing when the round was stopped; else whether a plan was read.
  std::optional<bool> runRound(const std::vector<int>& planIds);
  // Nothing when the round was stopped meanwhile.
  std::optional<PlanOutcome> runWorker(int planId);
  void afterRoundWithNews();
  void startThread(std::shared_ptr<CancelFlag> flag, std::function<void()> body);
  void joinFinishedThreads();

  MonitorView& view_;
  PlanSelection& selection_;
  Dialogs& dialogs_;
  PlanRunner& runner_;
  RoundEndSenders senders_;
  MonitorLimits limits_;

  std::atomic<bool> running_{false};
  std::mutex mutex_;
  std::shared_ptr<CancelFlag> loopFlag_;
  std::vector<Tracked> threads_;
  bool abandoned_ = false;
};

}  // namespace zorvqi
