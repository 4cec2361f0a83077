#include "companion/companion_service.h"

#include <httplib.h>

#include <chrono>

#include "companion/companion_addresses.h"
#include "companion/companion_pages.h"

namespace zorvqi {

namespace {

constexpr const char* kHtmlType = "text/html; charset=utf-8";
constexpr const char* kLoopback = "127.0.0.1";

// Route patterns are regular expressions: a path's '.' must match only itself.
std::string exactPathPattern(std::string_view path) {
  std::string pattern;
  for (const char c : path) {
    if (std::string_view(".^$|()[]{}*+?\\").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern;
}

httplib::Headers safetyHeaders() {
  return {{"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'"},
          {"X-Content-Type-Options", "nosniff"},
          {"Cache-Control", "no-store"}};
}

}  // namespace

CompanionService::CompanionService(MonitorSummarySource summary) : summary_(std::move(summary)) {}

CompanionService::~CompanionService() {
  stop();
}

std::string CompanionService::baseAddress() const {
  if (!running()) return {};
  return std::string("http://") + kLoopback + ":" + std::to_string(port_);
}

void CompanionService::addRoutes(httplib::Server& server) const {
  server.Get(exactPathPattern(kNewsPagePath), [this](const httplib::Request&, httplib::Response& res) {
    res.set_content(newsPageHtml(summary_ ? summary_() : MonitorSummary{}), kHtmlType);
  });
  server.Get(exactPathPattern(kQrPagePath), [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(qrPageHtml(req.get_param_value("value")), kHtmlType);
  });
  server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::to_string(res.status) + "\n", "text/plain; charset=utf-8");
  });
}

bool CompanionService::start() {
  if (running()) return false;
  auto server = std::make_unique<httplib::Server>();
  server->set_default_headers(safetyHeaders());
  // Short idle limits keep `stop` quick while a browser holds a connection open.
  server->set_keep_alive_timeout(1);
  server->set_read_timeout(2);
  server->set_write_timeout(2);
  addRoutes(*server);
  const int port = server->bind_to_any_port(kLoopback);
  if (port <= 0) return false;
  port_ = port;
  server_ = std::move(server);
  listenerDone_ = false;
  listener_ = std::thread([this, server = server_.get()] {
    server->listen_after_bind();
    listenerDone_ = true;
  });
  return true;
}

void CompanionService::stop() {
  if (!running()) return;
  // A stop that lands before the listener has begun its loop is lost, so repeat it until the
  // listener has returned.
  while (!listenerDone_) {
    server_->stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  listener_.join();
  server_.reset();
  port_ = 0;
}

}  // namespace zorvqi
