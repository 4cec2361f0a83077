// zorvqi-demo-site: the demo forum on 127.0.0.1, for the first start and for trying plans.
//   zorvqi-demo-site [--port P] [--interval S] [--articles N] [--list N] [--padding BYTES]
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "demo_site.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
  stopRequested = 1;
}

}  // namespace

int main(int argc, char** argv) {
  zorvqi::demo::DemoSiteOptions options;
  options.port = 18931;
  options.publishInterval = std::chrono::seconds(20);
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--port") == 0)
      options.port = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--interval") == 0)
      options.publishInterval = std::chrono::seconds(std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--articles") == 0)
      options.initialArticles = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--list") == 0)
      options.listLimit = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--padding") == 0)
      options.padding = static_cast<std::size_t>(std::max(std::atol(argv[i + 1]), 0L));
    else {
      std::fprintf(stderr,
                   "usage: zorvqi-demo-site [--port P] [--interval S] [--articles N] [--list N] "
                   "[--padding BYTES]\n");
      return 2;
    }
  }
  zorvqi::demo::DemoSite site(options);
  if (!site.start()) {
    std::fprintf(stderr, "zorvqi-demo-site: cannot listen on 127.0.0.1:%d\n", options.port);
    return 1;
  }
  std::printf("demo site on %s, a new article every %lld s\n", site.baseUrl().c_str(),
              static_cast<long long>(options.publishInterval.count()));
  std::fflush(stdout);
  std::signal(SIGINT, requestStop);
  std::signal(SIGTERM, requestStop);
  while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  site.stop();
  return 0;
}
