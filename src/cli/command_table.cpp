#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"decode", "decode MODE TEXT", runDecodeCommand},
  };
  return table;
}

}  // namespace zorvqi::cli
