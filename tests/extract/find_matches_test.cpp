#include "extract/find_matches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/normalise_source.h"

namespace zorvqi {
namespace {

using Fields = std::vector<std::vector<std::string>>;

Fields fieldsOf(const std::vector<Match>& matches) {
  Fields out;
  for (const Match& match : matches) out.push_back(match.fields);
  return out;
}

struct MatchCase {
  const char* expression;
  std::string source;
  Fields expected;
};

class FindMatchesTable : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindMatchesTable, FindsEveryMatchInPageOrder) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(fieldsOf(findMatches(c.expression, c.source)), c.expected)
      << c.expression << " over " << ::testing::PrintToString(c.source);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMatchesTable,
    ::testing::Values(
        MatchCase{"a(.*?)b(\\d*)c", "a1b2c a3b4c", {{"a1b2c", "1", "2"}, {"a3b4c", "3", "4"}}},
        MatchCase{"<LI>(.*?)</li>", "<li>x</LI><Li>y</lI>", {{"<li>x</LI>", "x"}, {"<Li>y</lI>", "y"}}},
        MatchCase{"aa", "aaaaa", {{"aa"}, {"aa"}}},               // no overlap
        MatchCase{"a(.)b", "a\nb", {{"a\nb", "\n"}}},             // "." takes line breaks
        MatchCase{"^(\\w)", "ab\ncd", {{"a", "a"}, {"c", "c"}}},  // "^" at line starts
        MatchCase{"(\\w)$", "ab\ncd", {{"b", "b"}, {"d", "d"}}},  // "$" at line ends
        MatchCase{"^x", "xx", {{"x"}}},                           // a later search is not at a line start
        MatchCase{"\\Ax", "xx", {{"x"}}},                         //
        MatchCase{"\\b\\d", "12 3", {{"1"}, {"3"}}},              // the text before stays context
        MatchCase{"(a)|(b)", "ba", {{"b", "", "b"}, {"a", "a", ""}}},  // a group not taking part is empty
        MatchCase{"(\\d*)", "ab", {{"", ""}}},                         // empty at the start: stop
        MatchCase{"x*", "", {{""}}},                                   //
        MatchCase{"(\\d*)", "12ab34", {{"12", "12"}, {"", ""}, {"", ""}, {"34", "34"}, {"", ""}}},
        MatchCase{"b*", "abba", {{""}}},           // empty at the start ends the search
        MatchCase{"(?=b)", "abab", {{""}, {""}}},  // empty elsewhere: step past it
        MatchCase{"中(.*?)文", "中一文中二文", {{"中一文", "一"}, {"中二文", "二"}}},
        // bytes, not characters: "\xD0\xD3" spans the end of 中 and the start of 有
        MatchCase{"\xD0\xD3", "中有", {{"\xD0\xD3"}}},
        // case folding touches ASCII letters only
        MatchCase{"\xC4\xA1", "\xE4\xA1", {}},  //
        MatchCase{"[var]", "v", {{"v"}}},       // not a placeholder: a class
        MatchCase{"nothing", "abc", {}},        //
        MatchCase{"(a", "(a", {}},              // does not compile
        MatchCase{"a)", "a)", {}},              //
        MatchCase{"a{2,1}", "aa", {}},          //
        MatchCase{"", "ab", {{""}}}));

TEST(FindMatches, ReportsWhyNothingWasFound) {
  EXPECT_EQ(searchMatches("(a", "a").status, MatchStatus::BadExpression);
  const MatchList none = searchMatches("(x)(y)", "abc");
  EXPECT_EQ(none.status, MatchStatus::Searched);
  EXPECT_EQ(none.groupCount, 2);
  EXPECT_TRUE(none.matches.empty());
}

TEST(FindMatches, FieldsOutsideTheMatchAreEmpty) {
  const std::vector<Match> matches = findMatches("a(b)", "ab");
  ASSERT_EQ(matches.size(), 1u);
  const Match& match = matches[0];
  EXPECT_EQ(match.groupCount(), 1);
  EXPECT_EQ(match.field(0), "ab");
  EXPECT_EQ(match.field(1), "b");
  EXPECT_EQ(match.field(2), "");
  EXPECT_EQ(match.field(-1), "");
  EXPECT_EQ(match.field(99), "");
}

TEST(FindMatches, ARuleWithASingleQuoteNeverMatchesANormalisedSource) {
  const std::string source = normaliseSource("<a title='x'>it's</a>");
  EXPECT_TRUE(findMatches("it's", source).empty());
  EXPECT_TRUE(findMatches("title='(.*?)'", source).empty());
  EXPECT_EQ(findMatches("title=(.*?)>", source).size(), 1u);
}

TEST(FindMatches, NestedLazyGroupsOverAHugePageAreAbandoned) {
  const std::string page(24 * 1024 * 1024, 'a');
  const MatchList list = searchMatches("((.*?)*?)*?z", page);
  EXPECT_EQ(list.status, MatchStatus::Abandoned);
  EXPECT_TRUE(list.matches.empty());
}

TEST(FindMatches, AnAbandonedSearchDropsTheMatchesFoundBeforeIt) {
  // the first match is quick; the search after it backtracks without end and is abandoned
  const std::string page = "ab" + std::string(2000, 'a');
  const MatchList list = searchMatches("(a|aa)*b", page);
  EXPECT_EQ(list.status, MatchStatus::Abandoned);
  EXPECT_TRUE(list.matches.empty());
}

TEST(FindMatches, FindsEveryItemOfALongPage) {
  std::string page;
  for (int i = 0; i < 5000; ++i)
    page += "<li><a href=/a/" + std::to_string(i) + ".htm>t" + std::to_string(i) + "</a></li>";
  const std::vector<Match> matches = findMatches("<li><a href=(.*?)>(.*?)</a></li>", page);
  ASSERT_EQ(matches.size(), 5000u);
  EXPECT_EQ(matches.front().field(1), "/a/0.htm");
  EXPECT_EQ(matches.back().field(2), "t4999");
}

// A hostile page of empty matches would otherwise hold one match per byte.
TEST(FindMatches, StopsAtTheMatchCapAndSaysSo) {
  const std::string page(kMaxMatches + 500, 'x');
  const MatchList capped = searchMatches("(x?)", page);
  EXPECT_EQ(capped.status, MatchStatus::Searched);
  EXPECT_TRUE(capped.capped);
  ASSERT_EQ(capped.matches.size(), kMaxMatches);
  EXPECT_EQ(capped.matches.back().field(1), "x");
  EXPECT_EQ(findMatches("x", page).size(), kMaxMatches);

  const MatchList exact = searchMatches("x", page.substr(0, kMaxMatches));
  EXPECT_FALSE(exact.capped);
  EXPECT_EQ(exact.matches.size(), kMaxMatches);
  EXPECT_EQ(kMaxMatches, 100000u);
  EXPECT_EQ(kTooManyMatchesMessage, "匹配数超过 100000，其余忽略");
}

}  // namespace
}  // namespace zorvqi
