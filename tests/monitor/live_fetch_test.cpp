#include "monitor/live_fetch.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/event_pump.h"
#include "monitor/recording_view.h"
#include "store/plan.h"
#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "text/decode_text.h"
#include "text/template_refs.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::RecordingView;

std::string listItem(int n, const std::string& title) {
  const std::string id = std::to_string(n);
  return "<li><a href=\"/a/" + id + "\">" + title + "</a><span>" + id + "</span></li> ";
}

class LiveFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setCurrentClock(&clock);
    plan->id = 1;
    plan->name = "演示";
    plan->url = server.url("/list");
    plan->gbk = true;
    plan->headers = "User-Agent:test";
    plan->rule = "<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>";
    plan->startMarker = "<ul id=\"list\">";
    plan->endMarker = "</ul>";
    plan->urlTemplate = "http://site[1]";
    plan->urlRefs = scanTemplateRefs(plan->urlTemplate);
    plan->infoTemplate = "编号[3]";
    plan->infoRefs = scanTemplateRefs(plan->infoTemplate);
    plan->titleField = 2;
    plan->idField = 3;
    plan->detectMode = 8;
    plan->lastId = 7;
    plan->urlCache = {"http://site/a/1"};
    plan->cacheCounter = 4;
  }
  void TearDown() override { setCurrentClock(nullptr); }

  void servePage(const std::string& body) { server.serve("/list", body, "text/html; charset=gbk"); }
  std::vector<std::string> titleCells() const {
    std::vector<std::string> cells;
    for (const ArticleRow& row : view.rows()) cells.push_back(row.cells[2]);
    return cells;
  }

  FixedClock clock{LocalTime{2020, 5, 3, 9, 7, 5}};
  zorvqi::testing::PageServer server;
  RecordingView view;
  std::shared_ptr<Plan> plan = std::make_shared<Plan>();
};

TEST_F(LiveFetchTest, ThirtyMatchesGiveThirtyLiveRowsInPageOrderWithOneTime) {
  std::string page = "<ul id=\"list\">";
  for (int n = 1; n <= 30; ++n) page += listItem(n, "标题" + std::to_string(n));
  servePage(page + "</ul>");
  clock.set({2020, 5, 3, 9, 7, 5});
  runLiveFetch(*plan, view);

  const std::vector<ArticleRow> rows = view.rows();
  ASSERT_EQ(rows.size(), 30u);
  for (int n = 1; n <= 30; ++n) {
    const ArticleRow& row = rows[static_cast<std::size_t>(n - 1)];
    const std::string id = std::to_string(n);
    EXPECT_EQ(row.cells[0], "-1");
    EXPECT_EQ(row.cells[1], "演示");
    EXPECT_EQ(row.cells[2], "标题" + id + "  编号" + id);
    EXPECT_EQ(row.cells[3], "http://site/a/" + id);
    EXPECT_EQ(row.cells[4], "5/3 9:07");
    EXPECT_FALSE(row.marked);
  }
  EXPECT_EQ(view.status(), "\r\n正在 采集源码、取有效源码、匹配文章 取到 30 篇文章");
  EXPECT_EQ(view.count("append:标题1  编号1"), 1);
  // Nothing of the plan's runtime state moves.
  EXPECT_EQ(plan->lastId, 7);
  EXPECT_EQ(plan->cacheCounter, 4);
  EXPECT_EQ(plan->urlCache, (std::unordered_set<std::string>{"http://site/a/1"}));
}

struct RegionCase {
  const char* name;
  const char* startMarker;
  const char* endMarker;
  std::vector<std::string> titles;  // empty: the refusal
};

