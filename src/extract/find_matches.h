// Running a plan's rule expression over a source.
//
// Contract: the expression is compiled by Boost.Regex in Perl syntax, case-insensitively
// (ASCII letters only: the classic locale is used whatever the process locale), with "."
// matching line breaks and "^"/"$" matching at line ends, and run over the GBK bytes without
// regard to character boundaries. Matches come in page order and never overlap: each search
// starts where the previous whole match ended, seeing the text before it as context. After an
// empty match at the beginning of the source the search stops; after an empty match anywhere
// else it goes on one byte further, so it always ends. The search stops after kMaxMatches
// matches so a hostile page cannot fill the memory with them: the list then holds the first
// kMaxMatches, `capped` says the rest was ignored, and kTooManyMatchesMessage (GBK,
// "匹配数超过 100000，其余忽略") is what callers tell the user.
// An expression that does not compile, or a search that Boost abandons (too complex, too
// deep, out of memory), yields no match at all; the status says which. Nothing is thrown.
// A match holds copies of its field texts 0..G (G: the number of capture groups); a group
// that took no part has the empty text, and so does every number outside 0..G.
// Thread safety: pure functions; each call compiles its own expression.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvqi {

struct Match {
  std::vector<std::string> fields;  // 0 is the whole match, n the n-th capture group

  // The text of field n; empty for a number that names no group of the match.
  const std::string& field(int n) const;
  int groupCount() const { return static_cast<int>(fields.size()) - 1; }
};

enum class MatchStatus { Searched, BadExpression, Abandoned };

inline constexpr std::size_t kMaxMatches = 100000;
extern const std::string_view kTooManyMatchesMessage;

struct MatchList {
  MatchStatus status = MatchStatus::Searched;
  int groupCount = 0;  // of the compiled expression; 0 when it did not compile
  std::vector<Match> matches;
  bool capped = false;  // the search stopped at kMaxMatches; later matches were ignored
};

MatchList searchMatches(const std::string& expression, std::string_view source);

// The match list alone (at most kMaxMatches): empty for a rule that matches nothing, does
// not compile or is abandoned.
std::vector<Match> findMatches(const std::string& expression, std::string_view source);

}  // namespace zorvqi
