#include "monitor/monitor.h"

#include "base/event_pump.h"
#include "monitor/reminder_sound.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "text/number.h"

namespace zorvqi {

const char* const kMonitorIdleCaption = "监控勾选";
const char* const kMonitorRunningCaption = "停止监控";

std::vector<int> selectPlans(const std::vector<PlanNodeState>& nodes, Selection selection) {
  std::vector<int> ids;
  for (const PlanNodeState& node : nodes) {
    if (selection == Selection::All || node.checked == (selection == Selection::Checked))
      ids.push_back(node.planId);
  }
  return ids;
}

Monitor::Monitor(MonitorView& view, PlanSelection& selection, Dialogs& dialogs, PlanRunner& runner,
                 RoundEndSenders senders, MonitorLimits limits)
    : view_(view),
      selection_(selection),
      dialogs_(dialogs),
      runner_(runner),
      senders_(std::move(senders)),
      limits_(limits) {}

Monitor::~Monitor() {
  // A round being stopped may still start one more worker, so repeat until none is left.
  for (;;) {
    std::vector<Tracked> threads;
    {
      std::lock_guard lock(mutex_);
      threads.swap(threads_);
    }
    if (threads.empty()) return;
    for (Tracked& t : threads) t.flag->cancel();
    for (Tracked& t : threads) t.thread.join();
  }
}

void Monitor::abandonAll() {
  std::lock_guard lock(mutex_);
  abandoned_ = true;
  for (Tracked& t : threads_) t.flag->cancel();
}

std::string Monitor::runCaption() const {
  return running() ? kMonitorRunningCaption : kMonitorIdleCaption;
}

void Monitor::toggleMonitor(const std::string& intervalText) {
  if (running_.exchange(false)) {
    std::lock_guard lock(mutex_);
    if (loopFlag_) loopFlag_->cancel();
    loopFlag_.reset();
    return;
  }
  running_.store(true);
  view_.ensurePopupWindow();
  const int interval = textToInt32(intervalText);
  auto flag = std::make_shared<CancelFlag>();
  {
    std::lock_guard lock(mutex_);
    loopFlag_ = flag;
  }
  startThread(flag, [this, interval] { runRounds(Selection::Checked, interval, true); });
  prepareReminderSound();
}

void Monitor::fetchAllNow() {
  view_.ensurePopupWindow();
  const Selection selection = running() ? Selection::Unchecked : Selection::All;
  startThread(std::make_shared<CancelFlag>(), [this, selection] { runRounds(selection, 0, false); });
}

RoundsEnd Monitor::runRounds(Selection selection, int intervalSeconds, bool repeat) {
  const std::vector<int> planIds = selectPlans(selection_.planNodes(), selection);
  if (planIds.empty()) {
    dialogs_.inform("请至少勾选一个要监控的网站方案");
    return RoundsEnd::Refused;
  }
  RoundsEnd end = RoundsEnd::Stopped;
  do {
    const std::optional<bool> readAny = runRound(planIds);
    if (!readAny) return RoundsEnd::Stopped;
    end = *readAny ? RoundsEnd::SomePlanRead : RoundsEnd::EveryPlanFailed;
    if (repeat) {
      const WaitResult paused =
          pauseFor(std::chrono::milliseconds(static_cast<long long>(intervalSeconds) * 1000));
      if (paused != WaitResult::TimedOut) return RoundsEnd::Stopped;
      view_.setStatus("");
    }
    threadPump().waitUntil(nullptr, SteadyClock::now());
    view_.trimArticles(limits_.articleListLimit);
  } while (repeat);
  return end;
}

std::optional<bool> Monitor::runRound(const std::vector<int>& planIds) {
  view_.ensurePopupWindow();
  roundAccumulators().beginRound();
  bool readAny = false;
  for (int planId : planIds) {
    if (threadWorkAbandoned()) return std::nullopt;
    const std::optional<PlanOutcome> outcome = runWorker(planId);
    if (!outcome) return std::nullopt;
    readAny = readAny || *outcome == PlanOutcome::Read;
  }
  const bool hasNew = roundAccumulators().hasNew();
  view_.appendStatus(std::string("本轮执行完毕！有新文章：") + (hasNew ? "真" : "假"));
  view_.roundEnded();
  if (hasNew) afterRoundWithNews();
  return readAny;
}

std::optional<PlanOutcome> Monitor::runWorker(int planId) {
  auto flag = std::make_shared<CancelFlag>();
  auto done = std::make_shared<std::atomic<bool>>(false);
  auto outcome = std::make_shared<std::atomic<PlanOutcome>>(PlanOutcome::Abandoned);
  startThread(flag, [this, planId, done, outcome] {
    outcome->store(runner_.runPlan(planId));
    done->store(true);
    wakeAllWaits();
  });
  const auto isDone = [&done] { return done->load(); };
  const WaitResult result = threadPump().waitUntil(isDone, SteadyClock::now() + limits_.workerLimit);
  if (result == WaitResult::Satisfied) return outcome->load();
  if (result != WaitResult::TimedOut) return std::nullopt;
  // Cancel first, and let a store under way end, so nothing of the worker lands after the
  // time-out line.
  flag->cancel();
  runner_.awaitAbandonedStores();
  view_.appendStatus(runner_.planName(planId) + "执行超时，强制跳过..");
  const WaitResult stopped = threadPump().waitUntil(isDone, SteadyClock::now() + limits_.abandonGrace);
  if (stopped == WaitResult::TimedOut) view_.appendStatus("强制退出访问不成功!");
  if (stopped != WaitResult::Satisfied && stopped != WaitResult::TimedOut) return std::nullopt;
  return PlanOutcome::Abandoned;
}

void Monitor::afterRoundWithNews() {
  view_.markTopRowAtRoundEnd();
  const auto settings = currentReminderSettings();
  if (settings->popup && !settings->keepPopup) view_.startPopupAutoClear();
  roundEndReminder(view_, senders_);
}

void Monitor::startThread(std::shared_ptr<CancelFlag> flag, std::function<void()> body) {
  auto finished = std::make_shared<std::atomic<bool>>(false);
  // Started and tracked under the lock, so `abandonAll` either sees the thread or has
  // already marked its flag.
  std::lock_guard lock(mutex_);
  if (abandoned_) flag->cancel();
  joinFinishedThreads();
  std::thread thread([flag, finished, body = std::move(body)] {
    ScopedThreadCancelFlag scope(flag.get());
    body();
    finished->store(true);
  });
  threads_.push_back({std::move(thread), std::move(flag), std::move(finished)});
}

void Monitor::joinFinishedThreads() {
  for (auto it = threads_.begin(); it != threads_.end();) {
    if (it->finished->load()) {
      it->thread.join();
      it = threads_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace zorvqi
