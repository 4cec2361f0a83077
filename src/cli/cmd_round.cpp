// round: one monitor round over the plans the tree shows checked at start (--all: every plan
// in the tree), storing what is new and applying the reminder settings. It fails (status 1)
// when no plan is selected or none of the round's plans could be read.
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/headless_monitor.h"

namespace zorvqi::cli {

int runRoundCommand(const Args& args) {
  const Command& command = commandNamed("round");
  if (wantsHelp(args)) return printUsage(command, true);
  const bool all = args.size() == 1 && args[0] == "--all";
  if (!args.empty() && !all) return printUsage(command, false);

  HeadlessMonitor headless(MonitorKind::Round);
  if (const int status = headless.prepare(); status != kExitDone) return status;
  const RoundsEnd end = headless.monitor().runRounds(all ? Selection::All : Selection::Checked, 0, false);
  headless.view().flush();
  return end == RoundsEnd::SomePlanRead ? kExitDone : kExitFailed;
}

}  // namespace zorvqi::cli
