#include "monitor/plan_worker.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <unordered_set>
#include <vector>

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "extract/caller_steps.h"
#include "extract/compose_field.h"
#include "extract/find_matches.h"
#include "fetch/fetch_page.h"
#include "monitor/monitor_view.h"
#include "monitor/plan_request.h"
#include "monitor/safe_last_id.h"
#include "notify/keyword_rules.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/article_store.h"
#include "store/database.h"
#include "store/plan.h"
#include "store/plan_table.h"
#include "text/now_text.h"
#include "text/number.h"

namespace zorvqi {
namespace {

constexpr int kCompareIdMode = 8;
constexpr int kCacheReplaceEvery = 20;
constexpr std::chrono::milliseconds kStorePacing{50};

PlanOutcome outcomeOf(RegionStatus status) {
  return status == RegionStatus::EmptyRegion ? PlanOutcome::NoRegion : PlanOutcome::NothingFetched;
}

// The state of one run, besides the plan's own record.
class WorkerRun {
 public:
  WorkerRun(Plan& plan, Database& database, MonitorView& view, std::vector<std::int64_t> storedAbove)
      : plan_(plan),
        database_(database),
        view_(view),
        articleRule_{plan.titleField,   plan.idField,  plan.urlTemplate, plan.urlRefs,
                     plan.infoTemplate, plan.infoRefs, plan.decodeMode},
        startLastId_(plan.lastId),
        roundMax_(plan.lastId),
        storedAbove_(storedAbove.begin(), storedAbove.end()) {}

  PlanOutcome run() {
    const std::string id = decimalText(plan_.id);
    view_.appendRawStatus("\r\n开始提取 方案" + id + " 的新文章 ---- " + nowText(TimeForm::Short));
    view_.appendRawStatus("\r\n正在 采集源码");
    const std::string source = fetchPage(planRequest(plan_));
    if (threadWorkAbandoned()) return PlanOutcome::Abandoned;
    const Region region =
        regionToMatch(ExtractCaller::PlanWorker, source, plan_.startMarker, plan_.endMarker);
    if (region.status != RegionStatus::Ready) {
      view_.appendStatus(std::string(failureMessage(ExtractCaller::PlanWorker, region.status)));
      return outcomeOf(region.status);
    }
    view_.appendRawStatus("、匹配文章");
    const MatchList found = searchMatches(plan_.rule, region.text);
    const std::vector<Match>& matches = found.matches;
    view_.appendRawStatus(" 取到 " + decimalText(static_cast<std::int64_t>(matches.size())) + " 篇文章");
    if (found.capped) view_.appendStatus(std::string(kTooManyMatchesMessage));
    if (matches.empty()) return PlanOutcome::NoMatch;

    if (compareIdMode()) {
      prepareLastIds(matches);
    } else {
      prepareCache(static_cast<int>(matches.size()));
    }
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
      if (threadWorkAbandoned() || !handleMatch(*it)) return PlanOutcome::Abandoned;
    }
    if (threadWorkAbandoned()) return PlanOutcome::Abandoned;
    // A run that only met what a cut run stored finishes that run's record.
    if (storedCount_ > 0 || resumed_) recordLatest(matches.front());
    updateCache();
    view_.appendRawStatus("\r\n任务" + id + "执行结束（" + decimalText(plan_.cacheCounter) +
                          "），新文章数：" + decimalText(storedCount_) + "----" + nowText(TimeForm::Short));
    return PlanOutcome::Read;
  }

 private:
  bool compareIdMode() const { return plan_.detectMode == kCompareIdMode; }

  void prepareLastIds(const std::vector<Match>& matches) {
    std::vector<std::int64_t> ids;
    ids.reserve(matches.size());
    for (const Match& match : matches) ids.push_back(articleId(articleRule_, match));
    lastIds_.emplace(startLastId_, ids);
  }

  void prepareCache(int matchCount) {
    if (plan_.cacheCounter == 0) {
      TextTable rows = database_.queryTable("SELECT url FROM info where planid=" + decimalText(plan_.id) +
                                            " ORDER BY id DESC limit " + decimalText(matchCount + 3));
      plan_.urlCache.clear();
      plan_.urlCache.reserve(rows.rows.size());
      for (auto& row : rows.rows) plan_.urlCache.insert(row.empty() ? std::string() : std::move(row[0]));
      plan_.cacheCounter = 1;
      reloaded_ = true;
    } else if (plan_.cacheCounter == kCacheReplaceEvery) {
      plan_.cacheCounter = 1;
      reloaded_ = true;
    }
    if (reloaded_) seenThisRun_.reserve(static_cast<std::size_t>(matchCount));
  }

