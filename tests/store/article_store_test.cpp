#include "store/article_store.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvqi
