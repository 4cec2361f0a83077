// The demo forum's pages, read as the monitor reads them.
#include "demo_site.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "base/program_dir.h"
#include "fetch/fetch_page.h"
#include "monitor/plan_worker.h"
#include "monitor/recording_view.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/database.h"
#include "store/plan.h"
#include "store/plan_table.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/template_refs.h"

namespace zorvqi {
namespace {

using namespace std::chrono_literals;

class DemoSiteTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(site.start()); }
  std::string fetch(const std::string& path, PageRequest request = {}) {
    request.url = site.baseUrl() + path;
    request.gbkSwitch = path.find("news") == std::string::npos ? 1 : 0;
    return fetchPage(request);
  }

  demo::DemoSite site{demo::DemoSiteOptions{0, 2, std::chrono::seconds(0), 50ms}};
};

TEST_F(DemoSiteTest, ListsNewestFirstInGbkAndUtf8) {
  const std::string gbk = fetch("/forum/list.php");
  EXPECT_LT(gbk.find("tid=1002"), gbk.find("tid=1001"));
  EXPECT_NE(gbk.find("演示论坛"), std::string::npos);
  site.publish(1);
  EXPECT_EQ(site.newestId(), 1003);
  const std::string utf8 = fetch("/news/list.html");  // converted to GBK by the fetch
  EXPECT_NE(utf8.find("第1003帖"), std::string::npos);
}

TEST_F(DemoSiteTest, MemberPageNeedsTheCookieAndTheApiAPost) {
  EXPECT_NE(fetch("/member/list.php").find("请先登录"), std::string::npos);
  PageRequest withCookie;
  withCookie.cookie = "sid=demo";
  EXPECT_NE(fetch("/member/list.php", withCookie).find("会员专区"), std::string::npos);
  PageRequest post;
  post.postSwitch = 1;
  post.postData = "page=1";
  EXPECT_NE(fetch("/api/list", post).find("接口列表"), std::string::npos);
}

TEST_F(DemoSiteTest, ChangedLayoutLacksTheStartMarker) {
  PageRequest request;
  request.startMarker = "<ul id=\"list\">";
  EXPECT_TRUE(fetch("/changed/list.php", request).empty());
  EXPECT_FALSE(fetch("/forum/list.php", request).empty());
}

TEST_F(DemoSiteTest, AnswersGzipWhenAsked) {
  setProgramDir(ZORVQI_BIN_DIR);  // where gzip.dll is built
  PageRequest request;
  request.headerText = "Accept-Encoding: gzip";
  // A gzip body is decompressed whether or not the switch asks for it.
  for (int gzipSwitch : {1, 0}) {
    request.gzipSwitch = gzipSwitch;
    EXPECT_NE(fetch("/forum/list.php", request).find("tid=1002"), std::string::npos) << gzipSwitch;
  }
  setProgramDir(executableDir());
}

TEST(DemoSiteTiming, PublishesOnItsInterval) {
  demo::DemoSite site{demo::DemoSiteOptions{0, 1, std::chrono::seconds(1), 50ms}};
  ASSERT_TRUE(site.start());
  EXPECT_EQ(site.articleCount(), 1);
  std::this_thread::sleep_for(1100ms);
  PageRequest request;
  request.url = site.baseUrl() + "/forum/list.php";
  request.gbkSwitch = 1;
  EXPECT_NE(fetchPage(request).find("tid=1002"), std::string::npos);
}

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::string listBody(const demo::DemoSite& site) {
  httplib::Client client("127.0.0.1", site.port());
  const auto answer = client.Get("/forum/list.php");
  return answer ? answer->body : std::string();
}

TEST(DemoSite, PlainListShowsEveryArticleWithoutPadding) {
  demo::DemoSite site(demo::DemoSiteOptions{0, 5, std::chrono::seconds(0)});
  ASSERT_TRUE(site.start());
  const std::string page = listBody(site);
  EXPECT_EQ(countOf(page, "<li>"), 5);
  EXPECT_EQ(page.find("id=\"nav\""), std::string::npos);
  EXPECT_LT(page.size(), 2000u);
}

