#include "monitor/monitor.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <map>
#include <mutex>
#include <set>

#include "base/event_pump.h"
#include "base/program_dir.h"
#include "monitor/recording_view.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::RecordingView;

class FixedSelection : public PlanSelection {
 public:
  explicit FixedSelection(std::vector<PlanNodeState> nodes) : nodes_(std::move(nodes)) {}
  std::vector<PlanNodeState> planNodes() override { return nodes_; }

 private:
  std::vector<PlanNodeState> nodes_;
};

// A stand-in worker: plans listed in `storing` store that many articles; plans in `hanging`
// never end until they are cancelled; plans in `failing` end with that outcome, the others
// are read.
class ScriptedRunner : public PlanRunner {
 public:
  PlanOutcome runPlan(int planId) override {
    ++runs[planId];
    if (threadCancelFlag()->isCancelled()) ++ranAbandoned;
    {
      std::lock_guard lock(mutex);
      ranOrder.push_back(planId);
    }
    if (hanging.count(planId)) {
      pauseFor(600s);
      lateWrites += threadCancelFlag()->isCancelled() ? 0 : 1;
      return PlanOutcome::Abandoned;
    }
    const int stores = storing.count(planId) ? storing.at(planId) : 0;
    for (int i = 0; i < stores; ++i) roundAccumulators().recordStored("t", "u", {});
    return failing.count(planId) ? failing.at(planId) : PlanOutcome::Read;
  }
  std::string planName(int planId) override { return "方案" + std::to_string(planId); }
  // Records whether the time-out line was already there when the round waited for stores.
  void awaitAbandonedStores() override {
    awaitedBeforeTheLine = view && view->status().find("执行超时") == std::string::npos;
  }

  std::vector<int> ran() {
    std::lock_guard lock(mutex);
    return ranOrder;
  }

  std::map<int, int> storing;  // set before the monitor starts
  std::set<int> hanging;
  std::map<int, PlanOutcome> failing;
  const RecordingView* view = nullptr;
  bool awaitedBeforeTheLine = false;
  std::array<std::atomic<int>, 10> runs{};
  std::atomic<int> lateWrites{0};
  std::atomic<int> ranAbandoned{0};

 private:
  std::mutex mutex;
  std::vector<int> ranOrder;
};

bool statusHas(const RecordingView& view, const std::string& text) {
  return view.status().find(text) != std::string::npos;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
  return threadPump().waitUntil(condition, SteadyClock::now() + limit) == WaitResult::Satisfied;
}

class MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    roundAccumulators().takeAndReset();
    publishReminderSettings({});
    setProgramDir(dir.path().string());
  }
  void TearDown() override { setProgramDir(executableDir()); }

  zorvqi::testing::TempDir dir;
  RecordingView view;
  RecordingDialogs dialogs;
  ScriptedRunner runner;
};

TEST_F(MonitorTest, SelectsPlansByCheckStateInTreeOrder) {
  const std::vector<PlanNodeState> nodes{{7, true}, {2, false}, {5, true}};
  EXPECT_EQ(selectPlans(nodes, Selection::Checked), (std::vector<int>{7, 5}));
  EXPECT_EQ(selectPlans(nodes, Selection::Unchecked), (std::vector<int>{2}));
  EXPECT_EQ(selectPlans(nodes, Selection::All), (std::vector<int>{7, 2, 5}));
}

TEST_F(MonitorTest, RoundWithNewArticlesReportsTrueAndReminds) {
  ReminderSettings settings;
  settings.popup = true;
  settings.sound = true;
  settings.computerCondition = 1;
  publishReminderSettings(settings);
  FixedSelection selection({{1, true}, {2, true}});
  runner.storing[2] = 3;
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.runRounds(Selection::Checked, 0, false);

  EXPECT_EQ(runner.ran(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(statusHas(view, "本轮执行完毕！有新文章：真"));
  EXPECT_EQ(view.count("mark-top"), 1);
  EXPECT_EQ(view.count("popup-autoclear"), 1);
  EXPECT_EQ(view.count("tray-new"), 1);
  EXPECT_EQ(view.count("sound"), 1);
  EXPECT_TRUE(statusHas(view, "发现有新文章！"));
  EXPECT_TRUE(reminderPending());
  EXPECT_EQ(roundAccumulators().peek().storedCount, 0);  // reset by the reminder
  EXPECT_EQ(view.count("trim:280"), 1);
  resetReminderPending();
}

TEST_F(MonitorTest, RoundWithoutNewsReportsFalseAndRemindsNothing) {
  FixedSelection selection({{1, true}});
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.runRounds(Selection::Checked, 0, false);
  EXPECT_TRUE(statusHas(view, "本轮执行完毕！有新文章：假"));
  EXPECT_EQ(view.count("tray-new"), 0);
  EXPECT_EQ(view.count("mark-top"), 0);
  EXPECT_FALSE(reminderPending());
}

TEST_F(MonitorTest, KeepPopupStartsNoAutoClear) {
  ReminderSettings settings;
  settings.popup = true;
  settings.keepPopup = true;
  publishReminderSettings(settings);
  FixedSelection selection({{1, true}});
  runner.storing[1] = 1;
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.runRounds(Selection::Checked, 0, false);
  EXPECT_EQ(view.count("popup-autoclear"), 0);
  EXPECT_EQ(view.count("tray-new"), 1);
  resetReminderPending();
}

TEST_F(MonitorTest, NothingSelectedIsRefused) {
  FixedSelection selection({{1, false}});
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  EXPECT_EQ(monitor.runRounds(Selection::Checked, 0, false), RoundsEnd::Refused);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "请至少勾选一个要监控的网站方案");
  EXPECT_TRUE(runner.ran().empty());
}

// A round fails only when none of its plans was read; a plan past its time limit failed.
TEST_F(MonitorTest, ARoundSaysWhetherAnyOfItsPlansWasRead) {
  const struct {
    std::map<int, PlanOutcome> failing;
    bool firstHangs;
    RoundsEnd end;
  } cases[] = {
      {{}, false, RoundsEnd::SomePlanRead},
      {{{1, PlanOutcome::NothingFetched}}, false, RoundsEnd::SomePlanRead},
      {{{1, PlanOutcome::NoRegion}, {2, PlanOutcome::NoMatch}}, false, RoundsEnd::EveryPlanFailed},
      {{{2, PlanOutcome::NothingFetched}}, true, RoundsEnd::EveryPlanFailed},
      {{}, true, RoundsEnd::SomePlanRead},
  };
  for (const auto& c : cases) {
    ScriptedRunner scripted;
    scripted.failing = c.failing;
    if (c.firstHangs) scripted.hanging = {1};
    FixedSelection selection({{1, true}, {2, true}});
    MonitorLimits limits;
    limits.workerLimit = 100ms;
    Monitor monitor(view, selection, dialogs, scripted, nullptr, limits);
    EXPECT_EQ(monitor.runRounds(Selection::Checked, 0, false), c.end);
  }
}

TEST_F(MonitorTest, HangingPlanIsSkippedAfterTheLimitAndTheNextStillRuns) {
  FixedSelection selection({{1, true}, {2, true}});
  runner.hanging = {1};
  runner.storing[2] = 1;
  MonitorLimits limits;
  limits.workerLimit = 200ms;
  runner.view = &view;
  Monitor monitor(view, selection, dialogs, runner, nullptr, limits);
  monitor.runRounds(Selection::Checked, 0, false);
  EXPECT_TRUE(statusHas(view, "方案1执行超时，强制跳过.."));
  EXPECT_TRUE(runner.awaitedBeforeTheLine);  // a store under way ends before the line
  EXPECT_FALSE(statusHas(view, "强制退出访问不成功!"));
  EXPECT_EQ(runner.runs[2].load(), 1);
  EXPECT_TRUE(statusHas(view, "本轮执行完毕！有新文章：真"));
  EXPECT_EQ(runner.lateWrites.load(), 0);
  resetReminderPending();
}

// The headless stop can come while a round is about to start its next plan: that plan's
// worker must start abandoned and change nothing.
TEST_F(MonitorTest, AWorkerStartedAfterAbandonAllIsAbandonedFromTheStart) {
  FixedSelection selection({{1, true}});
  runner.storing[1] = 2;
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.abandonAll();
  monitor.runRounds(Selection::Checked, 0, false);
  EXPECT_EQ(runner.ranAbandoned.load(), runner.runs[1].load());
  EXPECT_EQ(roundAccumulators().peek().storedCount, 0);
  EXPECT_FALSE(statusHas(view, "本轮执行完毕！有新文章：真"));
}

TEST_F(MonitorTest, ContinuousRoundsWithIntervalZeroFollowEachOther) {
  FixedSelection selection({{1, true}});
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.toggleMonitor("");
  EXPECT_EQ(monitor.runCaption(), "停止监控");
  ASSERT_TRUE(waitFor([&] { return runner.runs[1].load() >= 3; }));
  monitor.toggleMonitor("");
  EXPECT_EQ(monitor.runCaption(), "监控勾选");
  EXPECT_GE(view.count("set:"), 2);  // the status box is emptied after every pause
}

TEST_F(MonitorTest, StoppingDuringThePauseEndsTheLoopAtOnce) {
  FixedSelection selection({{1, true}});
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.toggleMonitor("3600");
  ASSERT_TRUE(waitFor([&] { return statusHas(view, "本轮执行完毕！"); }));
  monitor.toggleMonitor("");
  const auto stoppedAt = SteadyClock::now();
  // the pause is abandoned: no emptied status box, no further round
  pauseFor(100ms);
  EXPECT_EQ(view.count("set:"), 0);
  EXPECT_EQ(runner.runs[1].load(), 1);
  EXPECT_LT(SteadyClock::now() - stoppedAt, 5s);
}

TEST_F(MonitorTest, FetchAllTakesUncheckedPlansWhileTheMonitorRuns) {
  FixedSelection selection({{1, true}, {2, false}});
  Monitor monitor(view, selection, dialogs, runner, nullptr);
  monitor.fetchAllNow();
  ASSERT_TRUE(waitFor([&] { return runner.runs[1].load() == 1 && runner.runs[2].load() == 1; }));
  monitor.toggleMonitor("3600");
  ASSERT_TRUE(waitFor([&] { return runner.runs[1].load() == 2; }));
  monitor.fetchAllNow();
  ASSERT_TRUE(waitFor([&] { return runner.runs[2].load() == 2; }));
  EXPECT_EQ(runner.runs[1].load(), 2);
  monitor.toggleMonitor("");
}

TEST(RoundEndTimeCell, KeepsTheLastFiveCharacters) {
  EXPECT_EQ(roundEndTimeCell("12/25 10:07"), "10:07");
  EXPECT_EQ(roundEndTimeCell("5/3 9:07"), " 9:07");
  EXPECT_EQ(roundEndTimeCell("9:07"), "9:07");
}

}  // namespace
}  // namespace zorvqi
