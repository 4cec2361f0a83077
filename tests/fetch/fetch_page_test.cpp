#include "fetch/fetch_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/program_dir.h"
#include "support/gzip_bytes.h"
#include "support/raw_http_recorder.h"
#include "support/temp_dir.h"
#include "support/utf8_literal.h"

namespace zorvqi {
namespace {

using testing::gzipBytes;
using testing::headerLines;
using testing::okResponse;
using testing::RawHttpRecorder;
using testing::utf8;

// The first stack sends its User-Agent after the other lines of an empty header text; the
// second sends its agent string right after Host.
bool sentByFirstStack(const std::string& raw) {
  const auto lines = headerLines(raw);
  const auto agent = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& line) { return line.rfind("User-Agent:", 0) == 0; });
  const auto accept = std::find(lines.begin(), lines.end(), "Accept: */*");
  return agent != lines.end() && accept != lines.end() && agent > accept;
}

class FetchPageTest : public ::testing::Test {
 protected:
  void SetUp() override { setProgramDir(ZORVQI_BIN_DIR); }
  void TearDown() override { setProgramDir(ZORVQI_BIN_DIR); }

  static PageRequest requestFor(const RawHttpRecorder& server) {
    PageRequest request;
    request.url = server.url("/list");
    return request;
  }
};

TEST_F(FetchPageTest, GbkPageIsNormalised) {
  RawHttpRecorder server(okResponse("<li>\r\n  标题&lt;a&gt;</li>\t<p class='x'>"));
  PageRequest request = requestFor(server);
  request.gbkSwitch = 1;
  EXPECT_EQ(fetchPage(request), "<li> 标题<a></li> <p class=x>");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchPageTest, Utf8PageBecomesGbk) {
  RawHttpRecorder server(okResponse(utf8(u8"<b>新文章 😀</b>")));
  EXPECT_EQ(fetchPage(requestFor(server)), "<b>新文章 ?</b>");
}

TEST_F(FetchPageTest, GzipBodyIsDecompressedWhateverTheSwitch) {
  const std::string page = "<ul>" + std::string(20000, ' ') + "压缩页</ul>";
  RawHttpRecorder server(okResponse(gzipBytes(page), "Content-Encoding: gzip\r\n"));
  PageRequest request = requestFor(server);
  request.gbkSwitch = 1;
  for (int gzipSwitch : {0, 1}) {
    request.gzipSwitch = gzipSwitch;
    EXPECT_EQ(fetchPage(request), "<ul> 压缩页</ul>") << gzipSwitch;
  }
  EXPECT_EQ(server.requests().size(), 2u);
}

// Only the switch makes a zlib body be read as one: "x" followed by such a byte may be text.
TEST_F(FetchPageTest, ZlibBodyIsDecompressedWithTheSwitchOnly) {
  const std::string packed = gzipBytes("<p>zlib</p>", true);
  RawHttpRecorder server(okResponse(packed));
  PageRequest request = requestFor(server);
  request.gbkSwitch = 1;
  request.gzipSwitch = 1;
  EXPECT_EQ(fetchPage(request), "<p>zlib</p>");
  request.gzipSwitch = 0;
  EXPECT_NE(fetchPage(request), "<p>zlib</p>");
}

// A server may ignore the request for gzip: its plain page is the page.
TEST_F(FetchPageTest, PlainBodyWithTheSwitchIsThePage) {
  RawHttpRecorder server(okResponse("<p>plain</p>"));
  PageRequest request = requestFor(server);
  request.gzipSwitch = 1;
  EXPECT_EQ(fetchPage(request), "<p>plain</p>");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchPageTest, GzipWithoutTheModuleGivesNothingFromEitherStack) {
  testing::TempDir empty;
  setProgramDir(empty.path().string());
  RawHttpRecorder server(okResponse(gzipBytes("page")));
  PageRequest request = requestFor(server);
  for (int gzipSwitch : {0, 1}) {
    request.gzipSwitch = gzipSwitch;
    EXPECT_EQ(fetchPage(request), "") << gzipSwitch;
  }
  EXPECT_EQ(server.requests().size(), 4u);
}

// A site that wants its query in GBK answers the first stack's UTF-8 query with a page
// lacking its list; the second stack sends the GBK bytes and gets it.
TEST_F(FetchPageTest, GbkQueryIsServedByTheSecondStack) {
  RawHttpRecorder server({okResponse("no such article"), okResponse("<ul>搜索结果</ul>")});
  PageRequest request = requestFor(server);
  request.url = server.url("/search?q=中文");
  request.gbkSwitch = 1;
  request.startMarker = "<ul>";
  EXPECT_EQ(fetchPage(request), "<ul>搜索结果</ul>");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(testing::requestLine(requests[0]), "GET /search?q=%E4%B8%AD%E6%96%87 HTTP/1.1");
  EXPECT_EQ(testing::requestLine(requests[1]), "GET /search?q=%D6%D0%CE%C4 HTTP/1.1");
}

TEST_F(FetchPageTest, MissingStartMarkerSendsTheRequestThroughTheSecondStack) {
  RawHttpRecorder server({okResponse("maintenance"), okResponse("<div id=list>a</div>")});
  PageRequest request = requestFor(server);
  request.startMarker = "<div id=list>";
  EXPECT_EQ(fetchPage(request), "<div id=list>a</div>");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(sentByFirstStack(requests[0]));
  EXPECT_FALSE(sentByFirstStack(requests[1]));
}

TEST_F(FetchPageTest, MarkerMissingOnBothStacksGivesNothing) {
  RawHttpRecorder server(okResponse("maintenance"));
  PageRequest request = requestFor(server);
  request.startMarker = "<div id=list>";
  EXPECT_EQ(fetchPage(request), "");
  EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(FetchPageTest, MarkerIsLookedForInTheNormalisedText) {
  RawHttpRecorder server(okResponse("<div  class='list'>x</div>"));
  PageRequest request = requestFor(server);
  request.startMarker = "<div class=list>";
  EXPECT_EQ(fetchPage(request), "<div class=list>x</div>");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchPageTest, WithBothMarkersThePageIsNotChecked) {
  RawHttpRecorder server(okResponse("no markers here"));
  PageRequest request = requestFor(server);
  request.startMarker = "<ul>";
  request.endMarker = "</ul>";
  EXPECT_EQ(fetchPage(request), "no markers here");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchPageTest, EmptyBodyFromTheFirstStackIsFetchedAgain) {
  RawHttpRecorder server({okResponse(""), okResponse("second")});
  EXPECT_EQ(fetchPage(requestFor(server)), "second");
  EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(FetchPageTest, UrlWithoutSchemeReachesTheSecondStack) {
  RawHttpRecorder server(okResponse("page"));
  PageRequest request = requestFor(server);
  request.url = request.url.substr(std::string("http://").size());
  EXPECT_EQ(fetchPage(request), "page");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(sentByFirstStack(requests[0]));
}

TEST_F(FetchPageTest, NothingReachableGivesNothing) {
  PageRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(testing::closedLoopbackPort()) + "/list";
  EXPECT_EQ(fetchPage(request), "");
}

}  // namespace
}  // namespace zorvqi
