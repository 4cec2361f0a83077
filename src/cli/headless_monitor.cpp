#include "cli/headless_monitor.h"

#include "base/clock.h"
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
  mail_ = std::make_unique<MailSender>(programReminderSettings(), currentClock());
  push_ = std::make_unique<PushSender>(programReminderSettings());
  monitor_ = std::make_unique<Monitor>(view_, *selection_, dialogs_, *runner_,
                                       RoundEndSenders{mail_.get(), push_.get()});
  return kExitDone;
}

}  // namespace zorvqi::cli
