#include "extract/caller_steps.h"

#include <gtest/gtest.h>

#include "text/decode_text.h"
#include "text/template_refs.h"

namespace zorvqi {
namespace {

struct RegionCase {
  ExtractCaller caller;
  const char* source;
  const char* start;
  const char* end;
  RegionStatus status;
  const char* text;
};

class RegionTable : public ::testing::TestWithParam<RegionCase> {};

TEST_P(RegionTable, GivesEachCallerItsRegion) {
  const RegionCase& c = GetParam();
  const Region region = regionToMatch(c.caller, c.source, c.start, c.end);
  EXPECT_EQ(region.status, c.status) << c.source << " / " << c.start << " / " << c.end;
  EXPECT_EQ(region.text, c.text) << c.source << " / " << c.start << " / " << c.end;
}

constexpr auto kTest = ExtractCaller::RuleTest;
constexpr auto kWorker = ExtractCaller::PlanWorker;
constexpr auto kLive = ExtractCaller::LiveFetch;
constexpr auto kReady = RegionStatus::Ready;

INSTANTIATE_TEST_SUITE_P(Cases, RegionTable,
                         ::testing::Values(
                             // both markers: every caller cuts
                             RegionCase{kTest, "xAyBz", "A", "B", kReady, "y"},
                             RegionCase{kWorker, "xAyBz", "A", "B", kReady, "y"},
                             RegionCase{kLive, "xAyBz", "A", "B", kReady, "y"},
                             RegionCase{kWorker, "xByA", "A", "B", RegionStatus::EmptyRegion, ""},
                             RegionCase{kLive, "xByA", "A", "B", RegionStatus::EmptyRegion, ""},
                             RegionCase{kTest, "xABz", "A", "B", RegionStatus::EmptyRegion, ""},
                             // "NULL" turns the live fetch's cut off, no one else's
                             RegionCase{kLive, "xAyBz", "NULL", "B", kReady, "xAyBz"},
                             RegionCase{kWorker, "xNULLyBz", "NULL", "B", kReady, "y"},
                             // a lone start marker: the worker and the live fetch match the whole source
                             RegionCase{kWorker, "xAyBz", "A", "", kReady, "xAyBz"},
                             RegionCase{kLive, "xyz", "A", "", kReady, "xyz"},
                             RegionCase{kTest, "xAyBz", "A", "", kReady, "xAyBz"},
                             RegionCase{kTest, "xyz", "A", "", RegionStatus::StartMarkerMissing, ""},
                             RegionCase{kTest, "", "A", "", RegionStatus::StartMarkerMissing, ""},
                             // an end marker alone is ignored
                             RegionCase{kWorker, "xAyBz", "", "B", kReady, "xAyBz"},
                             // nothing fetched
                             RegionCase{kWorker, "", "A", "B", RegionStatus::EmptySource, ""},
                             RegionCase{kLive, "", "", "", RegionStatus::EmptySource, ""},
                             RegionCase{kTest, "", "", "", RegionStatus::EmptySource, ""},
                             // only the rule test normalises again: "a ' b" then loses its double space
                             RegionCase{kTest, "a  b", "", "", kReady, "a b"},
                             RegionCase{kWorker, "a  b", "", "", kReady, "a  b"},
                             RegionCase{kTest, "'", "", "", RegionStatus::EmptySource, ""}));

TEST(CallerSteps, SpeakEachCallersWords) {
  EXPECT_EQ(failureMessage(kWorker, RegionStatus::EmptySource), "源码为空或无效，请检查网络或有效标记！");
  EXPECT_EQ(failureMessage(kWorker, RegionStatus::EmptyRegion), "截取源码为空或无效，请检查网络或区域标记！");
  EXPECT_EQ(failureMessage(kLive, RegionStatus::EmptySource),
            "\r\n截取源码为空，请检查 采集区域设置、源站能否访问！");
  EXPECT_EQ(failureMessage(kLive, RegionStatus::EmptyRegion), kLiveFetchEmptySourceMessage);
  EXPECT_EQ(failureMessage(kTest, RegionStatus::EmptySource),
            "出错！截取源码为空，可能原因是：\r\n1、网站无法访问\r\n1、网站需要设置cookie或协议头才能访问\r\n"
            "3、采集区域 设置不当");
  EXPECT_EQ(failureMessage(kTest, RegionStatus::EmptyRegion), kRuleTestEmptySourceMessage);
  EXPECT_EQ(failureMessage(kTest, RegionStatus::StartMarkerMissing),
            "出错！截取源码为空，可能原因是：\r\n1、网站访问失败\r\n2、有效标记 设置错了");
  EXPECT_EQ(failureMessage(kWorker, RegionStatus::Ready), "");
}

TEST(CallerSteps, DifferInMarkersAndOrder) {
  EXPECT_TRUE(fetchGetsMarkers(kTest));
  EXPECT_TRUE(fetchGetsMarkers(kWorker));
  EXPECT_FALSE(fetchGetsMarkers(kLive));
  EXPECT_TRUE(usesLastMatchFirst(kWorker));
  EXPECT_FALSE(usesLastMatchFirst(kTest));
  EXPECT_FALSE(usesLastMatchFirst(kLive));
}

ArticleRule ruleWith(int decodeMode) {
  ArticleRule rule;
  rule.titleField = 2;
  rule.idField = 1;
  rule.urlTemplate = "/news/[1].htm";
  rule.urlRefs = scanTemplateRefs(rule.urlTemplate);
  rule.extraTemplate = "[3] [99]";
  rule.extraRefs = scanTemplateRefs(rule.extraTemplate);
  rule.decodeMode = decodeMode;
  return rule;
}

const Match kMatch{{"whole", "9876543210123", "%D6%D0", "%CE%C4"}};

TEST(CallerSteps, WorkerDecodesTheTitleOnlyAndReadsTheId) {
  const ArticleFields article = workerArticle(ruleWith(kDecodePercentGbk), kMatch);
  EXPECT_EQ(article.address, "/news/9876543210123.htm");
  EXPECT_EQ(article.title, "中");
  EXPECT_EQ(article.extra, "%CE%C4 ");
  EXPECT_EQ(article.id, 9876543210123);  // beyond 32 bits
}

TEST(CallerSteps, LiveFetchDecodesTitleAndExtraInfo) {
  const ArticleFields article = liveArticle(ruleWith(kDecodePercentGbk), kMatch);
  EXPECT_EQ(article.address, "/news/9876543210123.htm");
  EXPECT_EQ(article.title, "中");
  EXPECT_EQ(article.extra, "文 ");
  EXPECT_EQ(article.id, 0);
}

TEST(CallerSteps, NoDecodingLeavesTextsAndAnUnknownModeEmptiesTheTitle) {
  EXPECT_EQ(workerArticle(ruleWith(kDecodeNone), kMatch).title, "%D6%D0");
  EXPECT_EQ(workerArticle(ruleWith(4), kMatch).title, "");
}

TEST(CallerSteps, FieldNumbersOutsideTheMatchReadAsEmpty) {
  ArticleRule rule = ruleWith(kDecodeNone);
  rule.titleField = -1;
  rule.idField = 99;
  const ArticleFields article = workerArticle(rule, kMatch);
  EXPECT_EQ(article.title, "");
  EXPECT_EQ(article.id, 0);
}

TEST(CallerSteps, RuleTestDecodesOnlyTheTitleColumn) {
  EXPECT_EQ(ruleTestCells(kMatch, 2, kDecodePercentGbk),
            (std::vector<std::string>{"whole", "9876543210123", "中", "%CE%C4"}));
  EXPECT_EQ(ruleTestCells(kMatch, 2, 0), kMatch.fields);
  EXPECT_EQ(ruleTestCells(kMatch, 7, kDecodePercentGbk), kMatch.fields);
  EXPECT_EQ(ruleTestCells(kMatch, -1, kDecodePercentGbk), kMatch.fields);
}

}  // namespace
}  // namespace zorvqi
