#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"decode", "decode MODE TEXT", runDecodeCommand},
      {"normalise", "normalise [--utf8] [FILE]", runNormaliseCommand},
      {"extract", "extract --rule PATTERN [--start M] [--end M] [--gbk] [FILE]", runExtractCommand},
      {"fetch",
       "fetch [--gbk] [--gzip] [--header LINE]... [--cookie C] [--post DATA] [--start M] [--end M] URL",
       runFetchCommand},
      {"plans", "plans", runPlansCommand},
      {"round", "round [--all]", runRoundCommand},
      {"watch", "watch [--interval S]", runWatchCommand},
      {"articles", "articles [--page N] [--search KW] [--favourites] [--plan ID]", runArticlesCommand},
      {"sql", "sql [FILE]", runSqlCommand},
  };
  return table;
}

}  // namespace zorvqi::cli
