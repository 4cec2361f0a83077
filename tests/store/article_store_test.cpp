#include "store/article_store.h"

#include <gtest/gtest.h>

#include "base/cancel_flag.h"
#include "store_test_db.h"

namespace zorvqi {
namespace {

class ArticleStoreTest : public testing::StoreTest {
 protected:
  void SetUp() override { openWith(testing::shippedSchema()); }
};

// Texts from fetched pages and plan names reach the store exactly as they are.
class AwkwardTexts : public ArticleStoreTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AwkwardTexts, AreStoredIntactInEveryColumn) {
  const std::string text = GetParam();
  ASSERT_TRUE(storeArticle(db, {.planName = text,
                                .planId = 3,
                                .title = text,
                                .url = text,
                                .other = text,
                                .addTime = "5/3 9:07",
                                .mark = "2"}));
  const TextTable rows = db.queryTable("select planname,planid,title,url,other,addtime,issoucang from info");
  ASSERT_EQ(rows.rowCount(), 1);
  EXPECT_EQ(rows.rows[0], (std::vector<std::string>{text, "3", text, text, text, "5/3 9:07", "2"}));
  EXPECT_EQ(db.countArticlesWithUrl(text), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, AwkwardTexts,
                         ::testing::Values("It's here", "''", "'); DELETE FROM info; --", "论坛'精华'",
                                           "a\\b", "?", "\"quoted\"", "含有%和_的标题"));

TEST_F(ArticleStoreTest, StoresTheArticleAsTheInfoRow) {
  ASSERT_TRUE(storeArticle(db, {.planName = "新闻",
                                .planId = 12,
                                .title = "标题",
                                .url = "http://x/1",
                                .other = "作者",
                                .addTime = "12/31 23:05"}));
  const TextTable rows = db.queryTable("select * from info");
  ASSERT_EQ(rows.rowCount(), 1);
  EXPECT_EQ(rows.rows[0],
            (std::vector<std::string>{"1", "新闻", "12", "标题", "http://x/1", "作者", "12/31 23:05", "0"}));
  // planid is a number, so the plan filter's quoted id still finds it.
  EXPECT_EQ(scalar("select count(*) from info where planid=\"12\""), "1");
}

TEST_F(ArticleStoreTest, RecordsThePlansLatestArticleWithoutDoublingQuotes) {
  ASSERT_TRUE(db.runStatement("insert into rule(id,name) values(4,'p')"));
  ASSERT_TRUE(recordPlanLatest(db, {.planId = 4,
                                    .title = "It's '新'",
                                    .url = "http://x/?a='1'",
                                    .time = "5/3 9:07",
                                    .lastId = 2147483648LL}));
  const TextTable rows = db.queryTable("select arttile,arturl,lasttime,lastid from rule where id=4");
  ASSERT_EQ(rows.rowCount(), 1);
  EXPECT_EQ(rows.rows[0],
            (std::vector<std::string>{"It's '新'", "http://x/?a='1'", "5/3 9:07", "2147483648"}));
}

TEST_F(ArticleStoreTest, MarksEveryArticleWithTheAddressAsFavourite) {
  for (const char* url : {"http://x/it's", "http://x/it's", "http://x/other"}) {
    ASSERT_TRUE(storeArticle(db, {.url = url}));
  }
  ASSERT_TRUE(markFavouriteByUrl(db, "http://x/it's"));
  EXPECT_EQ(scalar("select group_concat(issoucang, ',') from (select issoucang from info order by id)"),
            "1,1,0");
}

// A compare-id article and its plan's progress land together: the ids stored above the last
// id are kept until the last id passes them, so the next run skips exactly those.
TEST_F(ArticleStoreTest, ACompareIdArticleCarriesItsPlansProgress) {
  ASSERT_TRUE(db.runStatement("insert into rule(id, lastid, arttile) values(4, '100', '旧')"));
  const auto article = [](const std::string& title) {
    return StoredArticle{.planName = "p", .planId = 4, .title = title, .url = "u/" + title};
  };
  ASSERT_TRUE(storeArticleWithLastId(db, article("103"), 103, 100));  // 101 not reached yet
  ASSERT_TRUE(storeArticleWithLastId(db, article("105"), 105, 100));
  std::optional<PlanProgress> progress = storedProgress(db, 4);
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->lastId, 100);
  EXPECT_EQ(progress->storedAbove, (std::vector<std::int64_t>{103, 105}));

  ASSERT_TRUE(storeArticleWithLastId(db, article("101"), 101, 103));
  progress = storedProgress(db, 4);
  EXPECT_EQ(progress->lastId, 103);
  EXPECT_EQ(progress->storedAbove, (std::vector<std::int64_t>{105}));
  EXPECT_EQ(scalar("select arttile from rule where id=4"), "旧");  // only lastid moves
  EXPECT_EQ(scalar("select count(*) from info"), "3");

  ASSERT_TRUE(recordPlanLatest(db, {.planId = 4, .title = "新", .url = "u", .time = "t", .lastId = 105}));
  progress = storedProgress(db, 4);
  EXPECT_EQ(progress->lastId, 105);
  EXPECT_TRUE(progress->storedAbove.empty());
  EXPECT_FALSE(storedProgress(db, 9));  // no such plan
}

// A worker abandoned while it waited for the store changes nothing, not even part of it.
TEST_F(ArticleStoreTest, AnAbandonedStoreLeavesNoPart) {
  ASSERT_TRUE(db.runStatement("insert into rule(id, lastid) values(4, '100')"));
  CancelFlag flag;
  flag.cancel();
  {
    ScopedThreadCancelFlag scope(&flag);
    EXPECT_FALSE(storeArticleWithLastId(db, {.planName = "p", .planId = 4, .url = "u"}, 101, 101));
  }
  EXPECT_EQ(scalar("select count(*) from info"), "0");
  EXPECT_EQ(scalar("select lastid from rule"), "100");
}

// A statement of the group that fails leaves the others to land; the connection is not left
// inside a transaction afterwards.
TEST_F(ArticleStoreTest, StatementsRunTogetherKeepWhatSucceeded) {
  EXPECT_FALSE(db.runTogether({{"insert into info(title) values('a')", {}},
                               {"insert into nosuchtable values(1)", {}},
                               {"insert into info(title) values(?)", {std::string("b")}}}));
  EXPECT_EQ(scalar("select group_concat(title) from info"), "a,b");
  EXPECT_TRUE(db.runTogether({{"insert into info(title) values('c')", {}}}));
  EXPECT_TRUE(db.execStatement("BEGIN; COMMIT;"));  // would fail inside an open transaction
}

}  // namespace
}  // namespace zorvqi
