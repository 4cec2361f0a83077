#include "extract/rule_checks.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct CountCase {
  const char* name;
  std::string rule;
  int distinct;
  int backslashes;
  bool asks;
  std::string escaped;  // what Yes writes back
};

class SpecialCharacters : public ::testing::TestWithParam<CountCase> {};

TEST_P(SpecialCharacters, CountsAsksAndEscapes) {
  const CountCase& c = GetParam();
  const SpecialCharacterCount count = countSpecialCharacters(maskPlaceholders(c.rule));
  EXPECT_EQ(count.distinct, c.distinct);
  EXPECT_EQ(count.backslashes, c.backslashes);
  EXPECT_EQ(shouldOfferEscaping(count), c.asks);
  EXPECT_EQ(ruleAfterEscapeChoice(c.rule, EscapeChoice::Escape), c.escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SpecialCharacters,
    ::testing::Values(CountCase{"Parentheses", "x(1)", 2, 0, true, "x\\(1\\)"},
                      CountCase{"EscapedDots", "\\.\\.(", 1, 2, false, "\\.\\.("},
                      CountCase{"ExistingEscapeIsDoubled", "a\\(b)", 2, 1, true, "a\\\\(b\\)"},
                      CountCase{"OnlyPlaceholders", "[var][int]", 0, 0, false, "[var][int]"},
                      CountCase{"PlaceholdersKeptWhileEscaping", "<a>[var]</a>(共[int]页)", 2, 0, true,
                                "<a>[var]</a>\\(共[int]页\\)"},
                      CountCase{"AllTwelve", "()*?+$^|{}[]", 12, 0, true,
                                "\\(\\)\\*\\?\\+\\$\\^\\|\\{\\}\\[\\]"},
                      CountCase{"RepeatsCountOnce", "a+b+c+", 1, 0, true, "a\\+b\\+c\\+"},
                      CountCase{"EnoughBackslashes", "\\d+\\s*", 2, 2, false, "\\d+\\s*"},
                      CountCase{"CasedPlaceholderIsBrackets", "[VAR]", 2, 0, true, "\\[VAR\\]"},
                      CountCase{"NoSpecials", "<li class=x>", 0, 0, false, "<li class=x>"},
                      CountCase{"Empty", "", 0, 0, false, ""},
                      // 0x5C and 0x5B as second bytes of GBK characters are neither backslash nor bracket.
                      CountCase{"GbkSecondBytes", "\x81\x5C\x81\x5B(", 1, 0, true, "\x81\x5C\x81\x5B\\("}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleChecks, NoAndCancelOnlyMatterWhenAsked) {
  EXPECT_EQ(ruleAfterEscapeChoice("x(1)", EscapeChoice::Keep), "x(1)");
  EXPECT_EQ(ruleAfterEscapeChoice("x(1)", EscapeChoice::Cancel), std::nullopt);
  EXPECT_EQ(ruleAfterEscapeChoice("[var][int]", EscapeChoice::Cancel), "[var][int]");
}

TEST(RuleChecks, TokensTurnBackInOrder) {
  const std::string rule = "[int][int0][var][var0]";
  EXPECT_EQ(maskPlaceholders(rule), "k_int_kk_int0_kk_var_kk_var0_k");
  EXPECT_EQ(unmaskPlaceholders(maskPlaceholders(rule)), rule);
}

TEST(RuleChecks, AdvancedRuleWithLineBreakIsRefused) {
  EXPECT_TRUE(hasLineBreak("<a>[var]</a>\r\n"));
  EXPECT_TRUE(hasLineBreak("<a>\r\n[var]</a>"));
  EXPECT_TRUE(hasLineBreak("<a>[var]</a>\n"));
  EXPECT_FALSE(hasLineBreak("<a>[var]</a>"));
  EXPECT_FALSE(hasLineBreak(""));
}

TEST(RuleChecks, HintTextCountsAsNoRule) {
  EXPECT_TRUE(holdsNoRule(kRuleHintText));
  EXPECT_FALSE(holdsNoRule(std::string(kRuleHintText) + " "));
  EXPECT_FALSE(holdsNoRule(""));
}

TEST(RuleChecks, DialogIsAskedOnceWithItsTexts) {
  RecordingDialogs dialogs;
  dialogs.queueAnswer(DialogAnswer::Yes);
  EXPECT_EQ(prepareRuleForTest("x(1)", dialogs), "x\\(1\\)");
  const auto shown = dialogs.shown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "请选择操作：");
  EXPECT_EQ(shown[0].buttons, DialogButtons::YesNoCancel);
  EXPECT_EQ(shown[0].text,
            "请注意，匹配规则中发现特殊字符如 *?+$^()[]{}| （可导致程序出错）可能需要在它们前加\\，"
            "是否智能添加\\？\r\n\r\n是：软件将自动添加并继续测试\r\n否：不添加并继续测试\r\n"
            "取消：取消本次测试，返回手动修改");
}

TEST(RuleChecks, DialogAnswersNoAndCancel) {
  RecordingDialogs dialogs;
  dialogs.queueAnswer(DialogAnswer::No);
  dialogs.queueAnswer(DialogAnswer::Cancel);
  EXPECT_EQ(prepareRuleForTest("a\\(b)", dialogs), "a\\(b)");
  EXPECT_EQ(prepareRuleForTest("a\\(b)", dialogs), std::nullopt);
}

TEST(RuleChecks, NoDialogWhenNothingToAsk) {
  RecordingDialogs dialogs;
  EXPECT_EQ(prepareRuleForTest("\\.\\.(", dialogs), "\\.\\.(");
  EXPECT_EQ(prepareRuleForTest("[var0][var][int0][int]", dialogs), "[var0][var][int0][int]");
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace zorvqi
