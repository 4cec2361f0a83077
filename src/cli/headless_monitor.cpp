#include "cli/headless_monitor.h"

#include "base/clock.h"
#include "base/gzip_module.h"
#include "cli/cli_io.h"
#include "notify/reminder_settings.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/plan_table.h"
#include "store/settings_file.h"
#include "text/charset.h"

namespace zorvqi::cli {

bool HeadlessMonitor::takeDirectory() {
  switch (lock_.take(kind_)) {
    case MonitorLockStatus::Taken:
      return true;
    case MonitorLockStatus::HeldElsewhere:
      printError("另一个监控正在使用这个目录：" + holderWords(lock_.holder()) + "，本次不运行。 " +
                 utf8ToGbk(lock_.path()));
      return false;
    case MonitorLockStatus::Failed:
      printError("无法锁定这个目录，本次不运行：" + lock_.failure() + " " + utf8ToGbk(lock_.path()));
      return false;
  }
  return false;
}

int HeadlessMonitor::prepare() {
  if (!openProgramStore()) return kExitUsage;
  if (!takeDirectory()) return kExitFailed;
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
  if (gzipModuleState() == GzipModuleState::Unloadable) view_.appendStatus(kGzipModuleUnloadableMessage);
  return kExitDone;
}

}  // namespace zorvqi::cli
