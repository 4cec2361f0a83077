#include "fetch/sent_headers.h"

#include <gtest/gtest.h>

#include "fetch/header_text.h"

namespace zorvqi {
namespace {

using Lines = std::vector<std::string>;

std::vector<SentHeader> headersOf(const Lines& lines) {
  std::vector<SentHeader> headers;
  for (const std::string& line : lines) {
    const std::size_t colon = line.find(':');
    headers.push_back({line.substr(0, colon), trimSpaces(line.substr(colon + 1)), line});
  }
  return headers;
}

Lines linesOf(const std::vector<SentHeader>& headers) {
  Lines lines;
  for (const SentHeader& header : headers) lines.push_back(header.line);
  return lines;
}

TEST(OnePerName, TheLaterLineTakesTheEarlierOnesPlace) {
  EXPECT_EQ(linesOf(onePerName(headersOf({"Referer: a", "X-A: 1", "referer: b", "X-B: 2", "REFERER : c"}))),
            (Lines{"REFERER : c", "X-A: 1", "X-B: 2"}));
  EXPECT_EQ(linesOf(onePerName(headersOf({"X-A: 1", "X-AB: 2"}))), (Lines{"X-A: 1", "X-AB: 2"}));
}

struct EncodingCase {
  const char* value;
  bool gzipSwitch;
  const char* kept;
};

class DecodableEncodingsTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(DecodableEncodingsTest, KeepsWhatTheFetchDecodes) {
  EXPECT_EQ(decodableEncodings(GetParam().value, GetParam().gzipSwitch), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, DecodableEncodingsTest,
                         ::testing::Values(EncodingCase{"gzip, deflate, br, zstd", false, "gzip"},
                                           EncodingCase{"gzip, deflate, br, zstd", true, "gzip, deflate"},
                                           EncodingCase{"br;q=1.0, GZIP;q=0.8,x-gzip , identity;q=0.1", false,
                                                        "GZIP;q=0.8, x-gzip, identity;q=0.1"},
                                           EncodingCase{"br, zstd, *, compress", true, ""},
                                           EncodingCase{"", false, ""},
                                           EncodingCase{" , gzip,, ", false, "gzip"}));

TEST(SettleHeaders, AppliesEveryRuleAndHandsTheCookieBack) {
  std::vector<SentHeader> headers = headersOf({"Cookie: a=1", "User-Agent:", "Accept-Encoding: gzip, br",
                                               "cookie: sid=abc ", "X-A: 1", "Accept-Encoding: br"});
  EXPECT_EQ(settleHeaders(headers, false), "sid=abc");
  EXPECT_EQ(linesOf(headers), (Lines{"User-Agent: " + std::string(kDefaultAgent), "X-A: 1"}));

  headers = headersOf({"Accept-Encoding: gzip, br", "Cookie:  "});
  EXPECT_EQ(settleHeaders(headers, false), "");
  EXPECT_EQ(linesOf(headers), (Lines{"Accept-Encoding: gzip"}));

  // Lines the rules leave alone keep their own spelling.
  headers = headersOf({"User-Agent:Mozilla/5.0", "Accept-Encoding: gzip"});
  EXPECT_EQ(settleHeaders(headers, false), "");
  EXPECT_EQ(linesOf(headers), (Lines{"User-Agent:Mozilla/5.0", "Accept-Encoding: gzip"}));
}

}  // namespace
}  // namespace zorvqi
