// The limits every HTTP request of the system runs under.
//
// Contract: the defaults are the system's: 50 s to resolve and connect, a transfer that
// sends and receives nothing for 50 s ends, no request lasts past 110 s (below the monitor's
// 120 s wait for a worker), and a response body is cut at 64 MiB so a hostile or broken site
// cannot exhaust memory; a decompressed body is cut at the same size. Only tests set other
// values. Thread safety: a plain value.
#pragma once

#include <chrono>
#include <cstddef>

namespace zorvqi {

inline constexpr std::size_t kMaxBodyBytes = std::size_t{64} << 20;

struct FetchLimits {
  std::chrono::milliseconds connectTimeout{50000};
  std::chrono::milliseconds idleTimeout{50000};
  std::chrono::milliseconds totalTimeout{110000};
  std::size_t maxBodyBytes = kMaxBodyBytes;
};

}  // namespace zorvqi
