// The companion web service: the news page and the QR-code page, served in process.
//
// Contract: `start` binds 127.0.0.1 (loopback only) on a port the system picks and serves on
// threads of its own until `stop` or destruction. It answers GET (and HEAD) on the news page
// path and the QR-code page path of companion_addresses.h with the pages of
// companion_pages.h, and 404 on every other path or method. Its responses forbid scripts
// (Content-Security-Policy), so nothing served can run script even if a page were wrong.
// `start` fails when the service is already running or no port can be bound. `baseAddress`
// is "http://127.0.0.1:PORT" while running, else empty. The summary source is called on the
// service's threads (see monitor_summary.h).
// Thread safety: start, stop, running, port and baseAddress belong to one controlling thread.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "companion/monitor_summary.h"

namespace httplib {
class Server;
}

namespace zorvqi {

class CompanionService {
 public:
  explicit CompanionService(MonitorSummarySource summary);
  ~CompanionService();
  CompanionService(const CompanionService&) = delete;
  CompanionService& operator=(const CompanionService&) = delete;

  bool start();
  void stop();
  bool running() const { return server_ != nullptr; }
  int port() const { return port_; }
  std::string baseAddress() const;

 private:
  void addRoutes(httplib::Server& server) const;

  MonitorSummarySource summary_;
  std::unique_ptr<httplib::Server> server_;
  std::thread listener_;
  std::atomic<bool> listenerDone_{false};
  int port_ = 0;
};

}  // namespace zorvqi
