#include "text/charset.h"

#include <gtest/gtest.h>

#include "text/now_text.h"

namespace zorvqi {
namespace {

TEST(Charset, RoundTripsChineseThroughUtf8) {
  const std::string gbk = "中文标题：新文章";
  const std::string utf8 = gbkToUtf8(gbk);
  EXPECT_EQ(utf8, std::string(reinterpret_cast<const char*>(u8"中文标题：新文章")));
  EXPECT_EQ(utf8ToGbk(utf8), gbk);
}

TEST(Charset, EuroSignSitsAt0x80) {
  EXPECT_EQ(utf8ToGbk("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(gbkToUtf8("\x80"), "\xE2\x82\xAC");
}

struct Utf8Case {
  std::string utf8;
  std::string gbk;
};

class Utf8ToGbk : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToGbk, ReplacesWhatGbkLacks) {
  EXPECT_EQ(utf8ToGbk(GetParam().utf8), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8ToGbk,
                         ::testing::Values(Utf8Case{"abc", "abc"},
                                           Utf8Case{"\xF0\x9F\x98\x80x",
                                                    "?x"},              // an emoji, outside GBK: one "?"
                                           Utf8Case{"\xE2\x82", "?"},   // a cut sequence
                                           Utf8Case{"a\xFFz", "a?z"},   // a byte that never starts UTF-8
                                           Utf8Case{"\xC0\xAF", "??"},  // an overlong form: two invalid bytes
                                           Utf8Case{"\xED\xA0\x80", "???"},  // an encoded surrogate
                                           Utf8Case{std::string("a\0b", 3), std::string("a\0b", 3)},
                                           Utf8Case{"\xE4\xB8\xAD", "中"}));

TEST(Charset, Utf16SurrogatePairsAreOneCodePoint) {
  EXPECT_EQ(utf16ToGbk(u"\U0001F600中"), "?中");
  EXPECT_EQ(utf16ToGbk(std::u16string(1, char16_t(0xD800))), "?");
  EXPECT_EQ(gbkToUtf16("中a"), u"中a");
  EXPECT_EQ(utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Charset, UnknownGbkPairsReadAsReplacement) {
  // A lone lead byte at the end, and a lead byte before an ASCII byte, which stays itself.
  EXPECT_EQ(gbkToUtf8("a\xD6"), "a\xEF\xBF\xBD");
  EXPECT_EQ(gbkToUtf8("\xD6"
                      "1"),
            "\xEF\xBF\xBD"
            "1");
}

TEST(NowText, LongAndShortForms) {
  const LocalTime t{2020, 5, 3, 9, 7, 5};
  EXPECT_EQ(timeText(t, TimeForm::Long), "2020-5-3 9:7:5");
  EXPECT_EQ(timeText(t, TimeForm::Short), "5/3 9:07");
  EXPECT_EQ(timeText({2024, 12, 25, 10, 7, 0}, TimeForm::Short), "12/25 10:07");
  FixedClock clock(t);
  setCurrentClock(&clock);
  EXPECT_EQ(nowText(TimeForm::Short), "5/3 9:07");
  setCurrentClock(nullptr);
}

}  // namespace
}  // namespace zorvqi
