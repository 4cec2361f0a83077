// Rounds with the real worker, store and demo site: what a user's monitor does.
#include <gtest/gtest.h>

#include "demo_site.h"
#include "monitor/monitor.h"
#include "monitor/recording_view.h"
#include "monitor/store_plan_runner.h"
#include "monitor/tree_plan_selection.h"
#include "notify/reminder_settings.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "store/settings_file.h"
#include "support/store_files.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;

class RoundsWithDemoSite : public ::testing::Test {
 protected:
  void SetUp() override {
    publishReminderSettings({});
    ASSERT_TRUE(site.start());
    const std::string base = site.baseUrl();
    const std::string rule =
        "'<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', '<ul id=\"list\">', '</ul>'";
    testing::createSqliteFile(
        dir.file("zorv.db"),
        testing::shippedSchema() +
            "INSERT INTO rule (class, code, name, url, ua, buquan, regular, before, after, tindex, uindex, "
            "oindex, isdo, type) VALUES "
            "(1, '1', 'slow', '" +
            base + "/slow/list.php', 'User-Agent: t', '" + base + "[1]', " + rule +
            ", 2, 3, '', 1, 8), "
            "(1, '1', 'forum', '" +
            base + "/forum/list.php', 'User-Agent: t', '" + base + "[1]', " + rule + ", 2, 3, '', 1, 8);");
    ASSERT_TRUE(settings.write(kConfigSection, "类别", "<演示>"));
    ASSERT_TRUE(db.openStore(dir.file("zorv.db")));
    PlanLoad load = loadPlans(db, settings, dialogs);
    ASSERT_EQ(load.status, PlanLoadStatus::Loaded);
    replacePlanTable(load.table);
    selection = std::make_unique<TreePlanSelection>(load.tree);
  }
  void TearDown() override { replacePlanTable(nullptr); }
  int stored() { return std::stoi(db.queryTable("select count(*) from info").rows.at(0).at(0)); }

  demo::DemoSite site{demo::DemoSiteOptions{0, 3, std::chrono::seconds(0), 60s}};
  testing::TempDir dir;
  SettingsFile settings{dir.file("zorvqi.ini")};
  Database db;
  RecordingDialogs dialogs;
  testing::RecordingView view;
  std::unique_ptr<TreePlanSelection> selection;
};

TEST_F(RoundsWithDemoSite, APlanThatNeverAnswersIsSkippedAndTheNextStillRuns) {
  StorePlanRunner runner(db, view);
  MonitorLimits limits;
  limits.workerLimit = 500ms;
  {
    Monitor monitor(view, *selection, dialogs, runner, nullptr, limits);
    ASSERT_EQ(monitor.runRounds(Selection::Checked, 0, false), RoundsEnd::SomePlanRead);
  }
  const std::string status = view.status();
  EXPECT_NE(status.find("slow执行超时，强制跳过.."), std::string::npos) << status;
  EXPECT_EQ(status.find("强制退出访问不成功!"), std::string::npos);
  EXPECT_NE(status.find("任务2执行结束（1），新文章数：3"), std::string::npos);
  EXPECT_EQ(status.find("任务1执行结束"), std::string::npos);
  EXPECT_NE(status.find("本轮执行完毕！有新文章：真"), std::string::npos);
  EXPECT_EQ(stored(), 3);
}

class ForumOnly : public PlanSelection {
 public:
  std::vector<PlanNodeState> planNodes() override { return {{2, true}}; }
};

TEST_F(RoundsWithDemoSite, NewRowsGoOnTopAndTheListIsCutTo280) {
  std::vector<ArticleRow> rows(300);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].cells[2] = "old " + std::to_string(i);
  view.setRows(rows);
  StorePlanRunner runner(db, view);
  ForumOnly forum;
  Monitor monitor(view, forum, dialogs, runner, nullptr);
  ASSERT_EQ(monitor.runRounds(Selection::Checked, 0, false), RoundsEnd::SomePlanRead);
  const auto after = view.rows();
  ASSERT_EQ(after.size(), 280u);
  EXPECT_EQ(after[0].cells[2].substr(0, 5), "forum");
  EXPECT_EQ(after[0].cells[4].size(), 5u);  // the round-end mark cuts the time cell
  EXPECT_EQ(after[3].cells[2], "old 0");
  EXPECT_EQ(after.back().cells[2], "old 276");
}

}  // namespace
}  // namespace zorvqi
