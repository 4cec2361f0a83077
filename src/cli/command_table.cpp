#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"decode", "decode MODE TEXT", runDecodeCommand},
      {"normalise", "normalise [--utf8] [FILE]", runNormaliseCommand},
      {"extract", "extract --rule PATTERN [--start M] [--end M] [--gbk] [FILE]", runExtractCommand},
  };
  return table;
}

}  // namespace zorvqi::cli
