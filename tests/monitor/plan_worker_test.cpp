#include "monitor/plan_worker.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/cancel_flag.h"
#include "base/clock.h"
#include "extract/find_matches.h"
#include "monitor/recording_view.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/database.h"
#include "store/plan.h"
#include "store/plan_table.h"
#include "support/page_server.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/template_refs.h"

namespace zorvqi {
namespace {

using testing::RecordingView;

struct Item {
  std::string href;
  std::string title;
  std::string id;
};

// A list page as the fetch returns it: one line, items side by side.
std::string listPage(const std::vector<Item>& items) {
  std::string page = "<html><body><ul id=\"list\">";
  for (const Item& item : items) {
    page += "<li><a href=\"" + item.href + "\">" + item.title + "</a><span>" + item.id + "</span></li> ";
  }
  return page + "</ul></body></html>";
}

class PlanWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setCurrentClock(&clock);
    publishReminderSettings({});
    roundAccumulators().takeAndReset();
    zorvqi::testing::createSqliteFile(
        dir.file("zorv.db"),
        zorvqi::testing::shippedSchema() + "INSERT INTO rule (id, name) VALUES (1, 'p');");
    ASSERT_TRUE(db.openStore(dir.file("zorv.db")));
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
    plan->detectMode = 5;
  }
  void TearDown() override { setCurrentClock(nullptr); }

  void servePage(const std::vector<Item>& items) {
    server.serve("/list", listPage(items), "text/html; charset=gbk");
  }
  void run() { runPlanWorker(plan, runLocks, db, view); }
  std::vector<std::vector<std::string>> stored() {
    return db
        .queryTable("select title, url, other, issoucang, addtime, planname, planid from info order by id")
        .rows;
  }
  std::vector<std::string> ruleRow() {
    return db.queryTable("select arttile, arturl, lasttime, lastid from rule where id=1").rows.at(0);
  }
  void storeOld(const std::string& url) {
    ASSERT_TRUE(db.runStatement("insert into info(planname,planid,title,url) values('p',1,'old',?)", {url}));
  }

  FixedClock clock{LocalTime{2020, 5, 3, 9, 7, 5}};
  zorvqi::testing::TempDir dir;
  zorvqi::testing::PageServer server;
  Database db;
  RecordingView view;
  PlanRunLocks runLocks;
  std::shared_ptr<Plan> plan = std::make_shared<Plan>();
};

TEST_F(PlanWorkerTest, LookUpModeStoresNewArticlesLastMatchFirst) {
  servePage({{"/a/1", "甲", "1"}, {"/a/2", "乙", "2"}, {"/a/3", "丙", "3"}});
  storeOld("http://site/a/1");
  run();

  const auto rows = stored();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1][0], "丙");  // the last match is stored first...
  EXPECT_EQ(rows[2][0], "乙");
  EXPECT_EQ(rows[2][1], "http://site/a/2");
  EXPECT_EQ(rows[2][2], "编号2");
  EXPECT_EQ(rows[2][3], "0");
  EXPECT_EQ(rows[2][4], "5/3 9:07");
  EXPECT_EQ(rows[2][5], "演示");
  const auto list = view.rows();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].cells[2], "演示  乙  编号2");  // ...so the first new one ends on top
  EXPECT_EQ(list[0].cells[3], "http://site/a/2");
  EXPECT_EQ(list[0].cells[4], "5/3 9:07");
  // the plan's latest article is the page's first match, new or not
  EXPECT_EQ(ruleRow(), (std::vector<std::string>{"甲", "http://site/a/1", "5/3 9:07", "0"}));
  EXPECT_EQ(view.status(),
            "\r\n开始提取 方案1 的新文章 ---- 5/3 9:07\r\n正在 采集源码、匹配文章 取到 3 篇文章"
            "\r\n任务1执行结束（2），新文章数：2----5/3 9:07");
  EXPECT_EQ(roundAccumulators().peek().storedCount, 2);
  EXPECT_TRUE(roundAccumulators().hasNew());
}

TEST_F(PlanWorkerTest, CompareIdModeStoresIdsAboveTheLastOne) {
  plan->detectMode = 8;
  plan->lastId = 100;
  servePage(
      {{"/t/105", "五", "105"}, {"/t/103", "三", "103"}, {"/t/100", "零", "100"}, {"/t/101", "一", "101"}});
  run();
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][0], "一");
  EXPECT_EQ(rows[1][0], "三");
  EXPECT_EQ(rows[2][0], "五");
  EXPECT_EQ(plan->lastId, 105);
  EXPECT_EQ(ruleRow()[3], "105");
}

