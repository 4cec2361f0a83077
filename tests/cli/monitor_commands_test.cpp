// The headless monitor, round and watch, as a user runs it against the demo site.
#include <gtest/gtest.h>
#include <signal.h>

#include <thread>

#include "demo_site.h"
#include "store/settings_file.h"
#include "support/cli_process.h"
#include "support/raw_http_recorder.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;
using testing::runCli;

// GBK text as the program prints it (UTF-8).
std::string printed(const std::string& gbk) {
  return gbkToUtf8(gbk);
}

class MonitorCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(site.start());
    const std::string base = site.baseUrl();
    testing::createSqliteFile(
        dir.file("zorv.db"),
        testing::shippedSchema() +
            gbkToUtf8("INSERT INTO rule (class, code, name, url, ua, buquan, regular, before, after, "
                      "tindex, uindex, oindex, isdo, type) VALUES "
                      "(1, '1', '论坛', '" +
                      base + "/forum/list.php', 'User-Agent: t', '" + base +
                      "[1]', '<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', "
                      "'<ul id=\"list\">', '</ul>', 2, 3, '', 1, 8),"
                      "(1, '0', '新闻', '" +
                      base + "/news/list.html', '', '" + base +
                      "[1]&from=news', '<li><a href=\"(.*?)\">(.*?)</a>', '<ul id=\"list\">', '</ul>', 2, 0, "
                      "'', 0, 5);"));
    ASSERT_TRUE(settings.write(kConfigSection, "类别", "<演示>"));
  }
  int storedArticles() {
    const auto result = runCli({"--dir", dir.path().string(), "sql"}, "select count(*) from info");
    return std::atoi(result.out.c_str());
  }

  demo::DemoSite site{demo::DemoSiteOptions{0, 3, std::chrono::seconds(0), 100ms}};
  testing::TempDir dir;
  SettingsFile settings{dir.file("zorvqi.ini")};
};

TEST_F(MonitorCommandsTest, RoundStoresNewArticlesThenFindsNoneNew) {
  const auto first = runCli({"--dir", dir.path().string(), "round"});
  EXPECT_EQ(first.exitStatus, 0) << first.err;
  EXPECT_NE(first.out.find(printed("开始提取 方案1 的新文章")), std::string::npos) << first.out;
  EXPECT_NE(first.out.find(printed("取到 3 篇文章")), std::string::npos);
  EXPECT_NE(first.out.find(printed("本轮执行完毕！有新文章：真")), std::string::npos);
  EXPECT_EQ(first.out.find(printed("方案2")), std::string::npos);  // unchecked at start

  const auto second = runCli({"--dir", dir.path().string(), "round"});
  EXPECT_NE(second.out.find(printed("本轮执行完毕！有新文章：假")), std::string::npos) << second.out;
  EXPECT_EQ(second.out.find(printed("发现有新文章")), std::string::npos);

  const auto all = runCli({"--dir", dir.path().string(), "round", "--all"});
  EXPECT_NE(all.out.find(printed("开始提取 方案2")), std::string::npos);
  EXPECT_EQ(storedArticles(), 6);
}

// A gzip.dll that does not load is said once at the start, then counts as missing.
TEST_F(MonitorCommandsTest, AnUnloadableModuleIsReportedAtTheStartOfRoundAndWatch) {
  const std::string line = printed("gzip.dll 无法加载，已按缺失处理 - ");
  const auto without = runCli({"--dir", dir.path().string(), "round"});
  EXPECT_EQ(without.out.find(printed("gzip.dll")), std::string::npos) << without.out;

  testing::writeFileBytes(dir.file("gzip.dll"), "not a shared object");
  const auto round = runCli({"--dir", dir.path().string(), "round"});
  EXPECT_EQ(round.exitStatus, 0) << round.err;
  const std::size_t at = round.out.find(line);
  ASSERT_NE(at, std::string::npos) << round.out;
  EXPECT_LT(at, round.out.find(printed("开始提取 方案1")));
  EXPECT_EQ(round.out.find(line, at + 1), std::string::npos);

  testing::CliProcess watch({"--dir", dir.path().string(), "watch", "--interval", "0"});
  ASSERT_TRUE(watch.started());
  for (int i = 0; i < 200 && watch.outputSoFar().find(printed("有新文章：")) == std::string::npos; ++i)
    std::this_thread::sleep_for(50ms);
  const auto watched = watch.stop(SIGTERM);
  EXPECT_EQ(watched.exitStatus, 0) << watched.err;
  EXPECT_LT(watched.out.find(line), watched.out.find(printed("开始提取 方案1")));
}

