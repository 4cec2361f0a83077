// The commands of the headless program.
//
// Contract: each command is a name, a usage text and a function that gets the arguments
// after its name (as UTF-8) and returns the exit status: 0 the work was done, 1 it ran but
// the work failed, 2 a usage error or a missing or unopenable zorv.db. `--dir` has been
// applied to programDir() before a command runs. A command prints its own usage for
// "--help". Thread safety: commands run on the main thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvqi::cli {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;  // one line, UTF-8, without the program name
  int (*run)(const Args& args);
};

const std::vector<Command>& commands();
// The entry of the table with that name; the name must be in the table.
const Command& commandNamed(std::string_view name);

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Prints "usage: zorvqi-cli USAGE" to standard output (help) or standard error (misuse) and
// returns the matching exit status.
int printUsage(const Command& command, bool asHelp);
bool wantsHelp(const Args& args);

}  // namespace zorvqi::cli
