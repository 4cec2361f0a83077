#include "text/jscript_string.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct LiteralCase {
  const char* name;
  std::u16string body;
  std::u16string value;
};

class StringLiteralBody : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(StringLiteralBody, ResolvesEscape) {
  const auto value = evaluateStringLiteralBody(GetParam().body);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, StringLiteralBody,
    ::testing::Values(
        LiteralCase{"Plain", u"abc 中文", u"abc 中文"}, LiteralCase{"Empty", u"", u""},
        LiteralCase{"Backspace", u"\\b", u"\b"}, LiteralCase{"Tab", u"\\t", u"\t"},
        LiteralCase{"LineFeed", u"\\n", u"\n"}, LiteralCase{"VerticalTabIsTheLetterV", u"\\v", u"v"},
        LiteralCase{"FormFeed", u"\\f", u"\f"}, LiteralCase{"CarriageReturn", u"\\r", u"\r"},
        LiteralCase{"DoubleQuote", u"\\\"", u"\""}, LiteralCase{"SingleQuote", u"\\'", u"'"},
        LiteralCase{"Backslash", u"\\\\", u"\\"}, LiteralCase{"Slash", u"\\/news\\/a", u"/news/a"},
        LiteralCase{"OtherCharacterIsItself", u"\\q\\%\\中", u"q%中"},
        LiteralCase{"EightAndNineAreNotOctal", u"\\8\\9", u"89"},
        LiteralCase{"HexLowerAndUpper", u"\\x41\\x6a\\x6A", u"Ajj"},
        LiteralCase{"HexTakesTwoDigitsOnly", u"\\x414", u"A4"},
        LiteralCase{"Unicode", u"\\u4e2d\\u6587", u"中文"},
        LiteralCase{"UnicodeTakesFourDigitsOnly", u"\\u00411", u"A1"},
        LiteralCase{"UnicodeSurrogatePair", u"\\ud83d\\ude00", u"\U0001F600"},
        LiteralCase{"OctalZero", u"\\0", std::u16string(1, u'\0')},
        LiteralCase{"OctalZeroBeforeEight", u"\\08",
                    std::u16string(u"\0"
                                   "8",
                                   2)},
        LiteralCase{"OctalOneDigit", u"\\7x", u"\ax"}, LiteralCase{"OctalTwoDigits", u"\\101", u"A"},
        LiteralCase{"OctalThreeDigits", u"\\377", u"\u00FF"},
        LiteralCase{"OctalFourthDigitIsText", u"\\1011", u"A1"},
        LiteralCase{"OctalHighFirstDigitTakesTwo", u"\\477", u"'7"},
        LiteralCase{"OctalStopsAtNonOctal", u"\\18",
                    u"\x01"
                    "8"},
        LiteralCase{"ContinuationAfterLineFeed", u"a\\\nb", u"ab"},
        LiteralCase{"ContinuationAfterCarriageReturn", u"a\\\rb", u"ab"},
        LiteralCase{"ContinuationAfterCrLf", u"a\\\r\nb", u"ab"},
        LiteralCase{"PercentIsLeftForUnescape", u"%u4e2d", u"%u4e2d"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  std::u16string body;
};

class StringLiteralFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StringLiteralFailure, IsNoValue) {
  EXPECT_FALSE(evaluateStringLiteralBody(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, StringLiteralFailure,
    ::testing::Values(FailureCase{"FinalLoneBackslash", u"abc\\"}, FailureCase{"OnlyBackslash", u"\\"},
                      FailureCase{"RawLineFeed", u"a\nb"}, FailureCase{"RawCarriageReturn", u"a\rb"},
                      FailureCase{"HexWithoutDigits", u"\\xg1"}, FailureCase{"HexOneDigit", u"\\x4g"},
                      FailureCase{"HexCutAtEnd", u"\\x4"}, FailureCase{"UnicodeCutAtEnd", u"\\u4e2"},
                      FailureCase{"UnicodeBadDigit", u"\\u4e2z"}, FailureCase{"UnicodeNoDigits", u"\\u"},
                      FailureCase{"FullWidthDigitsAreNotHex", u"\\x４１"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnescapeCase {
  const char* name;
  std::u16string text;
  std::u16string value;
};

class Unescape : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(Unescape, FollowsAnnexB) {
  EXPECT_EQ(jsUnescape(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, Unescape,
                         ::testing::Values(UnescapeCase{"Unit", u"%u4e2d%u6587", u"中文"},
                                           UnescapeCase{"UnitLowerAndUpper", u"%u4E2D", u"中"},
                                           UnescapeCase{"Byte", u"%41%3d", u"A="},
                                           UnescapeCase{"ByteIsLatin1", u"%E4", u"\u00E4"},
                                           UnescapeCase{"PlusStays", u"a+b", u"a+b"},
                                           UnescapeCase{"CapitalUIsNoUnitEscape", u"%U4e2d", u"%U4e2d"},
                                           UnescapeCase{"ShortUnitFallsBackToByte", u"%u4e", u"%u4e"},
                                           UnescapeCase{"PercentBeforeUnitDigits", u"%%u0041", u"%A"},
                                           UnescapeCase{"LonePercentAtEnd", u"100%", u"100%"},
                                           UnescapeCase{"PercentOneDigitAtEnd", u"a%4", u"a%4"},
                                           UnescapeCase{"BrokenThenGood", u"%zz%41", u"%zzA"},
                                           UnescapeCase{"ResultIsNotScannedAgain", u"%2541", u"%41"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvqi
