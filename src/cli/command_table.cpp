#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"decode", "decode MODE TEXT", runDecodeCommand},
      {"plans", "plans", runPlansCommand},
      {"sql", "sql [FILE]", runSqlCommand},
      {"articles", "articles [--page N] [--search KW] [--favourites] [--plan ID]", runArticlesCommand},
      {"normalise", "normalise [--utf8] [FILE]", runNormaliseCommand},
      {"extract", "extract --rule PATTERN [--start M] [--end M] [--gbk] [FILE]", runExtractCommand},
  };
  return table;
}

}  // namespace zorvqi::cli
