#include "store/monitor_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

extern char** environ;

namespace zorvqi {
namespace {

class MonitorLockTest : public ::testing::Test {
 protected:
  std::string lockFile() const { return dir.file("zorvqi.lock"); }
  testing::TempDir dir;
};

TEST_F(MonitorLockTest, OneHolderAtATimeAndTheRefusedLearnWho) {
  const struct {
    MonitorKind kind;
  } holders[] = {{MonitorKind::Desktop}, {MonitorKind::Round}, {MonitorKind::Watch}};
  for (const auto& h : holders) {
    MonitorLock first(lockFile());
    ASSERT_EQ(first.take(h.kind), MonitorLockStatus::Taken);
    EXPECT_EQ(first.take(h.kind), MonitorLockStatus::Taken);  // already held by this one
    MonitorLock second(lockFile());
    EXPECT_EQ(second.take(MonitorKind::Round), MonitorLockStatus::HeldElsewhere);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(second.holder().kind, h.kind);
    EXPECT_EQ(second.holder().pid, getpid());
    first.release();
    EXPECT_EQ(second.take(MonitorKind::Round), MonitorLockStatus::Taken);
  }
}

// The lock file is not inherited: a child started while the lock is held does not keep it
// once its parent lets go.
TEST_F(MonitorLockTest, AChildProcessDoesNotKeepTheLock) {
  auto holder = std::make_unique<MonitorLock>(lockFile());
  ASSERT_EQ(holder->take(MonitorKind::Desktop), MonitorLockStatus::Taken);
  pid_t child = -1;
  char sleepWord[] = "sleep";
  char seconds[] = "30";
  char* argv[] = {sleepWord, seconds, nullptr};
  ASSERT_EQ(posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
  holder.reset();
  MonitorLock next(lockFile());
  EXPECT_EQ(next.take(MonitorKind::Watch), MonitorLockStatus::Taken);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

TEST_F(MonitorLockTest, ADirectoryThatCannotHoldTheFileFailsWithTheOperatingSystemsWords) {
  MonitorLock lock(dir.file("missing/zorvqi.lock"));
  EXPECT_EQ(lock.take(MonitorKind::Round), MonitorLockStatus::Failed);
  EXPECT_EQ(lock.failure(), "No such file or directory");
  EXPECT_FALSE(lock.held());
}

// A holder that died left its words in the file; they name nobody now.
TEST_F(MonitorLockTest, TheWordsOfAHolderThatIsGoneNameNobody) {
  testing::writeFileBytes(lockFile(), "desktop 999999999\n");
  MonitorLock reader(lockFile());
  EXPECT_EQ(reader.holder().kind, MonitorKind::Unknown);
  EXPECT_EQ(reader.take(MonitorKind::Round), MonitorLockStatus::Taken);
}

}  // namespace
}  // namespace zorvqi
