#include "monitor/plan_worker.h"

#include <chrono>
#include <mutex>
#include <vector>

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "extract/caller_steps.h"
#include "extract/compose_field.h"
#include "extract/find_matches.h"
#include "fetch/fetch_page.h"
#include "monitor/monitor_view.h"
#include "notify/keyword_rules.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/article_store.h"
#include "store/database.h"
#include "store/plan.h"
#include "text/gbk_string.h"
#include "text/now_text.h"
#include "text/number.h"

namespace zorvqi {
namespace {

constexpr int kCompareIdMode = 8;
constexpr int kCacheReplaceEvery = 20;
constexpr std::chrono::milliseconds kStorePacing{50};

PageRequest requestFor(const Plan& plan) {
  PageRequest request;
  request.url = plan.url;
  request.postSwitch = plan.post ? 1 : 0;
  request.postData = plan.postData;
  request.cookie = plan.cookie;
  request.headerText = plan.headers;
  request.gbkSwitch = plan.gbk ? 1 : 0;
  request.gzipSwitch = plan.gzip ? 1 : 0;
  request.startMarker = plan.startMarker;
  request.endMarker = plan.endMarker;
  return request;
}

// The state of one run, besides the plan's own record.
class WorkerRun {
 public:
  WorkerRun(Plan& plan, Database& database, MonitorView& view)
      : plan_(plan),
        database_(database),
        view_(view),
        articleRule_{plan.titleField,   plan.idField,  plan.urlTemplate, plan.urlRefs,
                     plan.infoTemplate, plan.infoRefs, plan.decodeMode},
        roundMax_(plan.lastId) {}

  void run() {
    const std::string id = decimalText(plan_.id);
    view_.appendRawStatus("\r\n开始提取 方案" + id + " 的新文章 ---- " + nowText(TimeForm::Short));
    view_.appendRawStatus("\r\n正在 采集源码");
    const std::string source = fetchPage(requestFor(plan_));
    if (threadWorkAbandoned()) return;
    const Region region =
        regionToMatch(ExtractCaller::PlanWorker, source, plan_.startMarker, plan_.endMarker);
    if (region.status != RegionStatus::Ready) {
      view_.appendStatus(std::string(failureMessage(ExtractCaller::PlanWorker, region.status)));
      return;
    }
    view_.appendRawStatus("、匹配文章");
    const MatchList found = searchMatches(plan_.rule, region.text);
    const std::vector<Match>& matches = found.matches;
    view_.appendRawStatus(" 取到 " + decimalText(static_cast<std::int64_t>(matches.size())) + " 篇文章");
    if (found.capped) view_.appendStatus(std::string(kTooManyMatchesMessage));
    if (matches.empty()) return;

    if (!compareIdMode()) prepareCache(static_cast<int>(matches.size()));
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
      if (threadWorkAbandoned()) return;
      handleMatch(*it);
    }
    if (threadWorkAbandoned()) return;
    if (storedCount_ > 0) recordLatest(matches.front());
    plan_.urlCache = reloaded_ ? seenThisRun_ : plan_.urlCache + newAddresses_;
    view_.appendRawStatus("\r\n任务" + id + "执行结束（" + decimalText(plan_.cacheCounter) +
                          "），新文章数：" + decimalText(storedCount_) + "----" + nowText(TimeForm::Short));
  }

 private:
  bool compareIdMode() const { return plan_.detectMode == kCompareIdMode; }

  void prepareCache(int matchCount) {
    if (plan_.cacheCounter == 0) {
      const TextTable rows =
          database_.queryTable("SELECT url FROM info where planid=" + decimalText(plan_.id) +
                               " ORDER BY id DESC limit " + decimalText(matchCount + 3));
      plan_.urlCache.clear();
      for (const auto& row : rows.rows) plan_.urlCache += (row.empty() ? std::string() : row[0]) + " ";
      plan_.cacheCounter = 1;
      reloaded_ = true;
    } else if (plan_.cacheCounter == kCacheReplaceEvery) {
      plan_.cacheCounter = 1;
      reloaded_ = true;
    }
  }

  bool isNew(const ArticleFields& article) {
    const std::string& address = article.address;
    if (compareIdMode()) {
      const std::int64_t articleId = article.id;
      if (articleId <= plan_.lastId) return false;
      if (articleId > roundMax_) roundMax_ = articleId;
      return true;
    }
    if (gbkContains(plan_.urlCache, address) || database_.countArticlesWithUrl(address) >= 1) return false;
    newAddresses_ += address;
    return true;
  }

  void handleMatch(const Match& match) {
    const ArticleFields article = workerArticle(articleRule_, match);
    if (reloaded_) seenThisRun_ += article.address;
    if (!isNew(article)) return;

    const auto settings = currentReminderSettings();
    const ArticleJudgement judgement = judgeArticle(*settings, article.title);
    if (judgement.key) roundAccumulators().markKeyArticleSeen();
    if (judgement.dropped) return;
    storeAndShow(*settings, article.title, article.address, article.extra, judgement.key);
  }

  void storeAndShow(const ReminderSettings& settings, const std::string& title, const std::string& address,
                    const std::string& extra, bool key) {
    roundAccumulators().recordStored(title, address, phoneTargetsFor(settings, key));
    ++storedCount_;
    const std::string time = nowText(TimeForm::Short);

    ArticleRow row;
    row.cells[2] = plan_.name + "  " + title + "  " + extra;
    row.cells[3] = address;
    row.cells[4] = time;
    row.marked = key;
    view_.insertArticleAtTop(row);

    storeArticle(database_,
                 StoredArticle{plan_.name, plan_.id, title, address, extra, time, key ? "2" : "0"});
    threadPump().waitUntil(nullptr, SteadyClock::now());
    pauseFor(kStorePacing);
    if (addsPopupRow(settings, key)) view_.addPopupRow(title, address, key);
  }

  void recordLatest(const Match& first) {
    plan_.cacheCounter += 1;
    plan_.lastTitle = first.field(plan_.titleField);
    plan_.lastId = roundMax_;
    recordPlanLatest(database_, PlanLatest{plan_.id, plan_.lastTitle,
                                           composeField(plan_.urlTemplate, plan_.urlRefs, first),
                                           nowText(TimeForm::Short), plan_.lastId});
  }

  Plan& plan_;
  Database& database_;
  MonitorView& view_;
  const ArticleRule articleRule_;
  std::int64_t roundMax_;
  bool reloaded_ = false;
  std::string seenThisRun_;
  std::string newAddresses_;
  int storedCount_ = 0;
};

// Waits for the plan's run lock, keeping the wait abandonable like every other wait.
std::unique_lock<std::mutex> takeRunLock(Plan& plan) {
  std::unique_lock lock(plan.runLock, std::defer_lock);
  threadPump().waitUntil([&lock] { return lock.try_lock(); }, SteadyClock::time_point::max());
  return lock;
}

}  // namespace

void runPlanWorker(const std::shared_ptr<Plan>& plan, Database& database, MonitorView& view) {
  const std::unique_lock lock = takeRunLock(*plan);
  if (!lock.owns_lock() || threadWorkAbandoned()) return;
  WorkerRun(*plan, database, view).run();
}

}  // namespace zorvqi
