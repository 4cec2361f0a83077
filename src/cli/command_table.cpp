#include "cli/command.h"
#include "cli/commands.h"

namespace zorvqi::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
  };
  return table;
}

}  // namespace zorvqi::cli
