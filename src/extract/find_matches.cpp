#include "extract/find_matches.h"

#include <boost/regex.hpp>
#include <exception>
#include <locale>
#include <optional>

namespace zorvqi {

const std::string_view kTooManyMatchesMessage = "匹配数超过 100000，其余忽略";

namespace {

std::optional<boost::regex> compileRule(const std::string& expression) {
  try {
    boost::regex compiled;
    compiled.imbue(std::locale::classic());
    compiled.assign(expression, boost::regex::perl | boost::regex::icase | boost::regex::mod_s);
    return compiled;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Each field in one copy (sub_match::str appends byte by byte).
Match copyFields(const boost::cmatch& found) {
  Match match;
  match.fields.reserve(found.size());
  for (std::size_t n = 0; n < found.size(); ++n) {
    const boost::csub_match& group = found[n];
    match.fields.emplace_back(group.matched ? std::string(group.first, group.second) : std::string());
  }
  return match;
}

// Searches from `from` on; the text before it stays visible to look-behinds, "^" and "\b".
bool searchFrom(const boost::regex& rule, std::string_view source, std::size_t from, boost::cmatch& found) {
  const char* begin = source.data();
  auto flags = boost::match_default;
  if (from > 0) flags |= boost::match_prev_avail | boost::match_not_bob;
  return boost::regex_search(begin + from, begin + source.size(), found, rule, flags);
}

// Collects the matches in page order; false when it stopped at kMaxMatches with more to find.
bool collectMatches(const boost::regex& rule, std::string_view source, std::vector<Match>& matches) {
  boost::cmatch found;
  std::size_t from = 0;
  while (from <= source.size() && searchFrom(rule, source, from, found)) {
    if (matches.size() == kMaxMatches) return false;
    matches.push_back(copyFields(found));
    const std::size_t matchAt = static_cast<std::size_t>(found[0].first - source.data());
    const std::size_t matchEnd = static_cast<std::size_t>(found[0].second - source.data());
    if (matchEnd > matchAt) {
      from = matchEnd;
    } else if (matchAt == 0) {
      break;
    } else {
      from = matchEnd + 1;
    }
  }
  return true;
}

}  // namespace

const std::string& Match::field(int n) const {
  static const std::string kNoField;
  if (n < 0 || static_cast<std::size_t>(n) >= fields.size()) return kNoField;
  return fields[static_cast<std::size_t>(n)];
}

MatchList searchMatches(const std::string& expression, std::string_view source) {
  MatchList list;
  const std::optional<boost::regex> rule = compileRule(expression);
  if (!rule) {
    list.status = MatchStatus::BadExpression;
    return list;
  }
  list.groupCount = static_cast<int>(rule->mark_count());
  // A string_view of nothing may carry no pointer at all; the matcher wants a real range.
  if (source.data() == nullptr) source = std::string_view("", 0);
  try {
    list.capped = !collectMatches(*rule, source, list.matches);
  } catch (const std::exception&) {
    list.matches.clear();
    list.status = MatchStatus::Abandoned;
  }
  return list;
}

std::vector<Match> findMatches(const std::string& expression, std::string_view source) {
  return searchMatches(expression, source).matches;
}

}  // namespace zorvqi
