#include "fetch/winhttp_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "support/recorded_exchange.h"

namespace zorvqi {
namespace {

using testing::headerLines;
using testing::okResponse;
using testing::PageServer;
using testing::RawHttpRecorder;
using testing::requestBody;
using testing::requestLine;
using Lines = std::vector<std::string>;

constexpr const char* kDefaultUserAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

using testing::Exchange;

Exchange exchange(const PageRequest& request, const std::string& response = okResponse("page")) {
  return testing::recordExchange([](const PageRequest& r) { return winHttpFetch(r); }, request, response);
}

std::string hostLine(const std::string& raw) {
  return headerLines(raw).at(0);
}

TEST(WinHttpFetch, SendsTheExampleHeadersInOrder) {
  PageRequest request;
  request.headerText = "user-agent: X";
  const Exchange sent = exchange(request);
  EXPECT_EQ(sent.body, "page");
  EXPECT_EQ(requestLine(sent.raw), "GET /list HTTP/1.1");
  const std::string url =
      "http://127.0.0.1:" + hostLine(sent.raw).substr(hostLine(sent.raw).rfind(':') + 1) + "/list";
  EXPECT_EQ(headerLines(sent.raw), (Lines{hostLine(sent.raw), "User-Agent: X", "Accept: */*",
                                          "Referer: " + url, "Accept-Language: zh-cn"}));
  EXPECT_EQ(requestBody(sent.raw), "");
}

struct HeaderCase {
  const char* name;
  const char* headerText;
  const char* cookie;
  Lines expectedAfterHost;  // "{U}" stands for the request URL
};

class WinHttpHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(WinHttpHeaderTest, SendsTheCompletedHeaderText) {
  const HeaderCase& c = GetParam();
  PageRequest request;
  request.headerText = c.headerText;
  request.cookie = c.cookie;
  const Exchange sent = exchange(request);
  Lines lines = headerLines(sent.raw);
  ASSERT_FALSE(lines.empty());
  const std::string url = "http://" + lines[0].substr(6) + "/list";
  lines.erase(lines.begin());
  Lines expected = c.expectedAfterHost;
  for (std::string& line : expected) {
    if (line == "Referer: {U}") line = "Referer: " + url;
  }
  EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, WinHttpHeaderTest,
    ::testing::Values(
        HeaderCase{"EmptyText",
                   "",
                   "",
                   {"Accept: */*", "Referer: {U}", "Accept-Language: zh-cn", kDefaultUserAgent}},
        HeaderCase{"OwnAcceptKept",
                   "Accept: text/html",
                   "",
                   {"Accept: text/html", "Referer: {U}", "Accept-Language: zh-cn", kDefaultUserAgent}},
        HeaderCase{
            "LineWithoutColonDropped",
            "X-A: 1\r\nbroken line\r\nX-B: 2",
            "",
            {"X-A: 1", "X-B: 2", "Accept: */*", "Referer: {U}", "Accept-Language: zh-cn", kDefaultUserAgent}},
        // The cookie engine writes the cookies itself: trimmed, longer names first.
        HeaderCase{
            "CookiePrefixRemoved",
            "",
            "Cookie: a=1",
            {"Cookie: a=1", "Accept: */*", "Referer: {U}", "Accept-Language: zh-cn", kDefaultUserAgent}},
        HeaderCase{"BareCookie",
                   "",
                   " b=2;sid=abc ",
                   {"Cookie: sid=abc; b=2", "Accept: */*", "Referer: {U}", "Accept-Language: zh-cn",
                    kDefaultUserAgent}},
        HeaderCase{"KeepAliveSkippedOtherConnectionSent",
                   "Connection: keep-alive\r\nX-Connection: keep-alive\r\nreferer: R",
                   "",
                   {"X-Connection: keep-alive", "Referer: R", "Accept: */*", "Accept-Language: zh-cn",
                    kDefaultUserAgent}},
        // Names are capitalised before they are trimmed: the leading space takes the capital.
        HeaderCase{"TrimmedNamesAndValuesEmptyValueSent",
                   " x-a　: 　v　 \r\nX-Empty:  ",
                   "",
                   {"x-A: v", "X-Empty:", "Accept: */*", "Referer: {U}", "Accept-Language: zh-cn",
                    kDefaultUserAgent}},
        HeaderCase{"LoneLineFeedEndsALine",
                   "X-A: 1\nX-B: 2\r\nX-C: 3",
                   "",
                   {"X-A: 1", "X-B: 2", "X-C: 3", "Accept: */*", "Referer: {U}", "Accept-Language: zh-cn",
                    kDefaultUserAgent}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WinHttpFetch, GetWithPostDataSendsTheBodyWithoutAContentType) {
  PageRequest request;
  request.postData = "a=1";
  const Exchange sent = exchange(request);
  EXPECT_EQ(requestLine(sent.raw), "GET /list HTTP/1.1");
  EXPECT_EQ(requestBody(sent.raw), "a=1");
  for (const std::string& line : headerLines(sent.raw)) {
    EXPECT_NE(line.rfind("Content-Type", 0), 0u) << line;
    EXPECT_NE(line.rfind("Expect", 0), 0u) << line;
  }
}

TEST(WinHttpFetch, PostSendsTheDataAsAForm) {
  PageRequest request;
  request.postSwitch = 1;
  request.postData = "q=中文&p=2";
  const Exchange sent = exchange(request);
  EXPECT_EQ(requestLine(sent.raw), "POST /list HTTP/1.1");
  EXPECT_EQ(requestBody(sent.raw), "q=中文&p=2");
  const Lines lines = headerLines(sent.raw);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Content-Type: application/x-www-form-urlencoded"),
            lines.end());
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("Content-Type", 0) == 0; }),
            1);
}

