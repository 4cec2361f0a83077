#include "extract/rule_checks.h"

#include <array>
#include <bitset>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

struct TokenPair {
  std::string_view placeholder;
  std::string_view token;
};

constexpr std::array<TokenPair, 4> kTokens = {{
    {"[int]", "k_int_k"},
    {"[int0]", "k_int0_k"},
    {"[var]", "k_var_k"},
    {"[var0]", "k_var0_k"},
}};

constexpr std::string_view kCountedCharacters = "()*?+$^|{}[]";
constexpr std::string_view kEscapedCharacters = "*?+$^[](){}|";

}  // namespace

const char* const kRuleHintText = "要采集的文本、数值分别用 [var]、[int] 表示，[var0]、[int0]则表示隐藏匹配";
const char* const kEmptyLineTitle = "有空行，请先处理";
const char* const kEmptyLineText = "规则编辑框有空行！请手动删除空行或过滤符号";
const char* const kEscapeQuestionTitle = "请选择操作：";
const char* const kEscapeQuestionText =
    "请注意，匹配规则中发现特殊字符如 *?+$^()[]{}| （可导致程序出错）可能需要在它们前加\\，是否智能添加\\？"
    "\r\n\r\n是：软件将自动添加并继续测试\r\n否：不添加并继续测试\r\n取消：取消本次测试，返回手动修改";

bool holdsNoRule(std::string_view ruleBoxText) {
  return ruleBoxText == kRuleHintText;
}

bool hasLineBreak(std::string_view advancedRule) {
  return advancedRule.find_first_of("\r\n") != std::string_view::npos;
}

std::string maskPlaceholders(std::string_view rule) {
  std::string out(rule);
  for (const TokenPair& pair : kTokens) out = gbkReplaceAll(out, pair.placeholder, pair.token);
  return out;
}

std::string unmaskPlaceholders(std::string_view masked) {
  std::string out(masked);
  for (const TokenPair& pair : kTokens) out = gbkReplaceAll(out, pair.token, pair.placeholder);
  return out;
}

SpecialCharacterCount countSpecialCharacters(std::string_view masked) {
  std::bitset<kCountedCharacters.size()> seen;
  SpecialCharacterCount count;
  for (std::size_t pos = 0; pos < masked.size(); pos += gbkCharLength(masked, pos)) {
    if (gbkCharLength(masked, pos) != 1) continue;
    if (masked[pos] == '\\') ++count.backslashes;
    const std::size_t which = kCountedCharacters.find(masked[pos]);
    if (which != std::string_view::npos) seen.set(which);
  }
  count.distinct = static_cast<int>(seen.count());
  return count;
}

bool shouldOfferEscaping(const SpecialCharacterCount& count) {
  return count.distinct >= 1 && count.backslashes < count.distinct;
}

std::string escapeSpecialCharacters(std::string_view masked) {
  std::string out(masked);
  for (const char c : kEscapedCharacters) {
    const char plain[] = {c, '\0'};
    const char escaped[] = {'\\', c, '\0'};
    out = gbkReplaceAll(out, plain, escaped);
  }
  return out;
}

std::optional<std::string> ruleAfterEscapeChoice(std::string_view rule, EscapeChoice choice) {
  std::string masked = maskPlaceholders(rule);
  if (shouldOfferEscaping(countSpecialCharacters(masked))) {
    if (choice == EscapeChoice::Cancel) return std::nullopt;
    if (choice == EscapeChoice::Escape) masked = escapeSpecialCharacters(masked);
  }
  return unmaskPlaceholders(masked);
}

std::optional<std::string> prepareRuleForTest(std::string_view rule, Dialogs& dialogs) {
  if (!shouldOfferEscaping(countSpecialCharacters(maskPlaceholders(rule)))) {
    return ruleAfterEscapeChoice(rule, EscapeChoice::Keep);
  }
  const DialogAnswer answer = dialogs.message(kEscapeQuestionText, kEscapeQuestionTitle, DialogIcon::Question,
                                              DialogButtons::YesNoCancel);
  const EscapeChoice choice = answer == DialogAnswer::Yes  ? EscapeChoice::Escape
                              : answer == DialogAnswer::No ? EscapeChoice::Keep
                                                           : EscapeChoice::Cancel;
  return ruleAfterEscapeChoice(rule, choice);
}

}  // namespace zorvqi
