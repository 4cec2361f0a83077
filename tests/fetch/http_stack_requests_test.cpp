// What both HTTP stacks send and give back for the habits of real sites and of users who
// paste a browser's request headers: one table, run on each stack against the raw recorder.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "base/program_dir.h"
#include "fetch/fetch_page.h"
#include "fetch/header_text.h"
#include "fetch/winhttp_client.h"
#include "fetch/wininet_client.h"
#include "support/gzip_bytes.h"
#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "support/temp_dir.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

using testing::gzipBytes;
using testing::headerLines;
using testing::okResponse;
using testing::PageServer;
using testing::RawHttpRecorder;
using testing::redirectResponse;
using testing::requestLine;
using Lines = std::vector<std::string>;

enum class Stack { WinHttp, WinInet };
enum class Stacks { Both, WinHttpOnly, WinInetOnly };

// Where the request goes: one recorder, or a recorder whose 302 leads to a second server.
enum class Site { One, SameHostOtherPort, OtherHost, HttpToHttps };

// The fields of the request a case sends; its url is a path on the first server, or an
// address holding "{server}".
struct Ask {
  std::string url = "/list";
  std::string cookie{};
  std::string headerText{};
  int gbkSwitch = 0;
  int gzipSwitch = 0;

  PageRequest request() const {
    PageRequest made;
    made.url = url;
    made.cookie = cookie;
    made.headerText = headerText;
    made.gbkSwitch = gbkSwitch;
    made.gzipSwitch = gzipSwitch;
    return made;
  }
};

struct StackCase {
  const char* name = "";
  Ask ask{};
  std::vector<std::string> responses = {okResponse("page")};  // of the first server (Site::One)
  Site site = Site::One;
  std::string page = "page";  // what the stack's body gives as page text
  std::size_t pageOfAs = 0;   // set: the page is that many "a" instead
  Lines sent{};               // lines the last request holds, in this order among its lines
  Lines notSent{};            // header names (lower case) the last request lacks
  Lines firstLegSent{};       // lines the first request of a redirect holds
  std::string requestLine{};  // of the last request, when given
  Stacks on = Stacks::Both;
  bool unloadableModule = false;
};

// A failing case names itself rather than dumping its bytes.
void PrintTo(const StackCase& c, std::ostream* os) {
  *os << c.name;
}

const std::string kDefaultAgentLine = "User-Agent: " + std::string(kDefaultAgent);
constexpr std::size_t kBombMebibytes = 1024;

std::string twoMembers() {
  return gzipBytes("<p>one</p>") + gzipBytes("<p>two</p>");
}

