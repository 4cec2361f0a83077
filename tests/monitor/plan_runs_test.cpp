// Runs of one plan through the rounds' plan runner while the plans are reloaded in between:
// each article is stored once, whatever record of the plan a run started on.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/dialogs.h"
#include "monitor/recording_view.h"
#include "monitor/store_plan_runner.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "store/settings_file.h"
#include "support/page_server.h"
#include "support/store_files.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::RecordingView;

class PlanRunsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    publishReminderSettings({});
    roundAccumulators().takeAndReset();
    std::string page = "<ul id=\"list\">";
    for (int id : {204, 201, 203, 202})
      page += "<li><a href=\"/t/" + std::to_string(id) + "\">帖" + std::to_string(id) + "</a><span>" +
              std::to_string(id) + "</span></li>";
    server.serve("/list", page + "</ul>", "text/html; charset=gbk");
    testing::createSqliteFile(dir.file("zorv.db"),
                              testing::shippedSchema() +
                                  "INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, "
                                  "before, after, tindex, uindex, "
                                  "oindex, isdo, lastid, type) VALUES (1, 1, '1', 'p', '" +
                                  server.url("/list") +
                                  "', 'User-Agent: t', 'http://site[1]', '<li><a "
                                  "href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', "
                                  "'<ul id=\"list\">', '</ul>', 2, 3, '', 1, '200', 8);");
    ASSERT_TRUE(settings.write(kConfigSection, "类别", "<c>"));
    ASSERT_TRUE(db.openStore(dir.file("zorv.db")));
    reload();
  }
  void TearDown() override { replacePlanTable(nullptr); }

  void reload() {
    PlanLoad load = loadPlans(db, settings, dialogs);
    ASSERT_EQ(load.status, PlanLoadStatus::Loaded);
    replacePlanTable(load.table);
  }
  std::vector<std::string> storedUrls() {
    std::vector<std::string> urls;
    for (const auto& row : db.queryTable("select url from info order by id").rows) urls.push_back(row[0]);
    return urls;
  }
  const std::vector<std::string> kEachOnce = {"http://site/t/202", "http://site/t/203", "http://site/t/201",
                                              "http://site/t/204"};

  testing::TempDir dir;
  testing::PageServer server;
  SettingsFile settings{dir.file("zorvqi.ini")};
  RecordingDialogs dialogs;
  Database db;
};

// The first run is still storing when the plans are reloaded and a second run of the plan
// starts on the new record: the second waits for the first, then finds nothing new.
class ReloadingView : public RecordingView {
 public:
  std::function<void()> atFirstArticle;
  void insertArticleAtTop(const ArticleRow& row) override {
    if (!fired_.exchange(true) && atFirstArticle) atFirstArticle();
    RecordingView::insertArticleAtTop(row);
  }

 private:
  std::atomic<bool> fired_{false};
};

TEST_F(PlanRunsTest, ARunOnAReloadedRecordWaitsForTheRunOnTheOldOne) {
  ReloadingView view;
  StorePlanRunner runner(db, view);
  std::thread second;
  std::atomic<bool> secondDone{false};
  view.atFirstArticle = [&] {
    reload();
    second = std::thread([&] {
      runner.runPlan(1);
      secondDone.store(true);
    });
    // Give an overlapping run every chance to store beside this one.
    for (int i = 0; i < 50 && !secondDone.load(); ++i) std::this_thread::sleep_for(10ms);
  };
  runner.runPlan(1);
  second.join();
  EXPECT_EQ(storedUrls(), kEachOnce);
  EXPECT_EQ(view.countStartingWith("top:"), 4);
}

// A run that starts on a record loaded before another run stored (a fetch-all round still
// holding the old table) starts from the last id now stored, not from its record's.
TEST_F(PlanRunsTest, ARunOnAnOlderRecordStartsFromTheStoredLastId) {
  RecordingView view;
  StorePlanRunner runner(db, view);
  const PlanTablePtr older = currentPlanTable();
  reload();
  runner.runPlan(1);
  ASSERT_EQ(storedUrls(), kEachOnce);
  replacePlanTable(older);
  runner.runPlan(1);
  EXPECT_EQ(storedUrls(), kEachOnce);
  EXPECT_EQ(currentPlanTable()->record(1)->lastId, 204);
}

}  // namespace
}  // namespace zorvqi
