#include "extract/rule_syntax.h"

#include <gtest/gtest.h>

#include <boost/regex.hpp>

namespace zorvqi {
namespace {

struct ConversionCase {
  const char* name;
  std::string from;
  std::string to;
};

class ToExpression : public ::testing::TestWithParam<ConversionCase> {};
TEST_P(ToExpression, Converts) {
  EXPECT_EQ(toExpression(GetParam().from), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ToExpression,
    ::testing::Values(ConversionCase{"Fields", "a[var]b[int]c", "a(.*?)b(\\d*)c"},
                      ConversionCase{"Hidden", "[var0]x[int0]", ".*?x\\d*"},
                      ConversionCase{"Var0NotTouchedByVar", "[var0]", ".*?"},
                      ConversionCase{"AllFour", "[var][var0][int][int0]", "(.*?).*?(\\d*)\\d*"},
                      ConversionCase{"CaseSensitive", "x[Var]y[INT]", "x[Var]y[INT]"},
                      ConversionCase{"NoPlaceholders", "<a href=\"x\">", "<a href=\"x\">"},
                      ConversionCase{"Chinese", "标题：[var]</a>", "标题：(.*?)</a>"},
                      ConversionCase{"Nested", "[[var]]", "[(.*?)]"},
                      ConversionCase{"InsideSql", "insert into rule(regular) values('<a>[var]</a>')",
                                     "insert into rule(regular) values('<a>(.*?)</a>')"},
                      ConversionCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class ToPattern : public ::testing::TestWithParam<ConversionCase> {};
TEST_P(ToPattern, Converts) {
  EXPECT_EQ(toPattern(GetParam().from), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, ToPattern,
    ::testing::Values(ConversionCase{"Fields", "a(.*?)b(\\d*)c", "a[var]b[int]c"},
                      ConversionCase{"HandTypedGroup", "(.*?)", "[var]"},
                      ConversionCase{"HandTypedLazy", ".*?", "[var0]"},
                      ConversionCase{"Digits", "(\\d*)x\\d*", "[int]x[int0]"},
                      ConversionCase{"GroupedBeforeBare", "(.*?).*?", "[var][var0]"},
                      ConversionCase{"OtherRegexStays", "(\\d+)(.+?)\\s*", "(\\d+)(.+?)\\s*"},
                      ConversionCase{"NoPlaceholders", "<li>", "<li>"}, ConversionCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleSyntax, ExpressionWithoutPlaceholdersIsStableUnderConversion) {
  for (const std::string expression : {"<a href=\"[^\"]+\">", "\\d+\\.html", "中文(\\w+)"}) {
    EXPECT_EQ(toExpression(expression), expression);
    EXPECT_EQ(toExpression(toExpression(expression)), expression);
  }
}

TEST(RuleSyntax, PatternsSurviveTheRoundTrip) {
  for (const std::string pattern : {"a[var]b[int]c", "<li>[var0]<a href=\"[var]\">[var]</a>[int0]</li>",
                                    "[int][int0][var0][var]", "标题[var]"}) {
    EXPECT_EQ(toPattern(toExpression(pattern)), pattern);
  }
}

TEST(RuleSyntax, FieldsAreNumberedFromTheLeft) {
  const boost::regex rule(toExpression("<a href=\"/t/[int].html\">[var]</a>[var0]<i>[int]</i>"),
                          boost::regex::perl | boost::regex::icase);
  boost::smatch match;
  const std::string source = "<li><a href=\"/t/42.html\">新文章</a> by x <i>7</i></li>";
  ASSERT_TRUE(boost::regex_search(source, match, rule));
  ASSERT_EQ(rule.mark_count(), 3u);
  EXPECT_EQ(match[1].str(), "42");
  EXPECT_EQ(match[2].str(), "新文章");
  EXPECT_EQ(match[3].str(), "7");
}

TEST(RuleSyntax, PlaceholderTableMatchesTheConversion) {
  for (const Placeholder& placeholder : placeholders()) {
    EXPECT_EQ(toExpression(placeholder.token), placeholder.fragment);
    EXPECT_EQ(toPattern(placeholder.fragment), placeholder.token);
    EXPECT_EQ(std::string(placeholder.menuCaption).rfind(placeholder.token, 0), 0u);
  }
  EXPECT_TRUE(placeholders()[0].captures);
  EXPECT_FALSE(placeholders()[3].captures);
}

}  // namespace
}  // namespace zorvqi
