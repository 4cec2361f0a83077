#include "store/database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "base/cancel_flag.h"
#include "store/article_store.h"
#include "store_test_db.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using testing::StoreTest;

TEST(OpenStore, NeverCreatesAMissingFile) {
  testing::TempDir dir;
  Database db;
  EXPECT_FALSE(db.openStore(dir.file("zorv.db")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("zorv.db")));
  EXPECT_FALSE(db.isOpen());
  EXPECT_FALSE(db.runStatement("select 1"));
  EXPECT_FALSE(db.queryTable("select 1").ok);
}

TEST(OpenStore, RefusesAFileThatIsNotADatabase) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("zorv.db"), std::string(4096, 'x'));
  Database db;
  EXPECT_FALSE(db.openStore(dir.file("zorv.db")));
  EXPECT_FALSE(db.isOpen());
}

TEST_F(StoreTest, TextsAreGbkInsideAndUtf8OnDisk) {
  openWith(testing::shippedSchema());
  ASSERT_TRUE(db.runStatement("insert into info(planname,title) values('论坛','新文章')"));
  EXPECT_EQ(scalar("select title from info where planname='论坛'"), "新文章");

  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(dbPath().c_str(), &raw), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(raw, "select title from info", -1, &statement, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
               "\xE6\x96\xB0\xE6\x96\x87\xE7\xAB\xA0");
  sqlite3_finalize(statement);
  sqlite3_close(raw);
}

TEST_F(StoreTest, QueryTableGivesTextsColumnsAndRowCount) {
  openWith(testing::shippedSchema());
  const TextTable empty = db.queryTable("select * from info");
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.columnCount, 8);
  EXPECT_EQ(empty.rowCount(), 0);

  ASSERT_TRUE(db.runStatement("insert into info(planid,title,other) values(7,'a',NULL)"));
  const TextTable one = db.queryTable("select id, planid, title, other, 1.5 from info");
  ASSERT_EQ(one.rowCount(), 1);
  EXPECT_EQ(one.rows[0], (std::vector<std::string>{"1", "7", "a", "", "1.5"}));

  const TextTable broken = db.queryTable("select * from nosuchtable");
  EXPECT_FALSE(broken.ok);
  EXPECT_EQ(broken.rowCount(), 0);
}

TEST_F(StoreTest, RunStatementRunsOnlyTheFirstStatementAndExecRunsAll) {
  openWith(testing::shippedSchema());
  EXPECT_TRUE(db.runStatement("insert into info(title) values('a'); insert into info(title) values('b')"));
  EXPECT_EQ(scalar("select count(*) from info"), "1");
  EXPECT_TRUE(db.execStatement("insert into info(title) values('c'); insert into info(title) values('d')"));
  EXPECT_EQ(scalar("select count(*) from info"), "3");
  EXPECT_FALSE(db.runStatement("insert into info(title) values('it's')"));
  EXPECT_FALSE(db.execStatement("DELETE FROM nosuchtable"));
  EXPECT_FALSE(db.runStatement("   "));
}

TEST_F(StoreTest, CountArticlesWithUrlMatchesTheWholeAddressOnly) {
  openWith(testing::shippedSchema());
  for (const char* url : {"http://a/1", "http://a/1", "http://a/12", "http://a/it's"}) {
    ASSERT_TRUE(storeArticle(db, {.planName = "p", .planId = 1, .url = url}));
  }
  EXPECT_EQ(db.countArticlesWithUrl("http://a/1"), 2);
  EXPECT_EQ(db.countArticlesWithUrl("http://a/12"), 1);
  EXPECT_EQ(db.countArticlesWithUrl("http://a/it's"), 1);
  EXPECT_EQ(db.countArticlesWithUrl("http://a/"), 0);
  EXPECT_EQ(db.countArticlesWithUrl("' or '1'='1"), 0);
}

TEST_F(StoreTest, ACancelledWorkerWritesNothing) {
  openWith(testing::shippedSchema());
  CancelFlag flag;
  flag.cancel();
  std::thread worker([&] {
    ScopedThreadCancelFlag scoped(&flag);
    EXPECT_FALSE(storeArticle(db, {.title = "late"}));
    EXPECT_FALSE(db.queryTable("select 1").ok);
  });
  worker.join();
  EXPECT_EQ(scalar("select count(*) from info"), "0");
}

TEST_F(StoreTest, WaitsForAnotherProgramsWriteInsteadOfFailing) {
  openWith(testing::shippedSchema());
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(dbPath().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; insert into info(title) values('other')", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  std::thread finisher([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  });
  EXPECT_TRUE(storeArticle(db, {.title = "mine"}));
  finisher.join();
  sqlite3_close(other);
  EXPECT_EQ(scalar("select count(*) from info"), "2");
}

// Threads share the one statement object; every result must be whole and every insert kept.
TEST_F(StoreTest, ManyThreadsShareTheStoreWithoutLostOrTornResults) {
  openWith(testing::shippedSchema());
  constexpr int kThreads = 6;
  constexpr int kEach = 60;
  std::atomic<int> torn{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const std::string plan = "方案" + std::to_string(t);
      for (int i = 0; i < kEach; ++i) {
        const std::string url = "http://site/" + std::to_string(t) + "/" + std::to_string(i);
        if (!storeArticle(db, {.planName = plan, .planId = t, .title = "标题'" + url, .url = url})) ++torn;
        if (db.countArticlesWithUrl(url) != 1) ++torn;
        const TextTable mine =
            db.queryTable("select planname, title, url from info where planid=" + std::to_string(t));
        if (mine.rowCount() != i + 1) ++torn;
        for (const auto& row : mine.rows) {
          if (row.size() != 3 || row[0] != plan || row[1] != "标题'" + row[2]) ++torn;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(torn.load(), 0);
  EXPECT_EQ(scalar("select count(*) from info"), std::to_string(kThreads * kEach));
}

// The desktop and the headless program share one file; a schema change by one must show in
// the other's next query, rows or not.
TEST_F(StoreTest, AQuerySeesColumnsAddedByAnotherConnection) {
  openWith(testing::olderSchema());
  ASSERT_EQ(db.queryTable("select * from rule").columnCount, 20);
  Database other;
  ASSERT_TRUE(other.openStore(dbPath()));
  ASSERT_TRUE(other.runStatement("ALTER TABLE rule ADD postinfo text;"));
  EXPECT_EQ(db.queryTable("select * from rule").columnCount, 21);
  ASSERT_TRUE(other.runStatement("insert into rule(name) values('a')"));
  EXPECT_EQ(db.queryTable("select * from rule").columnCount, 21);
}

}  // namespace
}  // namespace zorvqi
