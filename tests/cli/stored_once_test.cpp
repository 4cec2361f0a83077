// Every new article stored once and none skipped when the headless monitor is cut short or a
// second one is started on the same directory: real processes on a real zorv.db.
#include <gtest/gtest.h>
#include <signal.h>

#include "cli/compare_id_directory.h"

namespace zorvqi {
namespace {

using testing::CliProcess;
using testing::runCli;

class StoredOnceTest : public testing::CompareIdDirectory {};

// The page is not sorted and the worker walks it from the bottom: the last id recorded by a
// cut run must not pass an article it has not reached yet.
TEST_F(StoredOnceTest, WatchStoppedWhileStoringNeitherDuplicatesNorSkips) {
  CliProcess watch(args({"watch", "--interval", "600"}));
  ASSERT_TRUE(watch.started());
  ASSERT_TRUE(waitUntilStored(15));
  const auto stopped = watch.stop(SIGINT);
  EXPECT_EQ(stopped.exitStatus, 0) << stopped.err;

  const std::vector<long long> cut = stored();
  ASSERT_LT(cut.size(), static_cast<std::size_t>(kArticles)) << "the run ended before the signal";
  EXPECT_EQ(lastIdRow(), safeLastId(cut));
  EXPECT_EQ(latestTitleRow(), "");  // only a finished run records the latest article

  const auto next = runCli(args({"round"}));
  EXPECT_EQ(next.exitStatus, 0) << next.err;
  expectEachStoredOnce();
  EXPECT_EQ(lastIdRow(), 160);
  EXPECT_EQ(latestTitleRow(), "帖子" + std::to_string(pageIds().front()));
}

TEST_F(StoredOnceTest, ARoundBesideARunningWatchIsRefusedAndStoresNothing) {
  CliProcess watch(args({"watch", "--interval", "600"}));
  ASSERT_TRUE(watch.started());
  ASSERT_TRUE(waitUntilStored(5));
  const auto beside = runCli(args({"round"}));
  EXPECT_EQ(beside.exitStatus, 1);
  EXPECT_NE(beside.err.find(gbkToUtf8("另一个监控正在使用这个目录")), std::string::npos) << beside.err;
  EXPECT_EQ(beside.out.find(gbkToUtf8("开始提取")), std::string::npos) << beside.out;
  watch.stop(SIGINT);

  EXPECT_EQ(runCli(args({"round"})).exitStatus, 0);
  expectEachStoredOnce();
}

}  // namespace
}  // namespace zorvqi
