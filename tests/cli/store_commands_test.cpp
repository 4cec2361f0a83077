#include <gtest/gtest.h>

#include <filesystem>

#include "store/article_store.h"
#include "store/database.h"
#include "support/cli_process.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using testing::runCli;

// A program directory with a zorv.db of the given schema; rows go in through the store.
class StoreCommands : public ::testing::Test {
 protected:
  void makeStore(const std::string& schema) {
    testing::createSqliteFile(dir.file("zorv.db"), schema);
    ASSERT_TRUE(db.openStore(dir.file("zorv.db")));
  }
  testing::CliResult run(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), {"--dir", dir.path().string()});
    return runCli(args, input);
  }
  // What the program prints for a GBK text.
  static std::string shown(const std::string& gbk) { return gbkToUtf8(gbk); }

  testing::TempDir dir;
  Database db;
};

TEST_F(StoreCommands, AMissingOrBrokenDatabaseIsAUsageErrorAndNeverCreated) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"plans"}, {"articles"}, {"sql"}}) {
    const auto result = run(args, "select 1");
    EXPECT_EQ(result.exitStatus, 2) << args[0];
    EXPECT_NE(result.err.find("zorv.db"), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("zorv.db")));
  testing::writeFileBytes(dir.file("zorv.db"), std::string(2048, 'x'));
  const auto broken = run({"plans"});
  EXPECT_EQ(broken.exitStatus, 2);
  EXPECT_NE(broken.err.find(shown("数据库打开失败！")), std::string::npos) << broken.err;
}

TEST_F(StoreCommands, PlansListsEveryRowAndMigratesAnOlderTable) {
  makeStore(testing::olderSchema());
  ASSERT_TRUE(
      db.runStatement("insert into rule(id,class,name,url,isdo,type) values(2,1,'论坛','http://x/2',1,8)"));
  ASSERT_TRUE(
      db.runStatement("insert into rule(id,class,name,url,isdo,type) values(9,0,'停用','http://x/9',3,5)"));
  const auto result = run({"plans"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, shown("2\t1\t1\t8\t论坛\thttp://x/2\n9\t3\t0\t5\t停用\thttp://x/9\n"));
  EXPECT_EQ(db.queryTable("select * from rule").columnCount, 22);
}

TEST_F(StoreCommands, PlansWithoutAnyPlanFailsWithTheSystemsMessage) {
  makeStore(testing::shippedSchema());
  const auto result = run({"plans"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, shown("出错！数据库不存在规则！请创建！\n"));
}

TEST_F(StoreCommands, SqlRunsOneStatementAndPrintsAQuerysRows) {
  makeStore(testing::shippedSchema());
  const std::string insert = shown("insert into rule(name,regular) values('新''s','<a>[var]</a>')");
  auto result = run({"sql"}, insert);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, shown("执行成功，重启软件可看到效果！\n"));
  EXPECT_EQ(db.queryTable("select name, regular from rule").rows,
            (std::vector<std::vector<std::string>>{{"新's", "<a>(.*?)</a>"}}));

  testing::writeFileBytes(dir.file("q.sql"), "select id, name from rule");
  result = run({"sql", dir.file("q.sql")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, shown("1\t新's\n"));

  result = run({"sql"}, "update nosuchtable set x=1");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, shown("失败，请检查SQL语句！\n"));
  EXPECT_EQ(run({"sql", dir.file("missing.sql")}).exitStatus, 2);
}

TEST_F(StoreCommands, ArticlesPrintsAPageOfTheListAsTsv) {
  makeStore(testing::shippedSchema());
  ASSERT_TRUE(db.execStatement("BEGIN"));
  for (int i = 1; i <= 120; ++i) {
    ASSERT_TRUE(storeArticle(db, {.planName = "方案",
                                  .planId = i <= 100 ? 1 : 2,
                                  .title = "标题\t" + std::to_string(i),
                                  .url = "u" + std::to_string(i),
                                  .addTime = "5/3 9:07",
                                  .mark = i == 7 ? "1" : "0"}));
  }
  ASSERT_TRUE(db.execStatement("COMMIT"));

  auto result = run({"articles"});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 100);
  EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1),
            shown("120\t方案\t2\t标题\\t120\tu120\t\t5/3 9:07\t0\n"));

  result = run({"articles", "--page", "2"});
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 20);
  EXPECT_EQ(run({"articles", "--page", "3"}).out, "");
  EXPECT_EQ(run({"articles", "--favourites"}).out.substr(0, 2), "7\t");
  result = run({"articles", "--plan", "2"});
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 20);
  result = run({"articles", "--search", shown("题\t11")});
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 11);  // 11 and 110..119
  EXPECT_EQ(run({"articles", "--search", "it's"}).exitStatus, 1);
}

struct UsageCase {
  std::vector<std::string> args;
  int exitStatus;
};

class StoreCommandUsage : public StoreCommands, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(StoreCommandUsage, GivesTheExitStatus) {
  makeStore(testing::shippedSchema());
  const auto result = run(GetParam().args);
  EXPECT_EQ(result.exitStatus, GetParam().exitStatus) << result.err;
  if (GetParam().exitStatus == 2) {
    EXPECT_NE(result.err.find("usage:"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreCommandUsage,
    ::testing::Values(UsageCase{{"articles", "--page", "x"}, 2}, UsageCase{{"articles", "--page"}, 2},
                      UsageCase{{"articles", "--favourites", "--plan", "1"}, 2},
                      UsageCase{{"articles", "--all"}, 2}, UsageCase{{"articles", "--plan", "1x"}, 2},
                      UsageCase{{"plans", "extra"}, 2}, UsageCase{{"sql", "a", "b"}, 2},
                      UsageCase{{"plans", "--help"}, 0}, UsageCase{{"articles", "--help"}, 0},
                      UsageCase{{"sql", "--help"}, 0}));

}  // namespace
}  // namespace zorvqi
