// The short account of the monitor that the news page shows.
//
// Contract: plain data filled by whoever runs the monitor; texts are GBK.
// Thread safety: a value type; share copies, not references.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace zorvqi {

struct MonitorSummary {
  int plansWatched = 0;            // plans checked for monitoring
  std::int64_t articlesToday = 0;  // articles this run stored since local midnight
  std::string lastRoundTime;       // when the last round ended; empty before the first one
};

// Gives the summary of the moment. The service calls it on its own threads, once per news
// page: it must be safe there and must not wait for the UI thread.
using MonitorSummarySource = std::function<MonitorSummary()>;

}  // namespace zorvqi
