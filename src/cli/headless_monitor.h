// The monitor as the headless program runs it: the same store, settings, plans and rounds
// as the desktop, with the status box on standard output.
//
// Contract: `prepare` opens the program's zorv.db, takes the directory's monitor lock
// (store/monitor_lock.h) for as long as this object lives, loads the reminder settings of
// zorvqi.ini and the plans, and builds the selection from the plan tree as the desktop builds
// it at start (checked from `isdo`), with the mail and the web pushes at the end of a round that stored
// new articles. It returns kExitDone when the monitor is ready, else the
// command's exit status after its message on standard error: kExitUsage for a missing or
// unopenable zorv.db, kExitFailed when another monitor (the desktop program, another round or
// watch) holds the directory, the lock cannot be taken, or there are no plans.
// Thread safety: main thread only.
#pragma once

#include <memory>

#include "cli/cli_store.h"
#include "cli/command.h"
#include "cli/terminal_view.h"
#include "monitor/monitor.h"
#include "monitor/store_plan_runner.h"
#include "monitor/tree_plan_selection.h"
#include "notify/mail_sender.h"
#include "notify/push_sender.h"
#include "store/monitor_lock.h"

namespace zorvqi::cli {

class HeadlessMonitor {
 public:
  explicit HeadlessMonitor(MonitorKind kind) : kind_(kind) {}
  int prepare();
  Monitor& monitor() { return *monitor_; }
  TerminalView& view() { return view_; }

 private:
  bool takeDirectory();

  MonitorKind kind_;
  MonitorLock lock_{monitorLockPath()};
  TerminalView view_;
  StderrDialogs dialogs_;
  std::unique_ptr<MailSender> mail_;
  std::unique_ptr<PushSender> push_;
  std::unique_ptr<TreePlanSelection> selection_;
  std::unique_ptr<StorePlanRunner> runner_;
  std::unique_ptr<Monitor> monitor_;
};

}  // namespace zorvqi::cli
