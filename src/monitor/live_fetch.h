// The live fetch of one plan: its list page fetched now and every match shown in the article
// list, without deciding what is new and without storing anything.
//
// Contract:
// - `runLiveFetch` runs on the calling thread. It raw-appends "\r\n正在 采集源码", fetches the
//   plan's request with both markers left empty (no start-marker check), raw-appends
//   "、取有效源码", cuts the region when both markers are set and the start marker is not
//   "NULL", and on an empty source or region raw-appends the live fetch's refusal and ends.
//   Otherwise it raw-appends "、匹配文章" and " 取到 " + n + " 篇文章" and appends one live
//   row per match in page order: cell 0 "-1" (no stored id), cell 1 the plan name, cell 2
//   title + "  " + extra info (both decoded with the plan's mode), cell 3 the address, cell 4
//   one short time text for the whole fetch. It reads only the plan's configured fields,
//   never its runtime ones (a round may be changing them), takes no run lock, stores nothing,
//   and stops at its next step once the calling thread's work is abandoned.
// - `LiveFetches` runs each fetch on a thread of its own under the thread's cancel flag and
//   waits for it through the calling thread's pump (base/event_pump.h) for at most `limit`.
//   Past it the run is cancelled, so it changes nothing more (TimedOut), and
//   `awaitAbandoned` then gives the last run `abandonGrace` to end (Ended or NotStopped).
//   A wait that ends because the program is stopping gives Interrupted (the run is
//   cancelled). The destructor cancels every run still going and waits for every thread
//   through the pump.
// Thread safety: `runLiveFetch` on any thread; a `LiveFetches` from one thread, one run at a
// time (the caller refuses a second one while a first is waited for).
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "base/cancel_flag.h"

namespace zorvqi {

class MonitorView;
struct Plan;

extern const char* const kLiveRowId;  // "-1"

void runLiveFetch(const Plan& plan, MonitorView& view);

struct LiveFetchLimits {
  std::chrono::milliseconds limit{60000};
  std::chrono::milliseconds abandonGrace{3000};
};

enum class LiveFetchEnd {
  Ended,        // the run ended (within the limit, or within the grace after it)
  TimedOut,     // past the limit; the run is cancelled
  NotStopped,   // the cancelled run did not end within the grace (it changes nothing)
  Interrupted,  // the wait ended early: the program is stopping
};

class LiveFetches {
 public:
  explicit LiveFetches(LiveFetchLimits limits = {}) : limits_(limits) {}
  ~LiveFetches();
  LiveFetches(const LiveFetches&) = delete;
  LiveFetches& operator=(const LiveFetches&) = delete;

  LiveFetchEnd run(std::shared_ptr<const Plan> plan, MonitorView& view);
  LiveFetchEnd awaitAbandoned();

 private:
  struct Run {
    std::thread thread;
    CancelFlagPtr flag;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void joinEndedRuns();

  LiveFetchLimits limits_;
  std::vector<Run> runs_;
};

}  // namespace zorvqi
