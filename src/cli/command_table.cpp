#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"decode", "decode MODE TEXT", runDecodeCommand},
      {"fetch",
       "fetch [--gbk] [--gzip] [--header LINE]... [--cookie C] [--post DATA] [--start M] [--end M] URL",
       runFetchCommand},
  };
  return table;
}

}  // namespace zorvqi::cli
