#include "companion/companion_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "companion/companion_addresses.h"
#include "companion/html_escape.h"
#include "companion/qr_svg.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(HtmlEscape, ReplacesTheFiveMarkupCharactersOnly) {
  EXPECT_EQ(escapeHtml("<a href=\"x\">'&'</a>"), "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
  EXPECT_EQ(escapeHtml("汐昙 ok"), "汐昙 ok");
}

TEST(CompanionAddresses, JoinBasePathAndQuery) {
  EXPECT_EQ(newsPageAddress("http://127.0.0.1:8", kStartupNewsQuery),
            "http://127.0.0.1:8/zt/softnews.php?n=zorvqi&v=2.5&s=win10&m=");
  EXPECT_EQ(newsPageAddress("http://h", kMiniHomeNewsQuery),
            "http://h/zt/softnews.php?n=zorvqi&v=2.5&s=win10");
  EXPECT_EQ(qrPageAddress("http://h", "a%20b%2Fc"), "http://h/zt/soft/qr.php?value=a%20b%2Fc");
}

TEST(NewsPage, ShowsTheVersionAndTheSummary) {
  const std::string page = newsPageHtml({3, 42, "2024-05-01 10:20:30"});
  EXPECT_TRUE(contains(page, "charset=\"utf-8\""));
  EXPECT_TRUE(contains(page, gbkToUtf8("汐昙监控系统 2.5")));
  EXPECT_TRUE(contains(page, gbkToUtf8("监控方案：3 个")));
  EXPECT_TRUE(contains(page, gbkToUtf8("今日（本次运行）入库：42 篇")));
  EXPECT_TRUE(contains(page, gbkToUtf8("上一轮完成：2024-05-01 10:20:30")));
  EXPECT_FALSE(contains(page, "<script"));
}

TEST(NewsPage, SaysNotYetRunBeforeTheFirstRoundAndEscapesTheTime) {
  EXPECT_TRUE(contains(newsPageHtml({}), gbkToUtf8("上一轮完成：尚未运行")));
  const std::string page = newsPageHtml({0, 0, "<script>x</script>"});
  EXPECT_FALSE(contains(page, "<script"));
  EXPECT_TRUE(contains(page, "&lt;script&gt;x&lt;/script&gt;"));
}

TEST(QrSvg, DrawsTheFinderPatternInsideTheQuietZone) {
  const auto svg = qrCodeSvg("https://example.com/a");
  ASSERT_TRUE(svg);
  // 21 bytes fit version 2 at level M: 25 modules plus two quiet zones of 4.
  EXPECT_TRUE(contains(*svg, "viewBox=\"0 0 33 33\""));
  // The top-left finder pattern opens with a run of 7 dark modules at (4, 4).
  EXPECT_TRUE(contains(*svg, "d=\"M4 4h7v1h-7z"));
  EXPECT_TRUE(contains(*svg, "width=\"240\" height=\"240\""));
}

TEST(QrSvg, RefusesEmptyAndOversizedData) {
  EXPECT_FALSE(qrCodeSvg(""));
  EXPECT_FALSE(qrCodeSvg(std::string(3000, 'a')));
  EXPECT_TRUE(qrCodeSvg(std::string(2000, 'a')));
}

TEST(QrPage, ShowsTheCodeAndTheAddressUnderIt) {
  const std::string page = qrPageHtml("https://bbs.example.com/t?id=1&p=2");
  const std::size_t svg = page.find("<svg");
  const std::size_t address = page.find("https://bbs.example.com/t?id=1&amp;p=2");
  ASSERT_NE(svg, std::string::npos);
  ASSERT_NE(address, std::string::npos);
  EXPECT_LT(svg, address);
}

struct HostileValue {
  const char* value;
  const char* escaped;
};

class QrPageEscaping : public ::testing::TestWithParam<HostileValue> {};

TEST_P(QrPageEscaping, NeverLetsTheValueBecomeMarkup) {
  const std::string page = qrPageHtml(GetParam().value);
  EXPECT_FALSE(contains(page, "<script"));
  EXPECT_FALSE(contains(page, "<img"));
  // The value adds no element: the page has as many tags as one for a harmless value.
  const auto tags = [](const std::string& html) { return std::count(html.begin(), html.end(), '<'); };
  EXPECT_EQ(tags(page), tags(qrPageHtml("x")));
  EXPECT_TRUE(contains(page, GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(Values, QrPageEscaping,
                         ::testing::Values(HostileValue{"<script>alert(1)</script>",
                                                        "&lt;script&gt;alert(1)&lt;/script&gt;"},
                                           HostileValue{"\"><img src=x onerror=alert(1)>",
                                                        "&quot;&gt;&lt;img src=x onerror=alert(1)&gt;"},
                                           HostileValue{"'</p><script>", "&#39;&lt;/p&gt;&lt;script&gt;"}));

TEST(QrPage, ExplainsWhenThereIsNothingToEncodeOrTooMuch) {
  const std::string empty = qrPageHtml("");
  EXPECT_FALSE(contains(empty, "<svg"));
  EXPECT_TRUE(contains(empty, gbkToUtf8("没有要生成二维码的地址。")));

  const std::string tooLong = qrPageHtml(std::string(3000, 'a') + "<script>");
  EXPECT_FALSE(contains(tooLong, "<svg"));
  EXPECT_TRUE(contains(tooLong, gbkToUtf8("地址太长，无法生成二维码：")));
  EXPECT_TRUE(contains(tooLong, "&lt;script&gt;"));
}

TEST(QrPage, ReadsMalformedUtf8AsReplacementCharacters) {
  const std::string page = qrPageHtml("http://a/\xff\xfe");
  EXPECT_TRUE(contains(page, "http://a/\xef\xbf\xbd\xef\xbf\xbd"));
  EXPECT_FALSE(contains(page, "\xff"));
}

}  // namespace
}  // namespace zorvqi
