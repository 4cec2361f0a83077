// watch: continuous rounds over the checked plans with the pause of "频率" (or --interval S;
// "600" when neither is given, as the desktop's interval box starts),
// until SIGINT or SIGTERM: then no further plan starts, the running one stores nothing more,
// and the command ends with status 0.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

#include "base/cancel_flag.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/headless_monitor.h"
#include "store/settings_file.h"
#include "text/number.h"

namespace zorvqi::cli {
namespace {

struct WatchOptions {
  bool ok = true;
  std::string interval;  // empty: the stored "频率"
};

WatchOptions parseWatchArgs(const Args& args) {
  WatchOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--interval" && i + 1 < args.size()) {
      options.interval = args[++i];
    } else {
      options.ok = false;
    }
  }
  return options;
}

// The pause the desktop would start with: the stored "频率", or its box's own "600" when
// none is stored.
std::string storedInterval() {
  const std::string stored = configItem("频率", "");
  return stored.empty() ? "600" : stored;
}

sigset_t stopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

// Waits for SIGINT or SIGTERM (blocked in every thread of the process) until `finished`.
void watchForStop(const sigset_t& set, const std::atomic<bool>& finished, CancelFlag& stop,
                  Monitor& monitor) {
  const timespec step{0, 100 * 1000 * 1000};
  while (!finished.load()) {
    if (sigtimedwait(&set, nullptr, &step) > 0) {
      stop.cancel();
      monitor.abandonAll();
      return;
    }
  }
}

}  // namespace

int runWatchCommand(const Args& args) {
  const Command& command = commandNamed("watch");
  if (wantsHelp(args)) return printUsage(command, true);
  const WatchOptions options = parseWatchArgs(args);
  if (!options.ok) return printUsage(command, false);

  // Blocked before any thread starts, so every thread inherits the mask and only the
  // watcher takes the signals.
  const sigset_t set = stopSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);

  HeadlessMonitor headless(MonitorKind::Watch);
  if (const int status = headless.prepare(); status != kExitDone) return status;
  const std::string interval = options.interval.empty() ? storedInterval() : options.interval;

  CancelFlag stop;
  std::atomic<bool> finished{false};
  std::thread watcher([&] { watchForStop(set, finished, stop, headless.monitor()); });
  RoundsEnd end = RoundsEnd::Stopped;
  {
    ScopedThreadCancelFlag scope(&stop);
    end = headless.monitor().runRounds(Selection::Checked, textToInt32(interval), true);
  }
  finished.store(true);
  watcher.join();
  headless.view().flush();
  return end != RoundsEnd::Refused ? kExitDone : kExitFailed;
}

}  // namespace zorvqi::cli
