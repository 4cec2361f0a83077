// The demo forum's pages, read as the monitor reads them.
#include "demo_site.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/program_dir.h"
#include "fetch/fetch_page.h"

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
  request.gzipSwitch = 1;
  EXPECT_NE(fetch("/forum/list.php", request).find("tid=1002"), std::string::npos);
  request.gzipSwitch = 0;  // the compressed bytes are no page
  EXPECT_EQ(fetch("/forum/list.php", request).find("tid=1002"), std::string::npos);
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

}  // namespace
}  // namespace zorvqi
