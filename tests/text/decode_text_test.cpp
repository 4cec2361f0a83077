#include "text/decode_text.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

using namespace std::string_literals;

struct DecodeCase {
  const char* name;
  int mode;
  std::string text;
  std::string decoded;
};

class DecodeText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeText, Gives) {
  EXPECT_EQ(decodeText(GetParam().mode, GetParam().text), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    UnicodeEscapes, DecodeText,
    ::testing::Values(
        DecodeCase{"Chinese", 1, "\\u4e2d\\u6587", "中文"}, DecodeCase{"UpperCaseDigits", 1, "\\u4E2D", "中"},
        DecodeCase{"EscapedQuote", 1, "it\\u0027s", "it's"},
        DecodeCase{"RawQuote", 1, "it's \\u4e2d", "it's 中"},
        DecodeCase{"BackslashQuote", 1, "it\\'s", "it's"},
        DecodeCase{"CrLfKept", 1, "\\u4e2d\r\n\\u6587", "中\r\n文"},
        DecodeCase{"LeadingCrDropped", 1, "\r\\u4e2d", "中"},
        DecodeCase{"SlashEscapes", 1, "\\/news\\/a", "/news/a"}, DecodeCase{"PercentUnit", 1, "%u4e2d", "中"},
        DecodeCase{"PercentByte", 1, "%41%42", "AB"}, DecodeCase{"HexEscape", 1, "\\x41b", "Ab"},
        DecodeCase{"OctalEscape", 1, "\\101\\1011", "AA1"}, DecodeCase{"VerticalTabIsV", 1, "\\v", "v"},
        DecodeCase{"NewlineEscape", 1, "a\\nb", "a\nb"},
        DecodeCase{"DoubleBackslashBeforeU", 1, "\\\\u4e2d", "中"},
        DecodeCase{"CapitalUIsLetter", 1, "\\U4e2d", "U4e2d"},
        DecodeCase{"ShortUnitStays", 1, "\\u12", "%u12"},
        DecodeCase{"ChineseTextPasses", 1, "中文标题", "中文标题"},
        DecodeCase{"RightQuoteBecomesApostrophe", 1, "’a’", "'a'"},
        DecodeCase{"LineBreakMarkBecomesCrLf", 1, "a{$}b", "a\r\nb"},
        DecodeCase{"AstralCharacterIsOneQuestionMark", 1, "\\ud83d\\ude00!", "?!"},
        DecodeCase{"LoneSurrogateIsQuestionMark", 1, "%ud83dx", "?x"},
        DecodeCase{"NotInGbk", 1, "\\uac00", "?"}, DecodeCase{"EndsAtU0000", 1, "ab%00cd", "ab"},
        DecodeCase{"LineContinuation", 1, "a\\\nb", "ab"}, DecodeCase{"Empty", 1, "", ""},
        DecodeCase{"OnlyCr", 1, "\r", ""},
        // Texts that are no literal body, or decode to nothing, come back undecoded.
        DecodeCase{"FinalBackslash", 1, "\\u4e2d\\", "\\u4e2d\\"},
        DecodeCase{"RawLineFeed", 1, "\\u4e2d\nx", "\\u4e2d\nx"},
        DecodeCase{"RawCarriageReturn", 1, "a\rb", "a\rb"},
        DecodeCase{"FailureKeepsCrLf", 1, "a\r\n\\x4", "a\r\n\\x4"},
        DecodeCase{"BadHex", 1, "\\xzz'", "\\xzz'"}, DecodeCase{"DecodesToNothing", 1, "%00abc", "%00abc"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PercentEncoded, DecodeText,
    ::testing::Values(
        DecodeCase{"Utf8", 2, "%E4%B8%AD", "中"},
        DecodeCase{"Utf8LowerCase", 2, "%e4%b8%ad%E6%96%87", "中文"},
        DecodeCase{"Utf8PlusStays", 2, "a+b", "a+b"}, DecodeCase{"Utf8PlainText", 2, "abc", "abc"},
        DecodeCase{"Utf8CutSequence", 2, "%E4%B8", "?"}, DecodeCase{"Utf8OutsideGbk", 2, "%F0%9F%98%80", "?"},
        DecodeCase{"Utf8EndsAtZero", 2, "a%00b", "a"}, DecodeCase{"Utf8LonePercentAtEnd", 2, "100%", "100%"},
        DecodeCase{"Utf8PercentOneCharLeft", 2, "%E4%B8%AD%4", "中%4"},
        DecodeCase{"Utf8PercentNotHex", 2, "%zz%41", "%zzA"},
        DecodeCase{"Utf8PercentBeforeEscape", 2, "%%41", "%A"}, DecodeCase{"Utf8OnlyPercent", 2, "%", "%"},
        DecodeCase{"Gbk", 3, "%D6%D0", "中"}, DecodeCase{"GbkLowerCase", 3, "%d6%d0", "中"},
        DecodeCase{"GbkMixedWithText", 3, "a%D6%D0b", "a中b"}, DecodeCase{"GbkPlusStays", 3, "a+b", "a+b"},
        DecodeCase{"GbkEndsAtZero", 3, "a%00b", "a"}, DecodeCase{"GbkPercentAtEnd", 3, "%D6%D0%", "中%"},
        DecodeCase{"GbkPercentOneDigitAtEnd", 3, "%D6%D0%D", "中%D"},
        DecodeCase{"GbkHalfWidthDigitsOnly", 3, "%Ｄ６", "%Ｄ６"},
        DecodeCase{"GbkLeadByteBeforePercent", 3, "中%41", "中A"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(OtherModes, DecodeText,
                         ::testing::Values(DecodeCase{"NoneKeepsText", 0, "\\u4e2d%41", "\\u4e2d%41"},
                                           DecodeCase{"FourIsEmpty", 4, "\\u4e2d", ""},
                                           DecodeCase{"NegativeIsEmpty", -1, "%41", ""},
                                           DecodeCase{"LargeIsEmpty", 1000, "abc", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvqi
