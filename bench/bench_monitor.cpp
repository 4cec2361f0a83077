// Monitor speed and memory: whole rounds over the demo forum, as the headless program runs
// them (real plans loaded from a real zorv.db, real loopback fetches, real inserts).
// - One round over 50 plans whose ~200 KB list pages hold 10 new articles each, then rounds
//   with none new. The time reported is the round's wall time minus the 50 ms pause the
//   worker takes after each stored article; the CPU time is that of the worker threads, per
//   plan (the demo site serves from the same process, so process CPU would count it too).
// - A soak of 2,000 continuous rounds (interval 0) over 5 plans, with a new article every
//   25 rounds: memory after 100 rounds of warm-up and at the end.
// - The steady round (steady_pages.h): 50 plans whose GBK list pages hold 1,000 articles
//   each, all stored, once in look-up mode and once in compare-id mode, the two rounds taken
//   in turn so that both meet the same load of the machine.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/cancel_flag.h"
#include "base/dialogs.h"
#include "base/program_dir.h"
#include "demo_site.h"
#include "monitor/monitor.h"
#include "monitor/store_plan_runner.h"
#include "monitor/tree_plan_selection.h"
#include "notify/reminder_settings.h"
#include "steady_pages.h"
#include "steady_site.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "store/settings_file.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;

constexpr double kPacingSeconds = 0.050;      // the worker's pause after each stored article
constexpr int kListed = 50;                   // articles on a list page, as a site's first page
constexpr std::size_t kPadding = 195 * 1024;  // page furniture: the page weighs ~200 KB

