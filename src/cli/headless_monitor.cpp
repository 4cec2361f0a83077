#include "cli/headless_monitor.h"

#include "base/gzip_module.h"
#include "notify/reminder_settings.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "store/settings_file.h"

namespace zorvqi::cli {

int HeadlessMonitor::prepare() {
  if (!openProgramStore()) return kExitUsage;
  const SettingsFile settings = programSettings();
  loadReminderSettings(settings);
  PlanLoad load = loadPlans(programDatabase(), settings, dialogs_);
  if (load.status != PlanLoadStatus::Loaded) return kExitFailed;
  replacePlanTable(load.table);
  selection_ = std::make_unique<TreePlanSelection>(std::move(load.tree));
  runner_ = std::make_unique<StorePlanRunner>(programDatabase(), view_);
  // Mail joins the round end once the mail reminder is built; until then rounds send none.
  monitor_ = std::make_unique<Monitor>(view_, *selection_, dialogs_, *runner_, nullptr);
  if (gzipModuleState() == GzipModuleState::Unloadable) view_.appendStatus(kGzipModuleUnloadableMessage);
  return kExitDone;
}

}  // namespace zorvqi::cli
