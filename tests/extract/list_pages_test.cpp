// A plan's steps (normalise, cut, match, compose) on whole list pages: two small fixtures
// made for this suite, and real pages saved from real sites where they are present.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "extract/caller_steps.h"
#include "extract/find_matches.h"
#include "extract/normalise_source.h"
#include "support/temp_dir.h"
#include "text/charset.h"
#include "text/gbk_string.h"
#include "text/template_refs.h"

namespace zorvqi {
namespace {

using testing::readFileBytes;
using testing::realPagesDir;
using testing::testDataDir;

// The pattern <li><a href="[var]"[var0]>[var]</a>[var0]<span>[var]</span><em>[int]</em></li>
const std::string kListRule = "<li><a href=\"(.*?)\".*?>(.*?)</a>.*?<span>(.*?)</span><em>(\\d*)</em></li>";

std::vector<Match> planMatches(const std::string& fetchedGbk) {
  const Region region =
      regionToMatch(ExtractCaller::PlanWorker, normaliseSource(fetchedGbk), "id=#引号news#引号>", "</ul>");
  EXPECT_EQ(region.status, RegionStatus::Ready);
  return findMatches(kListRule, region.text);
}

void expectFixtureRows(const std::vector<Match>& matches) {
  const std::vector<std::vector<std::string>> expected = {
      {"<li><a href=\"/news/1001.htm\" title=第一条>第一条：开学通知</a> "
       "<span>2024-03-01</span><em>1001</em></li>",
       "/news/1001.htm", "第一条：开学通知", "2024-03-01", "1001"},
      {"<li><a href=\"/news/1002.htm\">关于\"五一\"放假的安排</a> <span>2024-04-28</span><em>1002</em></li>",
       "/news/1002.htm", "关于\"五一\"放假的安排", "2024-04-28", "1002"},
      {"<li><a href=\"/news/1003.htm\">招聘 <实习生> 100%</a><span>2024-05-06</span><em>1003</em></li>",
       "/news/1003.htm", "招聘 <实习生> 100%", "2024-05-06", "1003"},
  };
  ASSERT_EQ(matches.size(), expected.size());
  for (std::size_t row = 0; row < expected.size(); ++row) {
    ASSERT_EQ(matches[row].fields.size(), expected[row].size()) << "row " << row;
    for (std::size_t cell = 0; cell < expected[row].size(); ++cell) {
      EXPECT_EQ(gbkToUtf8(matches[row].fields[cell]), gbkToUtf8(expected[row][cell]))
          << "row " << row << " cell " << cell;
    }
  }
}

TEST(ListPages, GbkFixtureGivesEveryCell) {
  expectFixtureRows(planMatches(readFileBytes(testDataDir() / "list_gbk.html")));
}

TEST(ListPages, Utf8FixtureGivesTheSameCellsOnceInGbk) {
  expectFixtureRows(planMatches(utf8ToGbk(readFileBytes(testDataDir() / "list_utf8.html"))));
}

TEST(ListPages, FixtureArticlesComposeAsTheWorkerStoresThem) {
  const std::vector<Match> matches = planMatches(readFileBytes(testDataDir() / "list_gbk.html"));
  ASSERT_EQ(matches.size(), 3u);
  ArticleRule rule;
  rule.titleField = 2;
  rule.idField = 4;
  rule.urlTemplate = "http://news.example.cn[1]";
  rule.urlRefs = scanTemplateRefs(rule.urlTemplate);
  rule.extraTemplate = "[3] 编号[4]";
  rule.extraRefs = scanTemplateRefs(rule.extraTemplate);
  const ArticleFields last = workerArticle(rule, matches.back());
  EXPECT_EQ(last.address, "http://news.example.cn/news/1003.htm");
  EXPECT_EQ(last.title, "招聘 <实习生> 100%");
  EXPECT_EQ(last.extra, "2024-05-06 编号1003");
  EXPECT_EQ(last.id, 1003);
}

std::size_t countOccurrences(std::string_view text, std::string_view needle) {
  std::size_t count = 0;
  for (std::size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1))
    ++count;
  return count;
}

TEST(RealPages, HackerNewsTitlesInPageOrder) {
  const std::filesystem::path page = realPagesDir() / "hacker_news.html";
  if (!std::filesystem::exists(page)) GTEST_SKIP() << "no saved real pages at " << page;
  const std::string source = normaliseSource(utf8ToGbk(readFileBytes(page)));
  const std::vector<Match> matches = findMatches("<td class=\"title\"><a href=\"(.*?)\">(.*?)</a>", source);
  ASSERT_EQ(matches.size(), countOccurrences(source, "<td class=\"title\"><a href=\""));
  ASSERT_GE(matches.size(), 3u);
  EXPECT_EQ(matches[0].field(1),
            "http://www.washingtonpost.com/sf/investigative/2014/09/06/stop-and-seize/?hpid=z2");
  EXPECT_EQ(matches[0].field(2), "Stop and Seize");
  EXPECT_EQ(matches[2].field(2), "Show HN: Linkwok- Picking up where search engines left off");
  for (const Match& match : matches) EXPECT_FALSE(gbkContains(match.field(2), "</a>")) << match.field(0);
  // the points of each story, read as numbers
  const std::vector<Match> scores = findMatches("id=\"score_(\\d*)\">(\\d*) points", source);
  EXPECT_EQ(scores.size(), 30u);
}

TEST(RealPages, XinhuaGbkLinksWithChineseTitles) {
  const std::filesystem::path page = realPagesDir() / "xinhua.gbk.html";
  if (!std::filesystem::exists(page)) GTEST_SKIP() << "no saved real pages at " << page;
  const std::string source = normaliseSource(readFileBytes(page));
  const std::vector<Match> matches = findMatches("<li><a href=\"([^\"]*)\"[^>]*>([^<]*)</a></li>", source);
  ASSERT_GE(matches.size(), 5u);
  EXPECT_EQ(matches[0].field(1), "#ad_text");
  EXPECT_EQ(matches[0].field(2), "头条");
  EXPECT_EQ(matches[4].field(1), "http://www.zgpaw.com.cn/");
  EXPECT_EQ(matches[4].field(2), "中国平安网");
}

}  // namespace
}  // namespace zorvqi