const std::vector<StackCase>& cases() {
  static const std::vector<StackCase> table = {
      {.name = "RepeatedNamesSendTheLaterLine",
       .ask = {.headerText = "Referer: a\r\nX-A: 1\r\nreferer: b\r\nx-a: 2\r\nX-B: 3"},
       .sent = {"Referer: b", "X-A: 2", "X-B: 3"}},
      {.name = "HeaderTextCookieWinsOverTheCookieBox",
       .ask = {.cookie = "sid=box", .headerText = "Cookie: sid=abc\r\nX-A: 1"},
       .sent = {"Cookie: sid=abc", "X-A: 1"}},
      {.name = "HeaderTextCookieWithAnEmptyBoxSendsNoEmptyLine",
       .ask = {.headerText = "User-Agent: X\r\nCookie: sid=abc"},
       .sent = {"Cookie: sid=abc", "User-Agent: X"}},
      {.name = "CookieBoxWithItsPrefix", .ask = {.cookie = "Cookie: sid=abc"}, .sent = {"Cookie: sid=abc"}},
      {.name = "NoCookieSendsNoCookieLine", .ask = {}, .notSent = {"cookie"}},
      {.name = "RedirectToAnotherPortOfTheHostKeepsTheCookie",
       .ask = {.url = "/old", .cookie = "sid=abc"},
       .site = Site::SameHostOtherPort,
       .sent = {"Cookie: sid=abc"},
       .firstLegSent = {"Cookie: sid=abc"}},
      {.name = "RedirectToAnotherHostDropsTheCookie",
       .ask = {.url = "/old", .cookie = "sid=abc"},
       .site = Site::OtherHost,
       .notSent = {"cookie"},
       .firstLegSent = {"Cookie: sid=abc"}},
      {.name = "RedirectFromHttpToHttpsKeepsTheCookie",
       .ask = {.url = "/old", .headerText = "Cookie: sid=abc"},
       .site = Site::HttpToHttps,
       .sent = {"Cookie: sid=abc"},
       .firstLegSent = {"Cookie: sid=abc"}},
      {.name = "CookieSetOnARedirectToItselfGoesWithTheUsersCookie",
       .ask = {.cookie = "sid=abc"},
       .responses = {redirectResponse("/list", "Set-Cookie: gate=1; Path=/\r\n"), okResponse("page")},
       .sent = {"Cookie: gate=1; sid=abc"},
       .firstLegSent = {"Cookie: sid=abc"}},
      {.name = "AddressWithSpacesIsSentEncoded",
       .ask = {.url = "/a b/list?q=x y&r=%20"},
       .requestLine = "GET /a%20b/list?q=x%20y&r=%20 HTTP/1.1"},
      {.name = "ChineseAddressGoesAsUtf8",
       .ask = {.url = "/搜索?q=中文"},
       .requestLine = "GET /%E6%90%9C%E7%B4%A2?q=%E4%B8%AD%E6%96%87 HTTP/1.1",
       .on = Stacks::WinHttpOnly},
      {.name = "ChineseAddressGoesAsGbk",
       .ask = {.url = "/搜索?q=中文"},
       .requestLine = "GET /%CB%D1%CB%F7?q=%D6%D0%CE%C4 HTTP/1.1",
       .on = Stacks::WinInetOnly},
      {.name = "LineFeedsAndCarriageReturnsSeparateLinesToo",
       .ask = {.headerText = "User-Agent: X\nCookie: s=1\rX-A: 1\r\nX-B: 2"},
       .sent = {"Cookie: s=1", "User-Agent: X", "X-A: 1", "X-B: 2"}},
      {.name = "EmptyUserAgentSendsTheDefaultAgent",
       .ask = {.headerText = "User-Agent:  \r\nX-A: 1"},
       .sent = {kDefaultAgentLine, "X-A: 1"}},
      {.name = "GzipBodyIsDecompressedWithoutTheSwitch",
       .ask = {.headerText = "Accept-Encoding: gzip, deflate"},
       .responses = {okResponse(gzipBytes("<p>page</p>"), "Content-Encoding: gzip\r\n")},
       .page = "<p>page</p>",
       .sent = {"Accept-Encoding: gzip"}},
      {.name = "EveryMemberOfAGzipBodyIsDecompressed",
       .ask = {.gzipSwitch = 1},
       .responses = {okResponse(twoMembers())},
       .page = "<p>one</p><p>two</p>"},
      {.name = "AcceptEncodingKeepsOnlyTheCodingsThatAreDecoded",
       .ask = {.headerText = "accept-encoding: gzip, deflate, br, zstd", .gzipSwitch = 1},
       .sent = {"Accept-Encoding: gzip, deflate"}},
      {.name = "AcceptEncodingWithNothingDecodableIsNotSent",
       .ask = {.headerText = "Accept-Encoding: br;q=1.0, zstd, *"},
       .notSent = {"accept-encoding"}},
      {.name = "GzipBodyWithAModuleThatDoesNotLoadGivesNothing",
       .ask = {.gzipSwitch = 1},
       .responses = {okResponse(gzipBytes("<p>page</p>"))},
       .page = "",
       .unloadableModule = true},
      {.name = "GzipBombStopsAtTheCap",
       .ask = {.gbkSwitch = 1},
       .responses = {okResponse(testing::gzipBomb(kBombMebibytes, 'a'))},
       .pageOfAs = kMaxBodyBytes},
      {.name = "UserInformationBeforeTheHostDoesNotHideIt",
       .ask = {.url = "http://user:pw@{server}/list"},
       .requestLine = "GET /list HTTP/1.1",
       .on = Stacks::WinInetOnly},
  };
  return table;
}

std::string fetchWith(Stack stack, const PageRequest& request) {
  return stack == Stack::WinHttp ? winHttpFetch(request) : winInetFetch(request);
}

// What a case's requests came to.
struct Outcome {
  std::string page;
  std::vector<Lines> legs;  // the header lines of every request, first to last
  std::string lastRequestLine;
};

void recordRawLegs(const RawHttpRecorder& server, Outcome& outcome) {
  for (const std::string& raw : server.requests()) {
    outcome.legs.push_back(headerLines(raw));
    outcome.lastRequestLine = requestLine(raw);
  }
}

std::string addressOn(const RawHttpRecorder& server, const std::string& url) {
  const std::size_t at = url.find("{server}");
  if (at == std::string::npos) return server.url(url);
  return url.substr(0, at) + "127.0.0.1:" + std::to_string(server.port()) + url.substr(at + 8);
}

