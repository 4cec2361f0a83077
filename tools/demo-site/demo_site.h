// The demo forum: a loopback web site that publishes new articles over time.
//
// Contract: `start` binds 127.0.0.1 (port 0 picks a free one) and serves until `stop` or
// destruction. Articles have increasing numeric ids; `publish` adds articles at once, and
// with a publish interval of N > 0 seconds one more appears every N seconds. Pages:
//   /forum/list.php    GBK list, newest first, ids in the page (compare-id plans)
//   /news/list.html    UTF-8 list, the same articles (look-up plans)
//   /member/list.php   GBK list that needs the cookie "sid=demo", else a login page
//   /api/list          answers POST only (405 to GET)
//   /slow/list.php     answers after the slow delay (milliseconds, settable)
//   /changed/list.php  a page whose layout lacks the list's start marker
//   /thread.php?tid=N  one article
// Every list is sent gzip-compressed when the request says "Accept-Encoding: gzip".
// A list limit of N > 0 shows only the newest N articles, as a site's first page does; a
// padding of B > 0 bytes puts a navigation block of about that size before the list, so a
// list page weighs what a real site's does (the benchmarks use ~200 KB). Both are off by
// default, and the pages are then as described above.
// Thread safety: all members may be called from any thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace zorvqi::demo {

struct DemoSiteOptions {
  int port = 0;
  int initialArticles = 5;
  std::chrono::seconds publishInterval{0};
  std::chrono::milliseconds slowDelay{130000};
  int listLimit = 0;
  std::size_t padding = 0;
};

class DemoSite {
 public:
  explicit DemoSite(DemoSiteOptions options = {});
  ~DemoSite();
  DemoSite(const DemoSite&) = delete;
  DemoSite& operator=(const DemoSite&) = delete;

  bool start();
  void stop();
  int port() const;
  std::string baseUrl() const;  // "http://127.0.0.1:PORT"

  void publish(int count);
  long long newestId() const;
  int articleCount() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvqi::demo