TEST(WinHttpFetch, PostWithoutDataSendsAnEmptyBody) {
  PageRequest request;
  request.postSwitch = 1;
  const Exchange sent = exchange(request);
  EXPECT_EQ(requestLine(sent.raw), "POST /list HTTP/1.1");
  const Lines lines = headerLines(sent.raw);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Content-Length: 0"), lines.end());
}

TEST(WinHttpFetch, ErrorStatusBodyIsUsedAndNothingIsDecoded) {
  const std::string gzipped = "\x1f\x8b\x08\x00garbage";
  EXPECT_EQ(
      exchange({}, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found").body,
      "not found");
  const Exchange sent = exchange({}, okResponse(gzipped, "Content-Encoding: gzip\r\n"));
  EXPECT_EQ(sent.body, gzipped);
  for (const std::string& line : headerLines(sent.raw))
    EXPECT_NE(line.rfind("Accept-Encoding", 0), 0u) << line;
}

TEST(WinHttpFetch, OnlyHttpAndHttpsAreAccepted) {
  RawHttpRecorder server;
  const std::string address = server.url("/list").substr(std::string("http://").size());
  for (const std::string& url : Lines{address, "ftp://" + address, "file:///etc/hostname", std::string()}) {
    PageRequest request;
    request.url = url;
    EXPECT_EQ(winHttpFetch(request), "") << url;
  }
  EXPECT_TRUE(server.requests().empty());
  PageRequest upper;
  upper.url = "HTTP://" + address;
  EXPECT_EQ(winHttpFetch(upper), "ok");
}

TEST(WinHttpFetch, FollowsRedirects) {
  PageServer server;
  server.serve("/new", "moved page");
  server.redirect("/old", "/new");
  PageRequest request;
  request.url = server.url("/old");
  EXPECT_EQ(winHttpFetch(request), "moved page");
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[1].path, "/new");
}

TEST(WinHttpFetch, AcceptsASelfSignedCertificate) {
  PageServer server(PageServer::Scheme::HttpsSelfSigned);
  server.serve("/list", "secure page");
  PageRequest request;
  request.url = server.url("/list");
  request.cookie = "s=1";
  EXPECT_EQ(winHttpFetch(request), "secure page");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].header("Cookie"), "s=1");
}

TEST(WinHttpFetch, UnreachableServerGivesNothing) {
  PageRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(testing::closedLoopbackPort()) + "/";
  EXPECT_EQ(winHttpFetch(request), "");
}

TEST(WinHttpFetch, TrickleEndsAtTheTotalLimit) {
  // A response sent a byte at a time keeps the idle limit happy.
  RawHttpRecorder server(okResponse(std::string(1000, 'x')), RawHttpRecorder::Mode::Trickle);
  PageRequest request;
  request.url = server.url("/list");
  FetchLimits limits;
  limits.totalTimeout = std::chrono::milliseconds(500);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(winHttpFetch(request, limits), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace zorvqi