Outcome runCase(const StackCase& c, Stack stack) {
  Outcome outcome;
  PageRequest request = c.ask.request();
  const auto fetch = [&] { outcome.page = usablePageText(fetchWith(stack, request), request); };
  if (c.site == Site::One) {
    RawHttpRecorder server(c.responses);
    request.url = addressOn(server, request.url);
    fetch();
    recordRawLegs(server, outcome);
  } else if (c.site == Site::HttpToHttps) {
    PageServer secure(PageServer::Scheme::HttpsSelfSigned);
    secure.serve("/list", "page");
    RawHttpRecorder first(redirectResponse(secure.url("/list")));
    request.url = first.url(request.url);
    fetch();
    recordRawLegs(first, outcome);
    for (const testing::ServedRequest& served : secure.requests()) {
      Lines lines;
      for (const auto& [name, value] : served.headers) lines.push_back(name + ": " + value);
      outcome.legs.push_back(lines);
      outcome.lastRequestLine = served.method + " " + served.path;
    }
  } else {
    RawHttpRecorder last(okResponse("page"));
    const std::string host = c.site == Site::OtherHost ? "localhost" : "127.0.0.1";
    RawHttpRecorder first(redirectResponse("http://" + host + ":" + std::to_string(last.port()) + "/list"));
    request.url = first.url(request.url);
    fetch();
    recordRawLegs(first, outcome);
    recordRawLegs(last, outcome);
  }
  return outcome;
}

std::string nameOf(const std::string& line) {
  return asciiLowered(line.substr(0, line.find(':')));
}

// Each of `expected` occurs among `lines`, in that order.
bool holdsInOrder(const Lines& lines, const Lines& expected) {
  auto at = lines.begin();
  for (const std::string& line : expected) {
    at = std::find(at, lines.end(), line);
    if (at == lines.end()) return false;
    ++at;
  }
  return true;
}

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

class HttpStackRequestsTest : public ::testing::TestWithParam<std::tuple<StackCase, Stack>> {
 protected:
  void SetUp() override { setProgramDir(ZORVQI_BIN_DIR); }
  void TearDown() override { setProgramDir(ZORVQI_BIN_DIR); }
};

TEST_P(HttpStackRequestsTest, SendsAndReadsAsTheSiteNeeds) {
  const auto& [c, stack] = GetParam();
  std::optional<testing::TempDir> moduleDir;
  if (c.unloadableModule) {
    moduleDir.emplace();
    testing::writeFileBytes(moduleDir->path() / "gzip.dll", "not a shared object");
    setProgramDir(moduleDir->path().string());
  }
  const Outcome outcome = runCase(c, stack);
  if (c.pageOfAs > 0) {
    EXPECT_EQ(outcome.page.size(), c.pageOfAs);
    EXPECT_EQ(outcome.page.find_first_not_of('a'), std::string::npos);
  } else {
    EXPECT_EQ(outcome.page, c.page);
  }
  ASSERT_FALSE(outcome.legs.empty());
  for (const Lines& leg : outcome.legs) {
    Lines names;
    for (const std::string& line : leg) names.push_back(nameOf(line));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "a name sent twice:\n"
                                                                           << joined(leg);
    for (const std::string& line : leg) EXPECT_NE(line, "Cookie:") << "an empty Cookie line";
  }
  const Lines& last = outcome.legs.back();
  EXPECT_TRUE(holdsInOrder(last, c.sent)) << joined(last);
  for (const std::string& name : c.notSent) {
    EXPECT_TRUE(
        std::none_of(last.begin(), last.end(), [&](const std::string& l) { return nameOf(l) == name; }))
        << name << " sent:\n"
        << joined(last);
  }
  if (!c.firstLegSent.empty()) {
    ASSERT_EQ(outcome.legs.size(), 2u);
    EXPECT_TRUE(holdsInOrder(outcome.legs.front(), c.firstLegSent)) << joined(outcome.legs.front());
  }
  if (!c.requestLine.empty()) {
    EXPECT_EQ(outcome.lastRequestLine, c.requestLine);
  }
}

// Every case on each stack it concerns.
std::vector<std::tuple<StackCase, Stack>> runs() {
  std::vector<std::tuple<StackCase, Stack>> all;
  for (const StackCase& c : cases()) {
    if (c.on != Stacks::WinInetOnly) all.emplace_back(c, Stack::WinHttp);
    if (c.on != Stacks::WinHttpOnly) all.emplace_back(c, Stack::WinInet);
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(BothStacks, HttpStackRequestsTest, ::testing::ValuesIn(runs()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == Stack::WinHttp ? "_WinHttp" : "_WinInet");
                         });

}  // namespace
}  // namespace zorvqi
