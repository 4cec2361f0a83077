#include "notify/round_accumulators.h"

#include <gtest/gtest.h>

#include "base/cancel_flag.h"

#include <thread>
#include <vector>

namespace zorvqi {
namespace {

TEST(RoundAccumulators, CollectsEntryFormsAndResetsWhereTheSystemDoes) {
  RoundAccumulators acc;
  acc.recordStored("标题", "http://a/1", {true, true, true});
  acc.recordStored("二", "http://a/2", {false, false, true});
  acc.markKeyArticleSeen();
  EXPECT_TRUE(acc.hasNew());

  const RoundCollection taken = acc.takeAndReset();
  EXPECT_EQ(taken.storedCount, 2);
  EXPECT_EQ(taken.wechatText, "\r\n* %[标题%]%(http://a/1%)");
  EXPECT_EQ(taken.postText, "{|$t|$:|$标题|$,|$u|$:|$http://a/1|$},");
  EXPECT_EQ(taken.postArticles, (std::vector<CollectedArticle>{{"标题", "http://a/1"}}));
  EXPECT_EQ(taken.mailText, "\r\n标题：http://a/1\r\n二：http://a/2");

  // the reminder resets count and texts; the has-new flag waits for the next round, the
  // key-article-seen flag stays for good
  EXPECT_EQ(acc.peek().storedCount, 0);
  EXPECT_TRUE(acc.peek().mailText.empty());
  EXPECT_TRUE(acc.peek().postArticles.empty());
  EXPECT_TRUE(acc.hasNew());
  acc.beginRound();
  EXPECT_FALSE(acc.hasNew());
  EXPECT_TRUE(acc.keyArticleSeen());
}

// The round has given up on the worker and may already be writing its round-end line.
TEST(RoundAccumulators, AnAbandonedWorkerRecordsNothing) {
  RoundAccumulators acc;
  CancelFlag flag;
  std::thread worker([&] {
    ScopedThreadCancelFlag scope(&flag);
    acc.recordStored("before", "http://a/1", {false, false, true});
    flag.cancel();
    acc.recordStored("after", "http://a/2", {true, true, true});
    acc.markKeyArticleSeen();
  });
  worker.join();
  const RoundCollection taken = acc.takeAndReset();
  EXPECT_EQ(taken.storedCount, 1);
  EXPECT_EQ(taken.mailText, "\r\nbefore：http://a/1");
  EXPECT_TRUE(taken.wechatText.empty());
  EXPECT_FALSE(acc.keyArticleSeen());
  acc.beginRound();
  std::thread late([&] {
    ScopedThreadCancelFlag scope(&flag);
    acc.recordStored("late", "http://a/3", {});
  });
  late.join();
  EXPECT_FALSE(acc.hasNew());  // no "真" and no reminder for an article that was never stored
}

TEST(RoundAccumulators, NothingIsLostBetweenConcurrentFillingAndTaking) {
  RoundAccumulators acc;
  constexpr int kWriters = 4, kEach = 500;
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&] {
      for (int i = 0; i < kEach; ++i) acc.recordStored("t", "u", {false, false, true});
    });
  }
  int total = 0;
  std::size_t mailBytes = 0;
  for (int i = 0; i < 50; ++i) {
    const RoundCollection taken = acc.takeAndReset();
    total += taken.storedCount;
    mailBytes += taken.mailText.size();
  }
  for (auto& t : writers) t.join();
  const RoundCollection rest = acc.takeAndReset();
  total += rest.storedCount;
  mailBytes += rest.mailText.size();
  EXPECT_EQ(total, kWriters * kEach);
  EXPECT_EQ(mailBytes, static_cast<std::size_t>(kWriters * kEach) * std::string("\r\nt：u").size());
}

}  // namespace
}  // namespace zorvqi
