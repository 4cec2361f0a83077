#include "store/article_page.h"

#include <gtest/gtest.h>

#include "store/article_store.h"
#include "store_test_db.h"

namespace zorvqi {
namespace {

TEST(ArticlePageQuery, IsTheListsQueryText) {
  EXPECT_EQ(articlePageQuery(allArticlesFilter(), 0),
            "select * from info where 1 order by id desc LIMIT 0,100");
  EXPECT_EQ(articlePageQuery(favouritesFilter(), 3),
            "select * from info where issoucang=1 order by id desc LIMIT 200,100");
  EXPECT_EQ(planArticlesFilter(7), "planid=\"7\"");
  EXPECT_EQ(titleSearchFilter("新闻"), "title like '%新闻%'");
  EXPECT_EQ(effectivePage(0), 1);
  EXPECT_EQ(effectivePage(-1), -1);
}

class ArticlePages : public testing::StoreTest {
 protected:
  void SetUp() override {
    openWith(testing::shippedSchema());
    ASSERT_TRUE(db.execStatement("BEGIN"));
    for (int i = 1; i <= 250; ++i) {
      ASSERT_TRUE(storeArticle(db, {.planName = "p",
                                    .planId = i % 2 ? 1 : 2,
                                    .title = i % 50 ? "普通" : "重要新闻",
                                    .url = "http://x/" + std::to_string(i),
                                    .mark = i % 10 ? "0" : "1"}));
    }
    ASSERT_TRUE(db.execStatement("COMMIT"));
  }
  std::vector<std::string> ids(const std::string& filter, int page) {
    std::vector<std::string> out;
    for (const auto& row : db.queryTable(articlePageQuery(filter, page)).rows) out.push_back(row[0]);
    return out;
  }
};

TEST_F(ArticlePages, PagesRunNewestFirstAndEndEmpty) {
  const auto first = ids(allArticlesFilter(), 1);
  ASSERT_EQ(first.size(), 100u);
  EXPECT_EQ(first.front(), "250");
  EXPECT_EQ(first.back(), "151");
  EXPECT_EQ(ids(allArticlesFilter(), 0), first);
  const auto third = ids(allArticlesFilter(), 3);
  ASSERT_EQ(third.size(), 50u);
  EXPECT_EQ(third.back(), "1");
  EXPECT_TRUE(ids(allArticlesFilter(), 4).empty());
  // The page before page 1 (paging back from 0) reads like the first.
  EXPECT_EQ(ids(allArticlesFilter(), -1).size(), 100u);
}

TEST_F(ArticlePages, EachFilterFindsItsArticles) {
  EXPECT_EQ(ids(favouritesFilter(), 1).size(), 25u);
  EXPECT_EQ(ids(planArticlesFilter(2), 1).size(), 100u);
  EXPECT_EQ(ids(planArticlesFilter(2), 2).size(), 25u);
  EXPECT_EQ(ids(titleSearchFilter("重要"), 1), (std::vector<std::string>{"250", "200", "150", "100", "50"}));
  EXPECT_FALSE(db.queryTable(articlePageQuery(titleSearchFilter("it's"), 1)).ok);
}

}  // namespace
}  // namespace zorvqi
