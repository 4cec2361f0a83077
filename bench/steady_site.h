// The steady pages (steady_pages.h) served on 127.0.0.1, as a forum serves them.
//
// Contract: `start` binds the given port (0: a free one) and serves every plan's page, GBK
// with "Content-Type: text/html; charset=gbk", until `stop` or destruction; other paths get
// 404. The pages are built once, at construction. Thread safety: all members may be called
// from any thread.
#pragma once

#include <memory>
#include <string>

namespace zorvqi::bench {

class SteadySite {
 public:
  SteadySite();
  ~SteadySite();
  SteadySite(const SteadySite&) = delete;
  SteadySite& operator=(const SteadySite&) = delete;

  bool start(int port = 0);
  void stop();
  std::string baseUrl() const;  // "http://127.0.0.1:PORT"

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvqi::bench
