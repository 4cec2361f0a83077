// articles [--page N] [--search KW] [--favourites] [--plan ID]: one page of stored articles,
// with the query and the filters of the article list (one filter at a time; all articles
// when none is given).
#include <charconv>
#include <optional>
#include <string_view>

#include "cli/cli_io.h"
#include "cli/cli_store.h"
#include "cli/commands.h"
#include "store/article_page.h"
#include "store/database.h"

namespace zorvqi::cli {
namespace {

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

struct ArticleQuery {
  int page = 1;
  std::optional<std::string> filter;
};

// The query the arguments ask for, or nothing on a usage error.
std::optional<ArticleQuery> parseArticleArgs(const Args& args) {
  ArticleQuery query;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> filter;
    if (arg == "--favourites") {
      filter = favouritesFilter();
    } else if (i + 1 >= args.size()) {
      return std::nullopt;
    } else if (arg == "--page") {
      const auto page = wholeNumber(args[++i]);
      if (!page) return std::nullopt;
      query.page = *page;
    } else if (arg == "--search") {
      filter = titleSearchFilter(argToGbk(args[++i]));
    } else if (arg == "--plan") {
      const auto id = wholeNumber(args[++i]);
      if (!id) return std::nullopt;
      filter = planArticlesFilter(*id);
    } else {
      return std::nullopt;
    }
    if (filter) {
      if (query.filter) return std::nullopt;
      query.filter = std::move(filter);
    }
  }
  return query;
}

}  // namespace

int runArticlesCommand(const Args& args) {
  const Command& command = commandNamed("articles");
  if (wantsHelp(args)) return printUsage(command, true);
  const auto query = parseArticleArgs(args);
  if (!query) return printUsage(command, false);
  if (!openProgramStore()) return kExitUsage;
  const TextTable page = programDatabase().queryTable(
      articlePageQuery(query->filter.value_or(allArticlesFilter()), query->page));
  if (!page.ok) {
    printError("zorvqi-cli: the article query failed");
    return kExitFailed;
  }
  for (const auto& row : page.rows) printRow(row);
  return kExitDone;
}

}  // namespace zorvqi::cli
