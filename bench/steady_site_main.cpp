// bench_steady_site: the steady pages on 127.0.0.1 for the comparison with urlwatch, and the
// program directory that has every article of them stored.
//   bench_steady_site --port P --dir DIR [--compare-id]
// It writes DIR/zorv.db and DIR/zorvqi.ini, prints "ready" once it serves, and serves until
// SIGINT or SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <thread>

#include "steady_pages.h"
#include "steady_site.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
  stopRequested = 1;
}

int usage() {
  std::fprintf(stderr, "usage: bench_steady_site --port P --dir DIR [--compare-id]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  std::string dir;
  auto mode = zorvqi::bench::SteadyMode::LookUp;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc)
      port = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc)
      dir = argv[++i];
    else if (std::strcmp(argv[i], "--compare-id") == 0)
      mode = zorvqi::bench::SteadyMode::CompareId;
    else
      return usage();
  }
  if (port <= 0 || dir.empty()) return usage();
  zorvqi::bench::SteadySite site;
  if (!site.start(port)) {
    std::fprintf(stderr, "bench_steady_site: cannot listen on 127.0.0.1:%d\n", port);
    return 1;
  }
  try {
    zorvqi::bench::writeSteadyDirectory(dir, site.baseUrl(), mode, ZORVQI_SOURCE_DIR "/data/zorv.sql");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_steady_site: %s\n", e.what());
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::signal(SIGINT, requestStop);
  std::signal(SIGTERM, requestStop);
  while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  site.stop();
  return 0;
}