TEST(DemoSite, PaddedPageWeighsWhatWasAskedAndListsOnlyTheNewest) {
  demo::DemoSiteOptions options{0, 30, std::chrono::seconds(0)};
  options.listLimit = 20;
  options.padding = 200 * 1024;
  demo::DemoSite site(options);
  ASSERT_TRUE(site.start());
  const std::string page = listBody(site);
  EXPECT_GE(page.size(), 200u * 1024);
  EXPECT_LT(page.size(), 210u * 1024);
  EXPECT_EQ(countOf(page, "<li>"), 20);
  // newest first: 1030 down to 1011; the ten oldest are off the page
  EXPECT_LT(page.find("tid=1030"), page.find("tid=1011"));
  EXPECT_EQ(page.find("tid=1010\""), std::string::npos);
  // the padding sits before the list, so the list's markers still frame the articles
  EXPECT_LT(page.find("id=\"nav\""), page.find("<ul id=\"list\">"));
}

TEST(DemoSite, AWorkerFindsTheListOfAPaddedPage) {
  demo::DemoSiteOptions options{0, 30, std::chrono::seconds(0)};
  options.listLimit = 20;
  options.padding = 200 * 1024;
  demo::DemoSite site(options);
  ASSERT_TRUE(site.start());
  publishReminderSettings({});
  roundAccumulators().takeAndReset();
  zorvqi::testing::TempDir dir;
  zorvqi::testing::createSqliteFile(
      dir.file("zorv.db"), zorvqi::testing::shippedSchema() + "INSERT INTO rule (id, name) VALUES (1, 'p');");
  Database db;
  ASSERT_TRUE(db.openStore(dir.file("zorv.db")));
  auto plan = std::make_shared<Plan>();
  plan->id = 1;
  plan->url = site.baseUrl() + "/forum/list.php";
  plan->gbk = true;
  plan->rule = "<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>";
  plan->startMarker = "<ul id=\"list\">";
  plan->endMarker = "</ul>";
  plan->urlTemplate = site.baseUrl() + "[1]";
  plan->urlRefs = scanTemplateRefs(plan->urlTemplate);
  plan->titleField = 2;
  plan->idField = 3;
  plan->detectMode = 8;
  plan->lastId = 1028;
  zorvqi::testing::RecordingView view;
  PlanRunLocks runLocks;
  runPlanWorker(plan, runLocks, db, view);
  EXPECT_NE(view.status().find(" 取到 20 篇文章"), std::string::npos) << view.status();
  EXPECT_NE(view.status().find("新文章数：2----"), std::string::npos);
  EXPECT_EQ(plan->lastId, 1030);
}

}  // namespace
}  // namespace zorvqi

namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string output;
};

// Runs the demo site program with `arguments`, its stdout (and stderr when asked) read back.
ProgramRun runDemoSiteProgram(const std::string& arguments, bool withErrors) {
  const std::string command =
      std::string(ZORVQI_BIN_DIR "/zorvqi-demo-site ") + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
  ProgramRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, got);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace

TEST(DemoSiteProgram, HelpPrintsTheUsageInsteadOfServing) {
  for (const char* help : {"--help", "-h", "--port 1 --help"}) {
    const ProgramRun run = runDemoSiteProgram(help, false);
    EXPECT_EQ(run.exitCode, 0) << help;
    EXPECT_EQ(run.output.rfind("usage: zorvqi-demo-site", 0), 0u) << help << ": " << run.output;
  }
}

TEST(DemoSiteProgram, AnUnknownOptionOrAMissingValueIsRefusedWithTheUsage) {
  for (const char* wrong : {"--bogus 1", "--port", "--port 1 --interval"}) {
    const ProgramRun run = runDemoSiteProgram(wrong, true);
    EXPECT_EQ(run.exitCode, 2) << wrong;
    EXPECT_NE(run.output.find("usage: zorvqi-demo-site"), std::string::npos) << wrong;
  }
}
