// One monitor per program directory: the lock that round and watch take, as real processes.
#include <gtest/gtest.h>
#include <signal.h>

#include "cli/compare_id_directory.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::CliProcess;
using testing::runCli;

class MonitorLockTest : public testing::CompareIdDirectory {
 protected:
  // A watch that has finished its first round and waits out its pause, holding the directory.
  void startIdleWatch(CliProcess& watch) {
    ASSERT_TRUE(watch.started());
    for (int i = 0; i < 3000 && watch.outputSoFar().find(gbkToUtf8("本轮执行完毕")) == std::string::npos; ++i)
      std::this_thread::sleep_for(10ms);
    ASSERT_NE(watch.outputSoFar().find(gbkToUtf8("本轮执行完毕")), std::string::npos) << watch.outputSoFar();
  }
};

TEST_F(MonitorLockTest, ASecondWatchIsRefusedWithItsMessage) {
  CliProcess first(args({"watch", "--interval", "600"}));
  startIdleWatch(first);
  CliProcess secondWatch(args({"watch", "--interval", "0"}));
  const std::optional<testing::CliResult> ended = secondWatch.waitFor(20s);
  ASSERT_TRUE(ended) << "the second watch ran beside the first";
  const testing::CliResult& second = *ended;
  EXPECT_EQ(second.exitStatus, 1);
  EXPECT_NE(second.err.find(gbkToUtf8("另一个监控正在使用这个目录")), std::string::npos) << second.err;
  EXPECT_NE(second.err.find("zorvqi.lock"), std::string::npos) << second.err;
  EXPECT_EQ(second.out, "");
  EXPECT_EQ(first.stop(SIGTERM).exitStatus, 0);
  EXPECT_EQ(stored().size(), static_cast<std::size_t>(kArticles));
}

TEST_F(MonitorLockTest, ReadingCommandsRunWhileWatchHoldsTheDirectory) {
  CliProcess watch(args({"watch", "--interval", "600"}));
  startIdleWatch(watch);
  const auto articles = runCli(args({"articles"}));
  EXPECT_EQ(articles.exitStatus, 0) << articles.err;
  EXPECT_NE(articles.out.find(gbkToUtf8("帖子")), std::string::npos);
  EXPECT_EQ(runCli(args({"plans"})).exitStatus, 0);
  EXPECT_EQ(runCli(args({"sql"}), "select count(*) from info").exitStatus, 0);
  watch.stop(SIGTERM);
}

// The kernel drops the lock with its holder: a killed monitor leaves nothing stale behind.
TEST_F(MonitorLockTest, TheLockIsFreeAgainAfterTheHolderIsKilled) {
  CliProcess watch(args({"watch", "--interval", "600"}));
  startIdleWatch(watch);
  EXPECT_EQ(watch.stop(SIGKILL).exitStatus, 128 + SIGKILL);
  const auto round = runCli(args({"round"}));
  EXPECT_EQ(round.exitStatus, 0) << round.err;
  EXPECT_NE(round.out.find(gbkToUtf8("开始提取 方案1")), std::string::npos) << round.out;
}

}  // namespace
}  // namespace zorvqi
