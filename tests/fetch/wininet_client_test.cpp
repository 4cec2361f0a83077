#include "fetch/wininet_client.h"

#include <gtest/gtest.h>

#include <algorithm>

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
  return testing::recordExchange([](const PageRequest& r) { return winInetFetch(r); }, request, response);
}

Lines afterHost(const std::string& raw) {
  Lines lines = headerLines(raw);
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

TEST(WinInetFetch, SendsTheAgentAndTheCompletedHeaderText) {
  PageRequest request;
  request.headerText = "user-agent: X\r\nx-requested-with: y";
  const Exchange sent = exchange(request);
  EXPECT_EQ(sent.body, "page");
  EXPECT_EQ(requestLine(sent.raw), "GET /list HTTP/1.1");
  EXPECT_EQ(afterHost(sent.raw), (Lines{"User-Agent: X", "X-Requested-With: y", "Accept: */*",
                                        "Referer: " + sent.url, "Accept-Language: zh-cn"}));
}

TEST(WinInetFetch, EmptyHeaderTextGetsTheDefaultAgentAndNoCookie) {
  const Exchange sent = exchange({});
  EXPECT_EQ(afterHost(sent.raw),
            (Lines{kDefaultUserAgent, "Accept: */*", "Referer: " + sent.url, "Accept-Language: zh-cn"}));
}

TEST(WinInetFetch, BothCookieFormsBecomeOneCookieLine) {
  for (const char* cookie : {"Cookie: a=1", "a=1", " a=1 "}) {
    PageRequest request;
    request.cookie = cookie;
    const Lines lines = afterHost(exchange(request).raw);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Cookie: a=1"), 1) << cookie;
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("Cookie", 0) == 0; }),
              1);
  }
}

TEST(WinInetFetch, GetNeverCarriesABody) {
  PageRequest request;
  request.postData = "a=1";
  const Exchange sent = exchange(request);
  EXPECT_EQ(requestLine(sent.raw), "GET /list HTTP/1.1");
  EXPECT_EQ(requestBody(sent.raw), "");
  for (const std::string& line : headerLines(sent.raw)) EXPECT_NE(line.rfind("Content-", 0), 0u) << line;
}

TEST(WinInetFetch, PostSendsTheDataAsAForm) {
  PageRequest request;
  request.postSwitch = 1;
  request.postData = "q=中文";
  const Exchange sent = exchange(request);
  EXPECT_EQ(requestLine(sent.raw), "POST /list HTTP/1.1");
  EXPECT_EQ(requestBody(sent.raw), "q=中文");
  const Lines lines = headerLines(sent.raw);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Content-Type: application/x-www-form-urlencoded"),
            lines.end());
}

TEST(WinInetFetch, UrlWithoutSchemeIsFetchedOverHttp) {
  RawHttpRecorder server;
  PageRequest request;
  request.url = server.url("/List?Page=2").substr(std::string("http://").size());
  EXPECT_EQ(winInetFetch(request), "ok");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(requestLine(server.requests()[0]), "GET /List?Page=2 HTTP/1.1");
}

TEST(WinInetFetch, ErrorStatusBodyIsReturned) {
  EXPECT_EQ(exchange({}, "HTTP/1.1 500 Oops\r\nContent-Length: 4\r\nConnection: close\r\n\r\noops").body,
            "oops");
}

TEST(WinInetFetch, BodyCutShortByTheServerIsKept) {
  EXPECT_EQ(exchange({}, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\npartial").body,
            "partial");
}

TEST(WinInetFetch, FollowsRedirectsAndAcceptsASelfSignedCertificate) {
  PageServer secure(PageServer::Scheme::HttpsSelfSigned);
  secure.serve("/list", "secure page");
  secure.redirect("/old", "/list");
  PageRequest request;
  request.url = secure.url("/old");
  request.cookie = "s=1";
  EXPECT_EQ(winInetFetch(request), "secure page");
  ASSERT_EQ(secure.requests().size(), 2u);
  EXPECT_EQ(secure.requests()[1].header("Cookie"), "s=1");
}

TEST(WinInetFetch, RedirectToAnotherPortAndSchemeOfTheHostKeepsTheCookie) {
  PageServer secure(PageServer::Scheme::HttpsSelfSigned);
  secure.serve("/list", "secure page");
  PageServer plain;
  plain.redirect("/old", secure.url("/list"));
  PageRequest request;
  request.url = plain.url("/old");
  request.cookie = "s=1";
  EXPECT_EQ(winInetFetch(request), "secure page");
  ASSERT_EQ(secure.requests().size(), 1u);
  EXPECT_EQ(secure.requests()[0].header("Cookie"), "s=1");
}

}  // namespace
}  // namespace zorvqi
