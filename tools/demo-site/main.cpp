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

const char* const kUsage =
    "usage: zorvqi-demo-site [--port P] [--interval S] [--articles N] [--list N] [--padding BYTES]\n"
    "Serves a demo forum on 127.0.0.1 that publishes a new article every S seconds, until\n"
    "SIGINT or SIGTERM.\n"
    "  --port P          port to listen on (18931)\n"
    "  --interval S      seconds between new articles (20)\n"
    "  --articles N      articles there at the start (5)\n"
    "  --list N          show only the newest N on a list page (0: all)\n"
    "  --padding BYTES   a navigation block of about that size before the list (0: none)\n"
    "  --help            this text\n";

enum class Parse { Run, Help, Wrong };

// Every option takes a value; a lone --help (or -h) anywhere asks for the usage.
Parse parseOptions(int argc, char** argv, zorvqi::demo::DemoSiteOptions& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Parse::Help;
  }
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) return Parse::Wrong;
    const char* value = argv[i + 1];
    if (std::strcmp(argv[i], "--port") == 0)
      options.port = std::atoi(value);
    else if (std::strcmp(argv[i], "--interval") == 0)
      options.publishInterval = std::chrono::seconds(std::atoi(value));
    else if (std::strcmp(argv[i], "--articles") == 0)
      options.initialArticles = std::atoi(value);
    else if (std::strcmp(argv[i], "--list") == 0)
      options.listLimit = std::atoi(value);
    else if (std::strcmp(argv[i], "--padding") == 0)
      options.padding = static_cast<std::size_t>(std::max(std::atol(value), 0L));
    else
      return Parse::Wrong;
  }
  return Parse::Run;
}

}  // namespace

int main(int argc, char** argv) {
  zorvqi::demo::DemoSiteOptions options;
  options.port = 18931;
  options.publishInterval = std::chrono::seconds(20);
  switch (parseOptions(argc, argv, options)) {
    case Parse::Help:
      std::fputs(kUsage, stdout);
      return 0;
    case Parse::Wrong:
      std::fputs(kUsage, stderr);
      return 2;
    case Parse::Run:
      break;
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
