// The limits and the cancel flag as both HTTP stacks honour them.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "base/cancel_flag.h"
#include "fetch/winhttp_client.h"
#include "fetch/wininet_client.h"
#include "support/raw_http_recorder.h"

namespace zorvqi {
namespace {

using testing::okResponse;
using testing::RawHttpRecorder;

struct HttpStack {
  const char* name;
  std::string (*fetch)(const PageRequest&, const FetchLimits&);
};

class HttpStackLimitsTest : public ::testing::TestWithParam<HttpStack> {
 protected:
  static std::string fetch(const RawHttpRecorder& server, const FetchLimits& limits = {}) {
    PageRequest request;
    request.url = server.url("/list");
    return GetParam().fetch(request, limits);
  }
};

TEST_P(HttpStackLimitsTest, SilentServerEndsAtTheIdleLimit) {
  RawHttpRecorder server("", RawHttpRecorder::Mode::Silent);
  FetchLimits limits;
  limits.idleTimeout = std::chrono::milliseconds(300);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(fetch(server, limits), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_P(HttpStackLimitsTest, LongBodyIsCutAtTheCap) {
  const std::string body(100000, 'b');
  RawHttpRecorder server(okResponse(body));
  FetchLimits limits;
  limits.maxBodyBytes = 5000;
  EXPECT_EQ(fetch(server, limits), body.substr(0, 5000));
  limits.maxBodyBytes = body.size();
  EXPECT_EQ(fetch(server, limits), body);
}

TEST_P(HttpStackLimitsTest, CancelFlagEndsTheTransferWithinASecond) {
  RawHttpRecorder server("", RawHttpRecorder::Mode::Silent);
  CancelFlag flag;
  std::string body = "unset";
  std::chrono::steady_clock::duration took{};
  std::thread worker([&] {
    ScopedThreadCancelFlag scoped(&flag);
    const auto start = std::chrono::steady_clock::now();
    body = fetch(server);
    took = std::chrono::steady_clock::now() - start;
  });
  while (server.requests().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const auto cancelledAt = std::chrono::steady_clock::now();
  flag.cancel();
  worker.join();
  EXPECT_EQ(body, "");
  EXPECT_LT(std::chrono::steady_clock::now() - cancelledAt, std::chrono::milliseconds(1500));
  EXPECT_GT(took, std::chrono::milliseconds(0));
}

INSTANTIATE_TEST_SUITE_P(BothStacks, HttpStackLimitsTest,
                         ::testing::Values(HttpStack{"WinHttp", &winHttpFetch},
                                           HttpStack{"WinInet", &winInetFetch}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvqi
