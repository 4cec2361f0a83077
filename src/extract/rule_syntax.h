// Match rules in the user's placeholder form (`RulePattern`) and in regular-expression form
// (`RuleExpression`), and the conversions between them.
//
// Contract: a pattern is page source written literally, with the placeholders "[var]" (a
// captured text, as short as possible), "[int]" (a captured run of digits, maybe empty),
// "[var0]" and "[int0]" (the same, not captured); everything else in it is regular-expression
// syntax already. `toExpression` replaces, in this order, every "[var]", "[var0]", "[int]" and
// "[int0]" by "(.*?)", ".*?", "(\d*)" and "\d*"; `toPattern` replaces, in this order, every
// "(.*?)", ".*?", "(\d*)" and "\d*" by "[var]", "[var0]", "[int]" and "[int0]", so that a
// grouped form goes before the bare form inside it. Replacement is case-sensitive ("[VAR]"
// stays as it is), left to right, without overlap, and steps over GBK double-byte characters.
// Both take and give GBK text and never fail; text without placeholders passes unchanged.
// Thread safety: pure functions.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zorvqi {

using RulePattern = std::string;
using RuleExpression = std::string;

struct Placeholder {
  const char* token;        // as written in a pattern
  const char* fragment;     // what it stands for in an expression
  bool captures;            // whether it makes a field
  const char* menuCaption;  // the caption of its item in the rule box's context menu
};

// The placeholders in the order the context menu lists them.
const std::array<Placeholder, 4>& placeholders();

RuleExpression toExpression(std::string_view pattern);
RulePattern toPattern(std::string_view expression);

}  // namespace zorvqi
