#include "store/plan_fields.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct PostCase {
  const char* stored;
  bool on;
  const char* data;
};

class ReadPostInfo : public ::testing::TestWithParam<PostCase> {};

TEST_P(ReadPostInfo, ReadsTheSwitchAndTheData) {
  const PostInfo post = readPostInfo(GetParam().stored);
  EXPECT_EQ(post.on, GetParam().on) << GetParam().stored;
  EXPECT_EQ(post.data, GetParam().data) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPostInfo,
    ::testing::Values(PostCase{"1a=1&b=2", true, "a=1&b=2"}, PostCase{"0a=1", false, ""},
                      PostCase{"", false, ""}, PostCase{"1zorvqia=1", true, "a=1"},
                      PostCase{"12=3", false, ""}, PostCase{"1", true, ""},
                      PostCase{"1标题=中文", true, "标题=中文"},
                      // Every "zorvqi1" and every "zorvqi" left goes, inside the data too.
                      PostCase{"1a=zorvqi1x&zorvqib", true, "a=x&b"}));

struct HeaderCase {
  const char* stored;
  const char* inMemory;
};

class WithUserAgent : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(WithUserAgent, PrefixesOnlyHeadersWithoutOne) {
  EXPECT_EQ(withUserAgent(GetParam().stored), GetParam().inMemory);
}

INSTANTIATE_TEST_SUITE_P(Cases, WithUserAgent,
                         ::testing::Values(HeaderCase{"Accept: */*", "User-Agent:Accept: */*"},
                                           HeaderCase{"user-agent: x", "user-agent: x"},
                                           HeaderCase{"Accept: */*\r\nUSER-AGENT: y",
                                                      "Accept: */*\r\nUSER-AGENT: y"},
                                           HeaderCase{"", "User-Agent:"}));

TEST(PlanFromRow, ReadsEveryColumnByPosition) {
  const std::vector<std::string> row = {"7",
                                        "2",
                                        "1",
                                        "论坛",
                                        "http://x/list",
                                        "c=1",
                                        "Accept: */*\r\nPostAccept-Encoding: gzip",
                                        "旧标题",
                                        "http://x/9",
                                        "5/3 9:07",
                                        "http://x/[2].html",
                                        "<a href=\"(.*?)\">(.*?)</a>",
                                        "<ul>",
                                        "</ul>",
                                        "2",
                                        "1",
                                        "[1] 作者[3]",
                                        "1",
                                        "5000000000",
                                        "8",
                                        "1a=1",
                                        "2"};
  const auto plan = planFromRow(row, true);
  EXPECT_EQ(plan->id, 7);
  EXPECT_EQ(plan->category, 2);
  EXPECT_TRUE(plan->gbk);
  EXPECT_TRUE(plan->gzip);
  EXPECT_EQ(plan->name, "论坛");
  EXPECT_EQ(plan->url, "http://x/list");
  EXPECT_EQ(plan->cookie, "c=1");
  EXPECT_EQ(plan->headers, "User-Agent:Accept: */*\r\nPostAccept-Encoding: gzip");
  EXPECT_EQ(plan->lastTitle, "旧标题");
  EXPECT_EQ(plan->urlTemplate, "http://x/[2].html");
  EXPECT_EQ(plan->urlRefs, (TemplateRefs{1, {2, 0, 0}}));
  EXPECT_EQ(plan->infoTemplate, "[1] 作者[3]");
  EXPECT_EQ(plan->infoRefs, (TemplateRefs{2, {1, 3, 0}}));
  EXPECT_EQ(plan->rule, "<a href=\"(.*?)\">(.*?)</a>");
  EXPECT_EQ(plan->startMarker, "<ul>");
  EXPECT_EQ(plan->endMarker, "</ul>");
  EXPECT_EQ(plan->titleField, 2);
  EXPECT_EQ(plan->idField, 1);
  EXPECT_EQ(plan->state, 1);
  EXPECT_EQ(plan->lastId, 5000000000LL);
  EXPECT_EQ(plan->detectMode, 8);
  EXPECT_TRUE(plan->post);
  EXPECT_EQ(plan->postData, "a=1");
  EXPECT_EQ(plan->decodeMode, 2);
  EXPECT_TRUE(plan->urlCache.empty());
  EXPECT_EQ(plan->cacheCounter, 0);
}

TEST(PlanFromRow, EmptyColumnsReadAsZeroAndGzipNeedsTheModule) {
  std::vector<std::string> row(kRuleColumnCount);
  row[kRuleId] = "3";
  row[kRuleUa] = "postaccept-encoding";
  const auto without = planFromRow(row, false);
  EXPECT_FALSE(without->gzip);
  EXPECT_FALSE(without->gbk);
  EXPECT_EQ(without->category, 0);
  EXPECT_EQ(without->lastId, 0);
  EXPECT_TRUE(planFromRow(row, true)->gzip);
  row[kRuleCode] = "0";
  row[kRuleUa] = "Accept-Encoding: gzip";
  EXPECT_FALSE(planFromRow(row, true)->gzip);
  // A row of the older 20-column form lacks postinfo and tcode.
  row.resize(20);
  EXPECT_FALSE(planFromRow(row, true)->post);
}

}  // namespace
}  // namespace zorvqi