class LiveFetchRegion : public LiveFetchTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(LiveFetchRegion, MatchesTheRegionItCuts) {
  servePage(listItem(1, "前") + "<ul id=\"list\">" + listItem(2, "中") + "</ul>" + listItem(3, "后"));
  plan->startMarker = GetParam().startMarker;
  plan->endMarker = GetParam().endMarker;
  runLiveFetch(*plan, view);
  std::vector<std::string> expected;
  for (const std::string& title : GetParam().titles) expected.push_back(title);
  EXPECT_EQ(titleCells(), expected);
  if (expected.empty()) {
    EXPECT_EQ(view.status(),
              "\r\n正在 采集源码、取有效源码\r\n截取源码为空，请检查 采集区域设置、源站能否访问！");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LiveFetchRegion,
    ::testing::Values(
        RegionCase{"BothMarkersCut", "<ul id=\"list\">", "</ul>", {"中  编号2"}},
        RegionCase{
            "NullStartMarkerMatchesTheWholeSource", "NULL", "</ul>", {"前  编号1", "中  编号2", "后  编号3"}},
        // No start-marker check: a start marker alone, even one the page lacks, matches all.
        RegionCase{
            "OnlyAStartMarkerTheSourceLacks", "<nowhere>", "", {"前  编号1", "中  编号2", "后  编号3"}},
        RegionCase{"NoMarkers", "", "", {"前  编号1", "中  编号2", "后  编号3"}},
        RegionCase{"AnEmptyCutIsRefused", "<ul id=\"list\">", "<nowhere>", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiveFetchTest, NothingFetchedIsRefusedWithoutRows) {
  plan->url = server.url("/missing-and-empty");
  server.serve("/missing-and-empty", "");
  runLiveFetch(*plan, view);
  EXPECT_TRUE(view.rows().empty());
  EXPECT_EQ(view.status(),
            "\r\n正在 采集源码、取有效源码\r\n截取源码为空，请检查 采集区域设置、源站能否访问！");
}

TEST_F(LiveFetchTest, NoMatchCountsZeroAndAddsNoRow) {
  servePage("<ul id=\"list\"><p>nothing</p></ul>");
  runLiveFetch(*plan, view);
  EXPECT_TRUE(view.rows().empty());
  EXPECT_EQ(view.status(), "\r\n正在 采集源码、取有效源码、匹配文章 取到 0 篇文章");
}

TEST_F(LiveFetchTest, ADecodingModeDecodesTitleAndExtraInfo) {
  servePage("<ul id=\"list\">" + listItem(5, "%E4%B8%AD%E6%96%87") + "</ul>");
  plan->infoTemplate = "%E7%BC%96[3]";
  plan->infoRefs = scanTemplateRefs(plan->infoTemplate);
  plan->decodeMode = kDecodePercentUtf8;
  runLiveFetch(*plan, view);
  EXPECT_EQ(titleCells(), (std::vector<std::string>{"中文  编5"}));
}

TEST_F(LiveFetchTest, ARunPastItsLimitIsAbandonedAndAddsNothingAfterwards) {
  zorvqi::testing::RawHttpRecorder silent("", zorvqi::testing::RawHttpRecorder::Mode::Silent);
  plan->url = silent.url("/list");
  LiveFetches fetches({.limit = 300ms, .abandonGrace = 5s});
  const auto started = SteadyClock::now();
  EXPECT_EQ(fetches.run(plan, view), LiveFetchEnd::TimedOut);
  EXPECT_LT(SteadyClock::now() - started, 5s);
  EXPECT_EQ(fetches.awaitAbandoned(), LiveFetchEnd::Ended);
  EXPECT_TRUE(view.rows().empty());
  EXPECT_EQ(view.status(), "\r\n正在 采集源码");
}

TEST_F(LiveFetchTest, ARunWithinItsLimitEnds) {
  servePage("<ul id=\"list\">" + listItem(1, "甲") + "</ul>");
  LiveFetches fetches;
  EXPECT_EQ(fetches.run(plan, view), LiveFetchEnd::Ended);
  EXPECT_EQ(titleCells(), (std::vector<std::string>{"甲  编号1"}));
}

}  // namespace
}  // namespace zorvqi
