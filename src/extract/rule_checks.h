// The checks a rule goes through before the plan editor tests it, and their texts.
//
// Contract (all texts GBK):
// - `holdsNoRule`: the rule box holds nothing but the hint text.
// - `hasLineBreak`: the advanced rule editor's text holds a line break (CR LF, or a lone CR or
//   LF as a text editor may give it); such a rule is refused with kEmptyLineTitle/-Text.
// - The special-character check runs on a masked copy of the rule, in which "[int]",
//   "[int0]", "[var]" and "[var0]" have been replaced, in this order, by "k_int_k",
//   "k_int0_k", "k_var_k" and "k_var0_k", so that placeholder brackets are not counted.
//   `countSpecialCharacters` gives K, the number of distinct characters among
//   ( ) * ? + $ ^ | { } [ ] in it, and B, its number of backslashes. The user is asked
//   (kEscapeQuestionTitle/-Text, Yes/No/Cancel) when K >= 1 and B < K. Yes puts a backslash
//   before every one of * ? + $ ^ [ ] ( ) { } | (one character after the other, existing
//   backslashes untouched, so an escape already there is doubled); No keeps the copy; Cancel
//   stops the test. `unmaskPlaceholders` turns the tokens back, in the same order.
// Counting and replacing step over GBK double-byte characters: a second byte that happens to
// equal "\" or "[" is no such character.
// Thread safety: pure functions, except that `prepareRuleForTest` calls the dialogs it is given.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/dialogs.h"

namespace zorvqi {

extern const char* const kRuleHintText;
extern const char* const kEmptyLineTitle;
extern const char* const kEmptyLineText;
extern const char* const kEscapeQuestionTitle;
extern const char* const kEscapeQuestionText;

bool holdsNoRule(std::string_view ruleBoxText);
bool hasLineBreak(std::string_view advancedRule);

std::string maskPlaceholders(std::string_view rule);
std::string unmaskPlaceholders(std::string_view masked);

struct SpecialCharacterCount {
  int distinct = 0;     // K
  int backslashes = 0;  // B
};

SpecialCharacterCount countSpecialCharacters(std::string_view masked);
bool shouldOfferEscaping(const SpecialCharacterCount& count);
std::string escapeSpecialCharacters(std::string_view masked);

enum class EscapeChoice { Escape, Keep, Cancel };

// The rule as it goes back into the rule box after the check, with the user's `choice`
// (consulted only when the question is asked); nothing when the test is cancelled.
std::optional<std::string> ruleAfterEscapeChoice(std::string_view rule, EscapeChoice choice);

// The whole special-character step: asks through `dialogs` when the check calls for it and
// gives the rule to write back, or nothing when the user cancelled.
std::optional<std::string> prepareRuleForTest(std::string_view rule, Dialogs& dialogs);

}  // namespace zorvqi
