#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_process.h"
#include "support/gzip_bytes.h"
#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "support/utf8_literal.h"

namespace zorvqi {
namespace {

using testing::headerLines;
using testing::okResponse;
using testing::PageServer;
using testing::RawHttpRecorder;
using testing::requestBody;
using testing::requestLine;
using testing::runCli;
using testing::utf8;

constexpr const char* kUsage =
    "usage: zorvqi-cli fetch [--gbk] [--gzip] [--header LINE]... [--cookie C] [--post DATA] [--start M] "
    "[--end M] "
    "URL";

TEST(FetchCommand, PrintsTheNormalisedGbkPageAsUtf8) {
  RawHttpRecorder server(okResponse("<ul>\r\n  <li class='t'>新文章</li>\r\n</ul>"));
  const auto result = runCli({"fetch", "--gbk", server.url("/list")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, utf8(u8"<ul> <li class=t>新文章</li> </ul>\n"));
}

TEST(FetchCommand, SendsHeadersCookieAndPostData) {
  RawHttpRecorder server(okResponse("ok"));
  const auto result = runCli({"fetch", "--header", utf8(u8"user-agent: 机器"), "--header", "x-a: 1",
                              "--cookie", "Cookie: s=1", "--post", utf8(u8"q=中"), server.url("/list")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string raw = server.requests()[0];
  EXPECT_EQ(requestLine(raw), "POST /list HTTP/1.1");
  EXPECT_EQ(requestBody(raw), "q=中");  // GBK on the wire
  const auto lines = headerLines(raw);
  for (const char* expected : {"Cookie: s=1", "User-Agent: 机器", "X-A: 1"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
  }
}

TEST(FetchCommand, DecompressesWithGzip) {
  RawHttpRecorder server(okResponse(testing::gzipBytes(utf8(u8"<p>压缩</p>"))));
  const auto result = runCli({"fetch", "--gzip", server.url("/list")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, utf8(u8"<p>压缩</p>\n"));
}

// A logged-in plan whose site sends http visitors to https still reads the logged-in page.
TEST(FetchCommand, CookieFollowsTheRedirectFromHttpToHttpsOfTheSameHost) {
  PageServer secure(PageServer::Scheme::HttpsSelfSigned);
  secure.serveLoggedIn("/list", "sid=abc", "<p>welcome back</p>", "<form>log in</form>");
  PageServer plain;
  plain.redirect("/list", secure.url("/list"));
  const auto loggedIn = runCli({"fetch", "--cookie", "sid=abc", plain.url("/list")});
  EXPECT_EQ(loggedIn.exitStatus, 0) << loggedIn.err;
  EXPECT_EQ(loggedIn.out, "<p>welcome back</p>\n");
  const auto viaHeader = runCli({"fetch", "--header", "Cookie: sid=abc", plain.url("/list")});
  EXPECT_EQ(viaHeader.out, "<p>welcome back</p>\n");
  const auto loggedOut = runCli({"fetch", plain.url("/list")});
  EXPECT_EQ(loggedOut.out, "<form>log in</form>\n");
}

TEST(FetchCommand, PageWithoutItsStartMarkerFails) {
  RawHttpRecorder server(okResponse("maintenance"));
  const auto result = runCli({"fetch", "--start", "<ul>", server.url("/list")});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, utf8(u8"源码为空或无效，请检查网络或有效标记！\n"));
  EXPECT_EQ(server.requests().size(), 2u);
}

TEST(FetchCommand, MisuseIsAUsageError) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"fetch"},
                                               {"fetch", "--header"},
                                               {"fetch", "--bogus", "http://127.0.0.1/"},
                                               {"fetch", "http://127.0.0.1/a", "http://127.0.0.1/b"}}) {
    const auto result = runCli(args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(kUsage), std::string::npos);
  }
  const auto help = runCli({"fetch", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out, std::string(kUsage) + "\n");
}

}  // namespace
}  // namespace zorvqi
