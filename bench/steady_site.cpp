#include "steady_site.h"

#include <httplib.h>

#include <map>
#include <thread>

#include "steady_pages.h"

namespace zorvqi::bench {

struct SteadySite::State {
  httplib::Server server;
  std::thread thread;
  std::map<std::string, std::string> pages;
  int port = -1;
};

SteadySite::SteadySite() : state_(std::make_unique<State>()) {
  for (int plan = 1; plan <= kSteadyPlans; ++plan) state_->pages[steadyListPath(plan)] = steadyListPage(plan);
  state_->server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    const auto found = state_->pages.find(req.path);
    if (found == state_->pages.end()) {
      res.status = 404;
      return;
    }
    res.set_content(found->second, "text/html; charset=gbk");
  });
}

SteadySite::~SteadySite() {
  stop();
}

bool SteadySite::start(int port) {
  State& s = *state_;
  s.port = port > 0 ? (s.server.bind_to_port("127.0.0.1", port) ? port : -1)
                    : s.server.bind_to_any_port("127.0.0.1");
  if (s.port < 0) return false;
  s.thread = std::thread([&s] { s.server.listen_after_bind(); });
  return true;
}

void SteadySite::stop() {
  state_->server.stop();
  if (state_->thread.joinable()) state_->thread.join();
}

std::string SteadySite::baseUrl() const {
  return "http://127.0.0.1:" + std::to_string(state_->port);
}

}  // namespace zorvqi::bench
