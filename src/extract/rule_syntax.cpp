#include "extract/rule_syntax.h"

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

struct Replacement {
  std::string_view from;
  std::string_view to;
};

std::string replaceInOrder(std::string_view text, const std::array<Replacement, 4>& passes) {
  std::string out(text);
  for (const Replacement& pass : passes) out = gbkReplaceAll(out, pass.from, pass.to);
  return out;
}

}  // namespace

const std::array<Placeholder, 4>& placeholders() {
  static const std::array<Placeholder, 4> table = {{
      {"[var]", "(.*?)", true, "[var]匹配文本"},
      {"[int]", "(\\d*)", true, "[int]匹配整数"},
      {"[var0]", ".*?", false, "[var0]无用动态文本变量"},
      {"[int0]", "\\d*", false, "[int0]无用动态整数变量"},
  }};
  return table;
}

RuleExpression toExpression(std::string_view pattern) {
  return replaceInOrder(pattern,
                        {{{"[var]", "(.*?)"}, {"[var0]", ".*?"}, {"[int]", "(\\d*)"}, {"[int0]", "\\d*"}}});
}

RulePattern toPattern(std::string_view expression) {
  return replaceInOrder(expression,
                        {{{"(.*?)", "[var]"}, {".*?", "[var0]"}, {"(\\d*)", "[int]"}, {"\\d*", "[int0]"}}});
}

}  // namespace zorvqi
