// libFuzzer target: toExpression, toPattern and the special-character checks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "extract/rule_checks.h"
#include "extract/rule_syntax.h"

namespace {

bool holdsAnyOf(const std::string& text, const char* characters) {
  return text.find_first_of(characters) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::string expression = zorvqi::toExpression(text);
  // Every expression fragment holds a "." or a backslash.
  if (!holdsAnyOf(text, ".\\") && zorvqi::toPattern(text) != text) std::abort();
  // Without characters of the expression fragments, a pattern survives the round trip.
  if (!holdsAnyOf(text, "().*?\\") && zorvqi::toPattern(expression) != text) std::abort();
  if (!holdsAnyOf(text, "[") && expression != text) std::abort();

  const std::string masked = zorvqi::maskPlaceholders(text);
  // A rule holding "_" may meet a token across a placeholder's edge ("k[var]_int0_k").
  if (!holdsAnyOf(text, "_") && zorvqi::unmaskPlaceholders(masked) != text) std::abort();
  const auto count = zorvqi::countSpecialCharacters(masked);
  if (count.distinct < 0 || count.distinct > 12 || count.backslashes < 0) std::abort();
  const std::string escaped = zorvqi::escapeSpecialCharacters(masked);
  if (escaped.size() < masked.size()) std::abort();
  // Escaping puts a backslash before every special character, so it never asks twice.
  if (zorvqi::shouldOfferEscaping(zorvqi::countSpecialCharacters(escaped))) std::abort();
  if (zorvqi::ruleAfterEscapeChoice(text, zorvqi::EscapeChoice::Keep) != zorvqi::unmaskPlaceholders(masked)) {
    std::abort();
  }
  return 0;
}
