#include "monitor/live_fetch.h"

#include "base/event_pump.h"
#include "extract/caller_steps.h"
#include "extract/find_matches.h"
#include "fetch/fetch_page.h"
#include "monitor/monitor_view.h"
#include "monitor/plan_request.h"
#include "store/plan.h"
#include "text/now_text.h"
#include "text/number.h"

namespace zorvqi {

const char* const kLiveRowId = "-1";

namespace {

// A live fetch shows the whole list page: the markers are applied after it, not in the fetch.
PageRequest liveRequest(const Plan& plan) {
  PageRequest request = planRequest(plan);
  request.startMarker.clear();
  request.endMarker.clear();
  return request;
}

ArticleRow liveRow(const Plan& plan, const ArticleFields& article, const std::string& time) {
  ArticleRow row;
  row.cells[0] = kLiveRowId;
  row.cells[1] = plan.name;
  row.cells[2] = article.title + "  " + article.extra;
  row.cells[3] = article.address;
  row.cells[4] = time;
  return row;
}

}  // namespace

void runLiveFetch(const Plan& plan, MonitorView& view) {
  view.appendRawStatus("\r\n正在 采集源码");
  const std::string source = fetchPage(liveRequest(plan));
  if (threadWorkAbandoned()) return;
  view.appendRawStatus("、取有效源码");
  const Region region = regionToMatch(ExtractCaller::LiveFetch, source, plan.startMarker, plan.endMarker);
  if (region.status != RegionStatus::Ready) {
    view.appendRawStatus(std::string(failureMessage(ExtractCaller::LiveFetch, region.status)));
    return;
  }
  view.appendRawStatus("、匹配文章");
  const MatchList found = searchMatches(plan.rule, region.text);
  view.appendRawStatus(" 取到 " + decimalText(static_cast<std::int64_t>(found.matches.size())) + " 篇文章");
  if (found.capped) view.appendStatus(std::string(kTooManyMatchesMessage));
  if (found.matches.empty()) return;

  const ArticleRule rule{plan.titleField,   plan.idField,  plan.urlTemplate, plan.urlRefs,
                         plan.infoTemplate, plan.infoRefs, plan.decodeMode};
  const std::string time = nowText(TimeForm::Short);
  for (const Match& match : found.matches) {
    if (threadWorkAbandoned()) return;
    view.appendArticle(liveRow(plan, liveArticle(rule, match), time));
  }
}

LiveFetches::~LiveFetches() {
  // A cancelled run may still be handing a change to this thread: keep its events going.
  for (Run& run : runs_) run.flag->cancel();
  const auto allDone = [this] {
    for (const Run& run : runs_)
      if (!run.done->load()) return false;
    return true;
  };
  while (threadPump().waitUntil(allDone, SteadyClock::now() + limits_.abandonGrace) == WaitResult::TimedOut) {
  }
  for (Run& run : runs_) run.thread.join();
}

LiveFetchEnd LiveFetches::run(std::shared_ptr<const Plan> plan, MonitorView& view) {
  auto flag = std::make_shared<CancelFlag>();
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread thread([flag, done, plan = std::move(plan), &view] {
    {
      ScopedThreadCancelFlag scope(flag.get());
      runLiveFetch(*plan, view);
    }
    done->store(true);
    wakeAllWaits();
  });
  runs_.push_back({std::move(thread), flag, done});

  const auto isDone = [&done] { return done->load(); };
  const WaitResult result = threadPump().waitUntil(isDone, SteadyClock::now() + limits_.limit);
  if (result == WaitResult::Satisfied) return LiveFetchEnd::Ended;
  flag->cancel();
  return result == WaitResult::TimedOut ? LiveFetchEnd::TimedOut : LiveFetchEnd::Interrupted;
}

LiveFetchEnd LiveFetches::awaitAbandoned() {
  if (runs_.empty()) return LiveFetchEnd::Ended;
  const auto done = runs_.back().done;
  const WaitResult stopped =
      threadPump().waitUntil([&done] { return done->load(); }, SteadyClock::now() + limits_.abandonGrace);
  if (stopped == WaitResult::Satisfied) return LiveFetchEnd::Ended;
  return stopped == WaitResult::TimedOut ? LiveFetchEnd::NotStopped : LiveFetchEnd::Interrupted;
}

void LiveFetches::joinEndedRuns() {
  for (auto it = runs_.begin(); it != runs_.end();) {
    if (it->done->load()) {
      it->thread.join();
      it = runs_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace zorvqi
