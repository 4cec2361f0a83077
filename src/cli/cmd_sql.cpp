// sql [FILE]: runs a text against the store as the database maintenance page does: its
// placeholders become expression syntax and it runs as one statement. A query's rows are
// printed as TSV; any other statement reports the page's result message.
#include "cli/cli_io.h"
#include "cli/cli_store.h"
#include "cli/commands.h"
#include "extract/rule_syntax.h"
#include "store/database.h"

namespace zorvqi::cli {

int runSqlCommand(const Args& args) {
  const Command& command = commandNamed("sql");
  if (wantsHelp(args)) return printUsage(command, true);
  if (args.size() > 1) return printUsage(command, false);
  const auto text = readInput(args.empty() ? "" : args[0]);
  if (!text) {
    printError("zorvqi-cli: cannot read " + args[0]);
    return kExitUsage;
  }
  if (!openProgramStore()) return kExitUsage;
  const TextTable result = programDatabase().queryTable(toExpression(argToGbk(*text)));
  if (!result.ok) {
    printError("失败，请检查SQL语句！");
    return kExitFailed;
  }
  if (result.columnCount == 0) {
    printLine("执行成功，重启软件可看到效果！");
    return kExitDone;
  }
  for (const auto& row : result.rows) printRow(row);
  return kExitDone;
}

}  // namespace zorvqi::cli