TEST_F(PlanWorkerTest, CompareIdModeHandlesIdsBeyond32Bits) {
  plan->detectMode = 8;
  plan->lastId = 3000000000LL;
  servePage({{"/t/2", "二", "3000000002"}, {"/t/1", "一", "3000000001"}, {"/t/0", "零", "3000000000"}});
  run();
  EXPECT_EQ(stored().size(), 2u);
  EXPECT_EQ(plan->lastId, 3000000002LL);
  EXPECT_EQ(ruleRow()[3], "3000000002");
}

TEST_F(PlanWorkerTest, FirstRoundChecksTheStoreBeyondTheCachedNewest) {
  for (int i = 1; i <= 10; ++i) storeOld("http://site/old/" + std::to_string(i));
  // two matches: the cache holds the 2 + 3 newest stored addresses; /old/1 is older than those
  servePage({{"/new", "新", "0"}, {"/old/1", "旧", "0"}});
  run();
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows.back()[1], "http://site/new");
  // the cache now holds exactly the page just seen
  EXPECT_EQ(plan->urlCache, (std::unordered_set<std::string>{"http://site/old/1", "http://site/new"}));
  EXPECT_EQ(plan->cacheCounter, 2);
}

// Seen means the whole address: one that is only part of a cached address is new.
TEST_F(PlanWorkerTest, AnAddressThatIsPartOfACachedOneIsNew) {
  servePage({{"/view?id=55", "五五", "55"}});
  run();
  servePage({{"/view?id=5", "五", "5"}, {"/view?id=55", "五五", "55"}});
  run();
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][1], "http://site/view?id=5");
}

TEST_F(PlanWorkerTest, KeywordRulesDropMarkAndCollect) {
  ReminderSettings s;
  s.keyKeywordText = "<招聘>";
  s.keyKeywords = {"招聘"};
  s.excludeKeywordText = "<广告>";
  s.excludeKeywords = {"广告"};
  s.popup = true;
  s.mail = true;
  s.computerCondition = 1;
  s.phoneCondition = 2;
  publishReminderSettings(s);
  servePage({{"/1", "招聘广告", "1"}, {"/2", "急招聘", "2"}, {"/3", "闲聊", "3"}});
  run();
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][0], "闲聊");
  EXPECT_EQ(rows[0][3], "0");
  EXPECT_EQ(rows[1][0], "急招聘");
  EXPECT_EQ(rows[1][3], "2");
  EXPECT_TRUE(view.rows()[0].marked);
  EXPECT_FALSE(view.rows()[1].marked);
  EXPECT_EQ(view.count("popup:急招聘|http://site/2|key"), 1);
  EXPECT_EQ(view.count("popup:闲聊|http://site/3"), 1);
  EXPECT_EQ(roundAccumulators().peek().mailText, "\r\n急招聘：http://site/2");  // key articles only
  EXPECT_TRUE(roundAccumulators().keyArticleSeen());
}

TEST_F(PlanWorkerTest, DecodedTitleIsStoredWhileArttileKeepsThePageText) {
  plan->decodeMode = 1;
  servePage({{"/1", "\\u4e2d\\u6587", "1"}});
  run();
  EXPECT_EQ(stored().at(0)[0], "中文");
  EXPECT_EQ(ruleRow()[0], "\\u4e2d\\u6587");
}

TEST_F(PlanWorkerTest, QuotesInTitlesAreStoredIntact) {
  plan->decodeMode = 1;  // the decoding may give back the quotes the page lost
  servePage({{"/1", "it\\u0027s", "1"}});
  run();
  EXPECT_EQ(stored().at(0)[0], "it's");
}

