#include "store/load_plans.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/dialogs.h"
#include "base/program_dir.h"
#include "store/article_store.h"
#include "store/settings_file.h"
#include "store_test_db.h"

namespace zorvqi {
namespace {

class LoadPlansTest : public testing::StoreTest {
 protected:
  void SetUp() override {
    previousDir = programDir();
    setProgramDir(dir.path().string());
    settings.write(kConfigSection, "类别", "<新闻><论坛>");
  }
  void TearDown() override { setProgramDir(previousDir); }

  void addPlan(int id, int category, const std::string& name, int isdo, const std::string& more = "") {
    ASSERT_TRUE(db.runStatement("insert into rule(id,class,name,isdo,url) values(" + std::to_string(id) +
                                "," + std::to_string(category) + ",'" + name + "'," + std::to_string(isdo) +
                                ",'http://x/" + std::to_string(id) + "')"));
    if (!more.empty()) {
      ASSERT_TRUE(db.runStatement("update rule set " + more + " where id=" + std::to_string(id)));
    }
  }
  PlanLoad load() { return loadPlans(db, settings, dialogs); }
  int ruleColumns() { return db.queryTable("select * from rule").columnCount; }

  std::string previousDir;
  SettingsFile settings{dir.file("zorvqi.ini")};
  RecordingDialogs dialogs;
};

TEST_F(LoadPlansTest, AnOlderRuleTableGainsItsTwoColumnsOnce) {
  openWith(testing::olderSchema());
  addPlan(1, 1, "甲", 0);
  ASSERT_EQ(ruleColumns(), 20);
  const PlanLoad first = load();
  ASSERT_EQ(first.status, PlanLoadStatus::Loaded);
  EXPECT_EQ(ruleColumns(), 22);
  ASSERT_TRUE(db.runStatement("update rule set postinfo='1a=1', tcode='3' where id=1"));
  const PlanLoad second = load();
  EXPECT_EQ(ruleColumns(), 22);
  EXPECT_TRUE(second.table->record(1)->post);
  EXPECT_EQ(second.table->record(1)->decodeMode, 3);
  EXPECT_EQ(scalar("select count(*) from pragma_table_info('rule') where name in ('postinfo','tcode')"), "2");
}

TEST_F(LoadPlansTest, ACurrentRuleTableIsLeftAlone) {
  openWith(testing::shippedSchema());
  addPlan(1, 1, "甲", 0);
  const std::string before = scalar("select sql from sqlite_master where name='rule'");
  ASSERT_EQ(load().status, PlanLoadStatus::Loaded);
  EXPECT_EQ(scalar("select sql from sqlite_master where name='rule'"), before);
  EXPECT_EQ(ruleColumns(), 22);
}

TEST_F(LoadPlansTest, CreatesTheArticleIndexesAndOurOwnTableWhenMissing) {
  openWith(testing::olderSchema());
  addPlan(1, 1, "甲", 0);
  EXPECT_EQ(scalar("select count(*) from sqlite_master where type='index'"), "0");
  load();
  EXPECT_EQ(scalar("select count(*) from sqlite_master where type='index' and tbl_name='info'"), "2");
  EXPECT_EQ(scalar("select count(*) from sqlite_master where type='table' and name='storedabove'"), "1");
  const TextTable plan = db.queryTable("EXPLAIN QUERY PLAN SELECT * FROM info where url='x'");
  ASSERT_EQ(plan.rowCount(), 1);
  EXPECT_NE(plan.rows[0].back().find("USING INDEX info_url"), std::string::npos) << plan.rows[0].back();
}

TEST_F(LoadPlansTest, GapsBetweenIdsAreEmptyRecords) {
  openWith(testing::shippedSchema());
  for (int id : {1, 2, 7}) addPlan(id, 1, "p" + std::to_string(id), 0);
  const PlanLoad loaded = load();
  ASSERT_EQ(loaded.status, PlanLoadStatus::Loaded);
  EXPECT_EQ(loaded.table->size(), 7);
  EXPECT_EQ(loaded.table->ids(), (std::vector<int>{1, 2, 7}));
  EXPECT_EQ(loaded.table->record(7)->name, "p7");
  for (int id = 3; id <= 6; ++id) {
    EXPECT_FALSE(loaded.table->hasRow(id));
    EXPECT_EQ(loaded.table->record(id)->id, 0);
    EXPECT_TRUE(loaded.table->record(id)->name.empty());
  }
  EXPECT_NE(loaded.table->record(4), loaded.table->record(4)) << "an empty record is never shared";
  EXPECT_TRUE(loaded.table->record(8)->name.empty());
}

TEST_F(LoadPlansTest, AHugeIdStaysSparse) {
  openWith(testing::shippedSchema());
  addPlan(1000000000, 1, "远", 0);
  const PlanLoad loaded = load();
  EXPECT_EQ(loaded.table->size(), 1000000000);
  EXPECT_EQ(loaded.table->ids().size(), 1u);
  EXPECT_EQ(loaded.table->record(1000000000)->name, "远");
}

TEST_F(LoadPlansTest, TheTreeShowsEnabledPlansOfKnownCategoriesInOrder) {
  openWith(testing::shippedSchema());
  addPlan(1, 2, "论坛甲", 1);
  addPlan(2, 1, "新闻乙", 0);
  addPlan(3, 2, "关掉的", 3);
  addPlan(4, 0, "无类别", 1);
  addPlan(5, 3, "超出类别", 1);
  addPlan(6, 2, "论坛丙", 0);
  const PlanLoad loaded = load();
  ASSERT_EQ(loaded.tree.categories.size(), 2u);
  const PlanTreeNode& news = loaded.tree.categories[0];
  const PlanTreeNode& forum = loaded.tree.categories[1];
  EXPECT_EQ(news.text, "新闻");
  EXPECT_EQ(news.value, -11);
  EXPECT_EQ(forum.text, "论坛");
  EXPECT_EQ(forum.value, -12);
  ASSERT_EQ(news.children.size(), 1u);
  EXPECT_EQ(news.children[0].text, "新闻乙 [2]");
  EXPECT_EQ(news.children[0].value, 2);
  EXPECT_FALSE(news.children[0].checked);
  ASSERT_EQ(forum.children.size(), 2u);
  EXPECT_EQ(forum.children[0].text, "论坛甲 [1]");
  EXPECT_TRUE(forum.children[0].checked);
  EXPECT_EQ(forum.children[1].value, 6);
  // Left out of the tree, but still in the table.
  for (int id : {3, 4, 5}) EXPECT_TRUE(loaded.table->hasRow(id)) << id;
  EXPECT_EQ(loaded.table->record(3)->state, 3);
}

TEST_F(LoadPlansTest, AnEmptyRuleTableIsReportedAndGivesNoTable) {
  openWith(testing::shippedSchema());
  const PlanLoad loaded = load();
  EXPECT_EQ(loaded.status, PlanLoadStatus::NoPlans);
  EXPECT_EQ(loaded.table, nullptr);
  EXPECT_EQ(loaded.tree.categories.size(), 2u);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "出错！数据库不存在规则！请创建！");
  EXPECT_EQ(dialogs.shown()[0].title, "信息：");
}

TEST_F(LoadPlansTest, ADatabaseWithoutRuleTableIsReportedTheSameWay) {
  openWith("CREATE TABLE other(x)");
  EXPECT_EQ(load().status, PlanLoadStatus::NoPlans);
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(LoadPlansTest, TheGzipFlagNeedsTheModuleInTheProgramDirectoryToLoad) {
  openWith(testing::shippedSchema());
  addPlan(1, 1, "甲", 0, "ua='PostAccept-Encoding: gzip'");
  EXPECT_FALSE(load().table->record(1)->gzip);
  testing::writeFileBytes(dir.file("gzip.dll"), "");
  EXPECT_FALSE(load().table->record(1)->gzip);
  std::filesystem::copy_file(std::string(ZORVQI_BIN_DIR) + "/gzip.dll", dir.file("gzip.dll"),
                             std::filesystem::copy_options::overwrite_existing);
  EXPECT_TRUE(load().table->record(1)->gzip);
}

TEST_F(LoadPlansTest, AnIdAbove32BitsSurvivesARecordAndAReload) {
  openWith(testing::shippedSchema());
  addPlan(1, 1, "甲", 0);
  const std::int64_t big = 9007199254740993LL;  // not exact as a double
  ASSERT_TRUE(recordPlanLatest(
      db, {.planId = 1, .title = "It's \"quoted\"", .url = "http://x/1", .time = "5/3 9:07", .lastId = big}));
  const PlanLoad first = load();
  EXPECT_EQ(first.table->record(1)->lastId, big);
  EXPECT_EQ(first.table->record(1)->lastTitle, "It's \"quoted\"");
  ASSERT_TRUE(recordPlanLatest(
      db, {.planId = 1, .title = "t", .url = "u", .time = "x", .lastId = first.table->record(1)->lastId}));
  EXPECT_EQ(load().table->record(1)->lastId, big);
  EXPECT_EQ(scalar("select lastid from rule where id=1"), "9007199254740993");
}

TEST_F(LoadPlansTest, ARecordHeldByAWorkerOutlivesAReload) {
  openWith(testing::shippedSchema());
  addPlan(1, 1, "旧名", 0);
  replacePlanTable(load().table);
  std::shared_ptr<Plan> held = currentPlanTable()->record(1);
  held->urlCache = {"http://x/a"};
  ASSERT_TRUE(db.runStatement("update rule set name='新名' where id=1"));
  replacePlanTable(load().table);
  EXPECT_EQ(held->name, "旧名");
  EXPECT_EQ(held->urlCache, std::unordered_set<std::string>{"http://x/a"});
  EXPECT_EQ(currentPlanTable()->record(1)->name, "新名");
  EXPECT_TRUE(currentPlanTable()->record(1)->urlCache.empty());
  replacePlanTable(nullptr);
  EXPECT_EQ(currentPlanTable()->size(), 0);
}

}  // namespace
}  // namespace zorvqi