class BenchDir {
 public:
  BenchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvqi-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~BenchDir() { std::filesystem::remove_all(path_); }
  BenchDir(const BenchDir&) = delete;
  BenchDir& operator=(const BenchDir&) = delete;
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// The calling thread's CPU time so far, in seconds, user and kernel together. The thread's
// CPU clock, not getrusage(RUSAGE_THREAD): on this machine the latter counts a short-lived
// thread's time in scheduler ticks and gave a quarter of it.
double threadCpu() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double residentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  statm >> size >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double heapInUseMegabytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string shippedSchema() {
  std::ifstream in(std::string(ZORVQI_SOURCE_DIR) + "/data/zorv.sql");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string quoted(const std::string& gbk) {
  std::string out = "'";
  for (char c : gbk) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

// The demo plans: odd ids compare ids on the GBK forum list, even ids look addresses up on the
// UTF-8 news list (each with addresses of its own, so plans never see each other's articles).
// Everything listed now counts as seen, so a round finds exactly what is published later.
std::string planRows(const std::string& base, int plans, long long newestId) {
  std::string sql = "BEGIN;";
  for (int id = 1; id <= plans; ++id) {
    const bool compareId = id % 2 == 1;
    const std::string number = std::to_string(id);
    sql +=
        "INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, before, after, tindex, "
        "uindex, oindex, isdo, lastid, type) VALUES (" +
        number + ", 1, " + (compareId ? "'1'" : "'0'") + ", " + quoted("演示方案" + number) + ", " +
        quoted(base + (compareId ? "/forum/list.php" : "/news/list.html")) + ", " +
        quoted("User-Agent: Mozilla/5.0 (X11; Linux x86_64) zorvqi-demo") + ", " +
        quoted(base + (compareId ? "[1]" : "[1]&plan=" + number)) + ", " +
        quoted(compareId ? "<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>"
                         : "<li><a href=\"(.*?)\">(.*?)</a><span>\\d*</span></li>") +
        ", '<ul id=\"list\">', '</ul>', 2, " + (compareId ? "3" : "0") + ", " +
        quoted(compareId ? "编号 [3]" : "") + ", 1, '" + std::to_string(compareId ? newestId : 0) + "', " +
        (compareId ? "8" : "5") + ");";
    if (compareId) continue;
    for (long long article = newestId - kListed + 1; article <= newestId; ++article) {
      sql += "INSERT INTO info (planname, planid, title, url, other, addtime, issoucang) VALUES (" +
             quoted("演示方案" + number) + ", " + number + ", 'seen', " +
             quoted(base + "/thread.php?tid=" + std::to_string(article) + "&plan=" + number) +
             ", '', '5/3 9:07', '0');";
    }
  }
  return sql + "COMMIT;";
}

void createStore(const std::string& path, const std::string& sqlGbk) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  const std::string sql = shippedSchema() + gbkToUtf8(sqlGbk);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (result != SQLITE_OK) throw std::runtime_error("fixture store: " + message);
}

// The screen as the desktop keeps it: the article list (trimmed by the rounds) and the status
// box; it counts rounds and stored rows. Calls of a cancelled worker are dropped, as the real
// views drop them.
class BenchView : public MonitorView {
 public:
  std::function<void(int round)> onRoundEnd;

  void setStatus(const std::string& text) override {
    std::lock_guard lock(mutex_);
    if (dropped()) return;
    status_ = text;
  }
  void appendRawStatus(const std::string& text) override {
    int round = 0;
    {
      std::lock_guard lock(mutex_);
      if (dropped()) return;
      status_ += text;
      if (text.find("本轮执行完毕") == std::string::npos) return;
      round = ++rounds_;
    }
    if (onRoundEnd) onRoundEnd(round);
  }
  void insertArticleAtTop(const ArticleRow& row) override {
    std::lock_guard lock(mutex_);
    if (dropped()) return;
    rows_.insert(rows_.begin(), row);
    ++inserted_;
  }
  void appendArticle(const ArticleRow& row) override {
    std::lock_guard lock(mutex_);
    rows_.push_back(row);
  }
  void clearArticles() override {
    std::lock_guard lock(mutex_);
    rows_.clear();
  }
  void trimArticles(int keep) override {
    std::lock_guard lock(mutex_);
    if (static_cast<int>(rows_.size()) > keep) rows_.resize(static_cast<std::size_t>(keep));
  }
  void markTopRowAtRoundEnd() override {
    std::lock_guard lock(mutex_);
    if (!rows_.empty()) rows_.front().cells[4] = roundEndTimeCell(rows_.front().cells[4]);
  }
  void ensurePopupWindow() override {}
  void addPopupRow(const std::string&, const std::string&, bool) override {}
  void startPopupAutoClear() override {}
  void showNewArticleTray() override {}
  void playReminderSound() override {}

  // The stored rows since the last call; the status box is emptied as well.
  int takeInserted() {
    std::lock_guard lock(mutex_);
    status_.clear();
    return std::exchange(inserted_, 0);
  }

 private:
  static bool dropped() {
    const CancelFlag* flag = threadCancelFlag();
    return flag && flag->isCancelled();
  }

  std::mutex mutex_;
  std::string status_;
  std::vector<ArticleRow> rows_;
  int rounds_ = 0;
  int inserted_ = 0;
};

// The plan worker, timed by the CPU clock of the thread it runs on.
class TimedRunner : public PlanRunner {
 public:
  TimedRunner(Database& database, MonitorView& view) : inner_(database, view) {}
  PlanOutcome runPlan(int planId) override {
    const double start = threadCpu();
    const PlanOutcome outcome = inner_.runPlan(planId);
    const double end = threadCpu();
    std::lock_guard lock(mutex_);
    used_ += end - start;
    ++plans_;
    return outcome;
  }
  std::string planName(int planId) override { return inner_.planName(planId); }

  // CPU time per plan since the last call.
  double takeCpuPerPlan() {
    std::lock_guard lock(mutex_);
    const double plans = plans_ > 0 ? plans_ : 1;
    const double perPlan = used_ / plans;
    used_ = 0;
    plans_ = 0;
    return perPlan;
  }

 private:
  StorePlanRunner inner_;
  std::mutex mutex_;
  double used_ = 0;
  int plans_ = 0;
};

// A demo site, a zorv.db with `plans` demo plans for it, and the monitor over them.
class MonitorFixture {
 public:
  explicit MonitorFixture(int plans)
      : site_(demo::DemoSiteOptions{.initialArticles = kListed, .listLimit = kListed, .padding = kPadding}) {
    if (!site_.start()) throw std::runtime_error("demo site did not start");
    setProgramDir(dir_.path());
    const SettingsFile settings(dir_.file("zorvqi.ini"));
    settings.write(kConfigSection, "类别", "<演示>");
    createStore(dir_.file("zorv.db"), planRows(site_.baseUrl(), plans, site_.newestId()));
    if (!database_.openStore(dir_.file("zorv.db"))) throw std::runtime_error("cannot open fixture store");
    PlanLoad load = loadPlans(database_, settings, dialogs_);
    if (load.status != PlanLoadStatus::Loaded) throw std::runtime_error("plans did not load");
    replacePlanTable(load.table);
    selection_ = std::make_unique<TreePlanSelection>(std::move(load.tree));
    ReminderSettings reminders;
    reminders.popup = true;
    reminders.sound = true;
    reminders.computerCondition = 1;
    publishReminderSettings(reminders);
    monitor_ = std::make_unique<Monitor>(view_, *selection_, dialogs_, runner_, nullptr);
  }

  demo::DemoSite& site() { return site_; }
  BenchView& view() { return view_; }
  TimedRunner& runner() { return runner_; }
  Monitor& monitor() { return *monitor_; }

 private:
  demo::DemoSite site_;
  BenchDir dir_;
  Database database_;
  RecordingDialogs dialogs_;
  BenchView view_;
  TimedRunner runner_{database_, view_};
  std::unique_ptr<TreePlanSelection> selection_;
  std::unique_ptr<Monitor> monitor_;
};

MonitorFixture& fiftyPlans() {
  static MonitorFixture fixture(50);
  static const bool warmed = [] {
    // The first round after a load fills the look-up plans' address caches.
    fixture.monitor().runRounds(Selection::Checked, 0, false);
    fixture.view().takeInserted();
    fixture.runner().takeCpuPerPlan();
    return true;
  }();
  (void)warmed;
  return fixture;
}

void runTimedRound(benchmark::State& state, MonitorFixture& fixture, int newPerPlan) {
  double wall = 0;
  double paced = 0;
  double cpuPerPlan = 0;
  int stored = 0;
  for (auto _ : state) {
    if (newPerPlan > 0) fixture.site().publish(newPerPlan);
    const auto start = std::chrono::steady_clock::now();
    fixture.monitor().runRounds(Selection::Checked, 0, false);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int insertedNow = fixture.view().takeInserted();
    const double pacing = insertedNow * kPacingSeconds;
    state.SetIterationTime(seconds - pacing);
    wall += seconds;
    paced += pacing;
    stored += insertedNow;
    cpuPerPlan += fixture.runner().takeCpuPerPlan();
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["wall_s"] = wall / iterations;
  state.counters["pacing_s"] = paced / iterations;
  state.counters["stored"] = stored / iterations;
  state.counters["cpu_ms_per_plan"] = cpuPerPlan / iterations * 1000.0;
  state.counters["peak_rss_MB"] = peakResidentMegabytes();
}

void BM_RoundTenNewPerPlan(benchmark::State& state) {
  runTimedRound(state, fiftyPlans(), 10);
}
BENCHMARK(BM_RoundTenNewPerPlan)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RoundNoneNew(benchmark::State& state) {
  runTimedRound(state, fiftyPlans(), 0);
}
BENCHMARK(BM_RoundNoneNew)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// The steady plans of one mode on their own zorv.db. The runner runs on the programs' plan
// table, so `install` puts this fixture's table there before its rounds.
class SteadyFixture {
 public:
  SteadyFixture(const bench::SteadySite& site, bench::SteadyMode mode) {
    bench::writeSteadyDirectory(dir_.path(), site.baseUrl(), mode,
                                std::string(ZORVQI_SOURCE_DIR) + "/data/zorv.sql");
    if (!database_.openStore(dir_.file("zorv.db"))) throw std::runtime_error("cannot open the steady store");
    PlanLoad load = loadPlans(database_, SettingsFile(dir_.file("zorvqi.ini")), dialogs_);
    if (load.status != PlanLoadStatus::Loaded) throw std::runtime_error("steady plans did not load");
    table_ = load.table;
    selection_ = std::make_unique<TreePlanSelection>(std::move(load.tree));
    monitor_ = std::make_unique<Monitor>(view_, *selection_, dialogs_, runner_, nullptr);
  }

  // One round; its wall time and the CPU time of its worker threads, in milliseconds.
  std::pair<double, double> round() {
    replacePlanTable(table_);
    const auto start = std::chrono::steady_clock::now();
    monitor_->runRounds(Selection::Checked, 0, false);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double perPlan = runner_.takeCpuPerPlan();
    if (view_.takeInserted() != 0) throw std::runtime_error("the steady round found new articles");
    return {wall, perPlan * bench::kSteadyPlans * 1000.0};
  }

 private:
  BenchDir dir_;
  Database database_;
  RecordingDialogs dialogs_;
  BenchView view_;
  TimedRunner runner_{database_, view_};
  PlanTablePtr table_;
  std::unique_ptr<TreePlanSelection> selection_;
  std::unique_ptr<Monitor> monitor_;
};

void BM_SteadyRoundLookUpBesideCompareId(benchmark::State& state) {
  bench::SteadySite site;
  if (!site.start()) {
    state.SkipWithError("the steady site did not start");
    return;
  }
  SteadyFixture lookUp(site, bench::SteadyMode::LookUp);
  SteadyFixture compareId(site, bench::SteadyMode::CompareId);
  lookUp.round();  // the first round after a load fills the address caches
  compareId.round();
  double lookUpWall = 0, lookUpCpu = 0, compareWall = 0, compareCpu = 0;
  for (auto _ : state) {
    const auto [wallA, cpuA] = lookUp.round();
    const auto [wallB, cpuB] = compareId.round();
    lookUpWall += wallA;
    lookUpCpu += cpuA;
    compareWall += wallB;
    compareCpu += cpuB;
    state.SetIterationTime((wallA + wallB) / 1000.0);
  }
  const double rounds = static_cast<double>(state.iterations());
  state.counters["lookup_cpu_ms"] = lookUpCpu / rounds;
  state.counters["compareid_cpu_ms"] = compareCpu / rounds;
  state.counters["cpu_ratio"] = lookUpCpu / compareCpu;
  state.counters["lookup_wall_ms"] = lookUpWall / rounds;
  state.counters["compareid_wall_ms"] = compareWall / rounds;
}
BENCHMARK(BM_SteadyRoundLookUpBesideCompareId)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the soak records from the round thread: memory at the round ends it samples (the
// warm-up's end first, the last round last).
struct SoakProbe {
  static constexpr int kSampledRounds[] = {100, 500, 1000, 1500, 2000};
  static constexpr int kPublishEvery = 25;
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  double rss[std::size(kSampledRounds)] = {};
  double heap[std::size(kSampledRounds)] = {};

  void atRoundEnd(int round) {
    std::lock_guard lock(mutex);
    for (std::size_t i = 0; i < std::size(kSampledRounds); ++i) {
      if (round != kSampledRounds[i]) continue;
      rss[i] = residentMegabytes();
      heap[i] = heapInUseMegabytes();
      if (i + 1 == std::size(kSampledRounds)) {
        finished = true;
        done.notify_all();
      }
    }
  }
};

void BM_Soak(benchmark::State& state) {
  SoakProbe probe;  // outlives the fixture: the round thread reports to it until it is joined
  MonitorFixture fixture(5);
  fixture.view().onRoundEnd = [&](int round) {
    if (round % SoakProbe::kPublishEvery == 0) fixture.site().publish(1);
    probe.atRoundEnd(round);
  };
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    fixture.monitor().toggleMonitor("0");
    {
      std::unique_lock lock(probe.mutex);
      if (!probe.done.wait_for(lock, 5min, [&] { return probe.finished; }))
        state.SkipWithError("the soak did not finish within its bound");
    }
    fixture.monitor().toggleMonitor("0");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::lock_guard lock(probe.mutex);
  const std::size_t last = std::size(SoakProbe::kSampledRounds) - 1;
  for (std::size_t i = 0; i <= last; ++i) {
    const std::string round = std::to_string(SoakProbe::kSampledRounds[i]);
    state.counters["rss_" + round + "_MB"] = probe.rss[i];
    state.counters["heap_" + round + "_MB"] = probe.heap[i];
  }
  state.counters["rss_growth_MB"] = probe.rss[last] - probe.rss[0];
  state.counters["heap_growth_MB"] = probe.heap[last] - probe.heap[0];
  state.counters["stored"] = fixture.view().takeInserted();
}
BENCHMARK(BM_Soak)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace zorvqi

BENCHMARK_MAIN();