TEST_F(PlanWorkerTest, NoNewArticleWritesNothingToRule) {
  storeOld("http://site/1");
  servePage({{"/1", "一", "1"}});
  run();
  EXPECT_EQ(ruleRow(), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_NE(view.status().find("新文章数：0----"), std::string::npos);
}

TEST_F(PlanWorkerTest, EmptySourceAndEmptyRegionAreReported) {
  plan->url = "http://127.0.0.1:1/list";  // nothing listens there
  run();
  EXPECT_NE(view.status().find("\r\n源码为空或无效，请检查网络或有效标记！ - 2020-5-3 9:7:5"),
            std::string::npos);
  servePage({{"/1", "一", "1"}});
  plan->url = server.url("/list");
  plan->endMarker = "</ol>";
  run();
  EXPECT_NE(view.status().find("截取源码为空或无效，请检查网络或区域标记！"), std::string::npos);
  EXPECT_TRUE(stored().empty());
}

TEST_F(PlanWorkerTest, TooManyMatchesAreCutAtTheCapWithAStatusLine) {
  plan->rule = "<i>(\\d)</i>";
  plan->startMarker = "";
  plan->endMarker = "";
  plan->titleField = 1;
  plan->idField = 1;
  plan->detectMode = 8;  // ids of 0 are never new: the walk over the matches stays quick
  std::string page;
  for (std::size_t i = 0; i < kMaxMatches + 10; ++i) page += "<i>0</i>";
  server.serve("/list", page, "text/html; charset=gbk");
  run();
  EXPECT_NE(view.status().find(" 取到 100000 篇文章\r\n匹配数超过 100000，其余忽略 - 2020-5-3 9:7:5"),
            std::string::npos)
      << view.status().substr(0, 300);
  EXPECT_TRUE(stored().empty());
}

TEST_F(PlanWorkerTest, FieldsThatNameNoGroupAreEmpty) {
  plan->titleField = 9;
  plan->infoTemplate = "[7]";
  plan->infoRefs = scanTemplateRefs(plan->infoTemplate);
  servePage({{"/1", "一", "1"}});
  run();
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored()[0][0], "");
  EXPECT_EQ(stored()[0][2], "");
}

// Abandoned right after its first article reached the list: nothing more is stored or shown.
class AbandoningView : public RecordingView {
 public:
  void insertArticleAtTop(const ArticleRow& row) override {
    RecordingView::insertArticleAtTop(row);
    threadCancelFlag()->cancel();
  }
};

TEST_F(PlanWorkerTest, AnAbandonedRunChangesNothingMore) {
  servePage({{"/1", "一", "1"}, {"/2", "二", "2"}, {"/3", "三", "3"}});
  AbandoningView abandoning;
  CancelFlag flag;
  std::thread worker([&] {
    ScopedThreadCancelFlag scope(&flag);
    runPlanWorker(plan, runLocks, db, abandoning);
  });
  worker.join();
  EXPECT_TRUE(stored().empty());
  EXPECT_EQ(abandoning.rows().size(), 1u);
  EXPECT_EQ(abandoning.countStartingWith("popup:"), 0);
  EXPECT_EQ(abandoning.status().find("执行结束"), std::string::npos);
  EXPECT_EQ(ruleRow()[0], "");
}

// Abandoned on its third article: the unsorted page is walked from the bottom (101, then 105),
// so after two stored articles only 101 is safe as the last id; 103 was not reached.
class AbandonOnThirdView : public RecordingView {
 public:
  void insertArticleAtTop(const ArticleRow& row) override {
    if (++inserted_ == 3) threadCancelFlag()->cancel();
    RecordingView::insertArticleAtTop(row);
  }

 private:
  int inserted_ = 0;
};

TEST_F(PlanWorkerTest, ACutRunRecordsTheLastIdItCanVouchFor) {
  plan->detectMode = 8;
  plan->lastId = 100;
  servePage(
      {{"/t/104", "四", "104"}, {"/t/103", "三", "103"}, {"/t/105", "五", "105"}, {"/t/101", "一", "101"}});
  AbandonOnThirdView abandoning;
  CancelFlag flag;
  std::thread worker([&] {
    ScopedThreadCancelFlag scope(&flag);
    runPlanWorker(plan, runLocks, db, abandoning);
  });
  worker.join();
  ASSERT_EQ(stored().size(), 2u);
  EXPECT_EQ(plan->lastId, 101);
  EXPECT_EQ(ruleRow(),
            (std::vector<std::string>{"", "", "", "101"}));  // the latest article waits for a finished run

  run();  // the next run stores what the cut one did not reach, and nothing twice
  const auto rows = stored();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2][0], "三");
  EXPECT_EQ(rows[3][0], "四");
  EXPECT_EQ(ruleRow(), (std::vector<std::string>{"四", "http://site/t/104", "5/3 9:07", "105"}));
}

TEST_F(PlanWorkerTest, TwoRunsOfOnePlanNeverOverlap) {
  servePage({{"/1", "一", "1"}, {"/2", "二", "2"}, {"/3", "三", "3"}});
  std::thread first([&] { run(); });
  std::thread second([&] { run(); });
  first.join();
  second.join();
  EXPECT_EQ(stored().size(), 3u);
  EXPECT_EQ(view.count("top:演示  一  编号1"), 1);
}

}  // namespace
}  // namespace zorvqi
