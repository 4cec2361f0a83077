#include "companion/companion_service.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "companion/companion_addresses.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class CompanionServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(service.start());
    ASSERT_GT(service.port(), 0);
  }

  httplib::Result get(const std::string& pathAndQuery) {
    httplib::Client client("127.0.0.1", service.port());
    client.set_connection_timeout(5);
    return client.Get(pathAndQuery);
  }

  std::atomic<int> summaryCalls{0};
  CompanionService service{[this] {
    ++summaryCalls;
    return MonitorSummary{2, summaryCalls.load(), "10:00:00"};
  }};
};

TEST_F(CompanionServiceTest, ServesTheNewsPageWithAFreshSummary) {
  EXPECT_EQ(service.baseAddress(), "http://127.0.0.1:" + std::to_string(service.port()));
  for (const std::string_view query : {kStartupNewsQuery, kMiniHomeNewsQuery}) {
    const auto res = get(std::string(kNewsPagePath) + "?" + std::string(query));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_TRUE(contains(res->get_header_value("Content-Security-Policy"), "default-src 'none'"));
    EXPECT_TRUE(contains(res->body, gbkToUtf8("监控方案：2 个")));
  }
  const auto third = get(std::string(kNewsPagePath));
  ASSERT_TRUE(third);
  EXPECT_TRUE(contains(third->body, gbkToUtf8("今日（本次运行）入库：3 篇")));
}

TEST_F(CompanionServiceTest, ServesTheQrPageOfTheDecodedValue) {
  const auto res =
      get(std::string(kQrPagePath) + "?value=http%3A%2F%2Fbbs.example.com%2Ft%3Fa%3D1%26b%3D%E4%B8%AD");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_TRUE(contains(res->body, "<svg"));
  EXPECT_TRUE(contains(res->body, "http://bbs.example.com/t?a=1&amp;b=\xe4\xb8\xad"));
}

TEST_F(CompanionServiceTest, EscapesAScriptInTheQrValue) {
  const auto res = get(std::string(kQrPagePath) + "?value=%3Cscript%3Ealert(1)%3C%2Fscript%3E");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_FALSE(contains(res->body, "<script"));
  EXPECT_TRUE(contains(res->body, "&lt;script&gt;alert(1)&lt;/script&gt;"));
}

TEST_F(CompanionServiceTest, AnswersEveryOtherPathWith404) {
  for (const char* path : {"/", "/zt/", "/zt/softnews.phpx", "/zt/softnewsXphp", "/zt/soft/qr.php/x",
                           "/x/zt/softnews.php", "/zt/soft/qrXphp", "/favicon.ico"}) {
    const auto res = get(path);
    ASSERT_TRUE(res) << path;
    EXPECT_EQ(res->status, 404) << path;
  }
}

TEST_F(CompanionServiceTest, AnswersOnlyGet) {
  httplib::Client client("127.0.0.1", service.port());
  const auto res = client.Post(std::string(kNewsPagePath), "x", "text/plain");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 404);
}

// The listening socket's local address as /proc/net/tcp shows it, e.g. "0100007F".
std::string listeningAddressOf(int port) {
  std::ifstream table("/proc/net/tcp");
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    const std::size_t colon = local.find(':');
    if (state == "0A" && std::stoi(local.substr(colon + 1), nullptr, 16) == port)
      return local.substr(0, colon);
  }
  return {};
}

bool connects(const sockaddr_in& address) {
  const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
  const bool ok = ::connect(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(sock);
  return ok;
}

TEST_F(CompanionServiceTest, ListensOnLoopbackOnly) {
  EXPECT_EQ(listeningAddressOf(service.port()), "0100007F");

  ifaddrs* interfaces = nullptr;
  ASSERT_EQ(::getifaddrs(&interfaces), 0);
  for (const ifaddrs* it = interfaces; it; it = it->ifa_next) {
    if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET) continue;
    sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(it->ifa_addr);
    if ((ntohl(address.sin_addr.s_addr) >> 24) == 127) continue;
    address.sin_port = htons(static_cast<std::uint16_t>(service.port()));
    EXPECT_FALSE(connects(address)) << it->ifa_name;
  }
  ::freeifaddrs(interfaces);
}

TEST(CompanionService, StartsOnceStopsAndStartsAgain) {
  CompanionService service(nullptr);
  EXPECT_FALSE(service.running());
  EXPECT_EQ(service.baseAddress(), "");
  service.stop();

  ASSERT_TRUE(service.start());
  EXPECT_FALSE(service.start());
  const int firstPort = service.port();
  service.stop();
  EXPECT_FALSE(service.running());
  EXPECT_EQ(service.port(), 0);
  httplib::Client gone("127.0.0.1", firstPort);
  gone.set_connection_timeout(1);
  EXPECT_FALSE(gone.Get(std::string(kNewsPagePath)));

  ASSERT_TRUE(service.start());
  httplib::Client client("127.0.0.1", service.port());
  const auto res = client.Get(std::string(kNewsPagePath));
  ASSERT_TRUE(res);
  // Without a summary source the page shows an empty summary.
  EXPECT_TRUE(contains(res->body, gbkToUtf8("监控方案：0 个")));
}

TEST(CompanionService, StopsRightAfterStarting) {
  for (int i = 0; i < 20; ++i) {
    CompanionService service(nullptr);
    ASSERT_TRUE(service.start());
  }
}

}  // namespace
}  // namespace zorvqi
