// plans: every plan of the store, after loading them as the desktop does (which brings an
// older rule table up to date).
#include "cli/cli_io.h"
#include "cli/cli_store.h"
#include "cli/commands.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/settings_file.h"
#include "text/number.h"

namespace zorvqi::cli {

int runPlansCommand(const Args& args) {
  const Command& command = commandNamed("plans");
  if (wantsHelp(args)) return printUsage(command, true);
  if (!args.empty()) return printUsage(command, false);
  if (!openProgramStore()) return kExitUsage;
  StderrDialogs dialogs;
  const PlanLoad load = loadPlans(programDatabase(), programSettings(), dialogs);
  if (load.status != PlanLoadStatus::Loaded) return kExitFailed;
  for (int id : load.table->ids()) {
    const auto plan = load.table->record(id);
    printRow({decimalText(id), decimalText(plan->state), decimalText(plan->category),
              decimalText(plan->detectMode), plan->name, plan->url});
  }
  return kExitDone;
}

}  // namespace zorvqi::cli