// A round fails (exit 1) only when none of its plans could be read; a plan read without
// anything new is a success.
TEST_F(MonitorCommandsTest, RoundFailsOnlyWhenEveryPlanOfItFailed) {
  const std::string list = site.baseUrl() + "/forum/list.php";
  const std::string closed = "http://127.0.0.1:" + std::to_string(testing::closedLoopbackPort()) + "/list";
  const std::string rule = "<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>";
  const struct {
    std::string url, regular, before;
    long long lastId;
    bool all;  // --all: the unchecked news plan joins the round
    int exitStatus;
  } cases[] = {
      {list, rule, "<ul id=\"list\">", 0, false, 0},
      {list, rule, "<ul id=\"list\">", 999999, false, 0},  // read, nothing new
      {list, "<nomatch>", "<ul id=\"list\">", 0, false, 1},
      {list, rule, "<ol>", 0, false, 1},
      {closed, rule, "<ul id=\"list\">", 0, false, 1},
      {closed, rule, "<ul id=\"list\">", 0, true, 0},
  };
  for (const auto& c : cases) {
    const std::string change = "update rule set url='" + c.url + "', regular='" + c.regular + "', before='" +
                               c.before + "', lastid=" + std::to_string(c.lastId) + " where id=1";
    ASSERT_EQ(runCli({"--dir", dir.path().string(), "sql"}, change).exitStatus, 0) << change;
    std::vector<std::string> command = {"--dir", dir.path().string(), "round"};
    if (c.all) command.push_back("--all");
    const auto result = runCli(command);
    EXPECT_EQ(result.exitStatus, c.exitStatus) << change << "\n" << result.out << result.err;
  }
}

TEST_F(MonitorCommandsTest, RoundWithoutTheDatabaseIsAUsageError) {
  std::filesystem::remove(dir.file("zorv.db"));
  EXPECT_EQ(runCli({"--dir", dir.path().string(), "round"}).exitStatus, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("zorv.db")));
}

TEST_F(MonitorCommandsTest, WatchKeepsFindingNewArticlesUntilSignalled) {
  testing::CliProcess watch({"--dir", dir.path().string(), "watch", "--interval", "0"});
  ASSERT_TRUE(watch.started());
  const auto seen = [&](const std::string& text) {
    for (int i = 0; i < 200; ++i) {
      if (watch.outputSoFar().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(50ms);
    }
    return false;
  };
  ASSERT_TRUE(seen(printed("有新文章：真")));
  site.publish(2);
  ASSERT_TRUE(seen(printed("新文章数：2")));
  const auto result = watch.stop(SIGTERM);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(storedArticles(), 5);
}

// Without a stored "频率" the desktop's interval box keeps its "600"; the headless monitor
// must pause as long, not hammer the sites with back-to-back rounds.
TEST_F(MonitorCommandsTest, WatchWithoutAStoredIntervalPausesAsTheDesktopWould) {
  testing::CliProcess watch({"--dir", dir.path().string(), "watch"});
  ASSERT_TRUE(watch.started());
  for (int i = 0; i < 200 && watch.outputSoFar().find(printed("有新文章：")) == std::string::npos; ++i)
    std::this_thread::sleep_for(50ms);
  std::this_thread::sleep_for(1s);
  const auto result = watch.stop(SIGTERM);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  const std::string start = printed("开始提取 方案1");
  std::size_t rounds = 0;
  for (std::size_t at = result.out.find(start); at != std::string::npos; at = result.out.find(start, at + 1))
    ++rounds;
  EXPECT_EQ(rounds, 1u) << result.out;
}

}  // namespace
}  // namespace zorvqi