  // Whether the match is new; in look-up mode it also keeps the addresses the cache takes.
  bool isNew(const Match& match, std::int64_t& articleIdOut) {
    if (compareIdMode()) {
      articleIdOut = articleId(articleRule_, match);
      if (articleIdOut <= startLastId_) return false;
      if (articleIdOut > roundMax_) roundMax_ = articleIdOut;
      if (storedAbove_.count(articleIdOut) == 0) return true;
      lastIds_->handle(articleIdOut);  // stored by a run cut short
      resumed_ = true;
      return false;
    }
    std::string address = articleAddress(articleRule_, match);
    if (reloaded_) seenThisRun_.insert(address);
    if (plan_.urlCache.count(address) != 0 || database_.countArticlesWithUrl(address) >= 1) return false;
    newAddresses_.push_back(std::move(address));
    return true;
  }

  // False once the run was abandoned while storing.
  bool handleMatch(const Match& match) {
    std::int64_t articleId = 0;
    if (!isNew(match, articleId)) return true;
    const ArticleFields article = workerArticle(articleRule_, match);
    const auto settings = currentReminderSettings();
    const ArticleJudgement judgement = judgeArticle(*settings, article.title);
    if (judgement.key) roundAccumulators().markKeyArticleSeen();
    if (judgement.dropped) {
      if (lastIds_) lastIds_->handle(articleId);
      return true;
    }
    return storeAndShow(*settings, article, judgement.key);
  }

  bool storeAndShow(const ReminderSettings& settings, const ArticleFields& article, bool key) {
    roundAccumulators().recordStored(article.title, article.address, phoneTargetsFor(settings, key));
    ++storedCount_;
    const std::string time = nowText(TimeForm::Short);

    ArticleRow row;
    row.cells[2] = plan_.name + "  " + article.title + "  " + article.extra;
    row.cells[3] = article.address;
    row.cells[4] = time;
    row.marked = key;
    view_.insertArticleAtTop(row);

    const StoredArticle stored{plan_.name,    plan_.id, article.title,  article.address,
                               article.extra, time,     key ? "2" : "0"};
    if (lastIds_) {
      const std::int64_t safe = lastIds_->handle(article.id);
      storeArticleWithLastId(database_, stored, article.id, safe);
      // Refused under the store lock once abandoned: then neither the row nor memory moves on.
      if (threadWorkAbandoned()) return false;
      plan_.lastId = safe;
    } else {
      storeArticle(database_, stored);
    }
    threadPump().waitUntil(nullptr, SteadyClock::now());
    pauseFor(kStorePacing);
    if (addsPopupRow(settings, key)) view_.addPopupRow(article.title, article.address, key);
    return true;
  }

  void recordLatest(const Match& first) {
    if (storedCount_ > 0) plan_.cacheCounter += 1;  // it counts the runs that stored something
    plan_.lastTitle = first.field(plan_.titleField);
    plan_.lastId = roundMax_;
    recordPlanLatest(database_, PlanLatest{plan_.id, plan_.lastTitle, articleAddress(articleRule_, first),
                                           nowText(TimeForm::Short), plan_.lastId});
  }

  void updateCache() {
    if (reloaded_) {
      plan_.urlCache = std::move(seenThisRun_);
    } else {
      plan_.urlCache.insert(newAddresses_.begin(), newAddresses_.end());
    }
  }

  Plan& plan_;
  Database& database_;
  MonitorView& view_;
  const ArticleRule articleRule_;
  const std::int64_t startLastId_;
  std::int64_t roundMax_;
  std::optional<SafeLastId> lastIds_;  // compare-id mode
  const std::unordered_set<std::int64_t> storedAbove_;
  bool resumed_ = false;
  bool reloaded_ = false;
  std::unordered_set<std::string> seenThisRun_;
  std::vector<std::string> newAddresses_;
  int storedCount_ = 0;
};

// Waits for the plan id's run lock, keeping the wait abandonable like every other wait.
std::unique_lock<std::mutex> takeRunLock(PlanRunLocks& runLocks, int planId) {
  std::unique_lock lock(runLocks.lockFor(planId), std::defer_lock);
  threadPump().waitUntil([&lock] { return lock.try_lock(); }, SteadyClock::time_point::max());
  return lock;
}

// A run of the plan on a record of another load, or in another program, may have gone
// further than this record knows: start from the progress stored.
std::vector<std::int64_t> startFromStoredProgress(Plan& plan, Database& database) {
  std::optional<PlanProgress> stored = storedProgress(database, plan.id);
  if (!stored) return {};
  if (stored->lastId > plan.lastId) plan.lastId = stored->lastId;
  return std::move(stored->storedAbove);
}

}  // namespace

PlanOutcome runPlanWorker(const std::shared_ptr<Plan>& plan, PlanRunLocks& runLocks, Database& database,
                          MonitorView& view) {
  const std::unique_lock lock = takeRunLock(runLocks, plan->id);
  if (!lock.owns_lock() || threadWorkAbandoned()) return PlanOutcome::Abandoned;
  std::vector<std::int64_t> storedAbove = startFromStoredProgress(*plan, database);
  return WorkerRun(*plan, database, view, std::move(storedAbove)).run();
}

}  // namespace zorvqi
