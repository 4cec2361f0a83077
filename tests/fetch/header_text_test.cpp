#include "fetch/header_text.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

std::vector<std::string> fieldTexts(std::string_view headerText) {
  std::vector<std::string> texts;
  for (const HeaderField& field : headerFields(headerText)) texts.push_back(field.name + "=" + field.value);
  return texts;
}

TEST(CompleteHeaders, AppendsOnlyWhatIsMissingIgnoringCase) {
  EXPECT_EQ(completeHeaders("accept: text/html\r\nREFERER: r", "U", false),
            "accept: text/html\r\nREFERER: r\r\nAccept-Language: zh-cn"
            "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EXPECT_EQ(completeHeaders("", "U", false),
            "\r\nAccept: */*\r\nReferer: U\r\nAccept-Language: zh-cn"
            "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
}

TEST(CompleteHeaders, ContentTypeOnlyForPost) {
  const std::string text = "User-Agent:a\r\nAccept:b\r\nReferer:c\r\nAccept-Language:d";
  EXPECT_EQ(completeHeaders(text, "U", false), text);
  EXPECT_EQ(completeHeaders(text, "U", true), text + "\r\nContent-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(completeHeaders(text + "\r\ncontent-type: t", "U", true), text + "\r\ncontent-type: t");
}

TEST(CapitaliseHeaderNames, CapitalisesEachNamePartAndDropsLinesWithoutColon) {
  EXPECT_EQ(capitaliseHeaderNames("user-agent: x\r\nno colon here\r\n\r\nx-rEQUESTED-with:a:b"),
            "User-Agent: x\r\nX-REQUESTED-With:a:b");
  // Only the name is touched, and only ASCII letters are raised.
  EXPECT_EQ(capitaliseHeaderNames("a--b-1c-中:value-x"), "A--B-1c-中:value-x");
  EXPECT_EQ(capitaliseHeaderNames("no colon"), "");
}

TEST(HeaderFields, TrimsAsciiAndFullWidthSpaces) {
  EXPECT_EQ(fieldTexts("  X-A　 :　 v a　\r\nB:"), (std::vector<std::string>{"X-A=v a", "B="}));
}

TEST(HeaderFields, SkipsKeepAliveOnlyWhenExactAndTextHasSeveralLines) {
  EXPECT_EQ(fieldTexts("Connection: keep-alive\r\nA:1"), (std::vector<std::string>{"A=1"}));
  EXPECT_EQ(fieldTexts("Connection: Keep-Alive\r\nA:1"),
            (std::vector<std::string>{"Connection=Keep-Alive", "A=1"}));
  EXPECT_EQ(fieldTexts("Connection: close\r\nA:1"), (std::vector<std::string>{"Connection=close", "A=1"}));
  EXPECT_EQ(fieldTexts("Connection: keep-alive"), (std::vector<std::string>{"Connection=keep-alive"}));
}

TEST(TrimSpaces, NeverCutsHalfACharacter) {
  // 0xB0A1 is a character whose second byte is A1; followed by A1A1 (a full-width space).
  EXPECT_EQ(trimSpaces("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  // 0xA1A1 split across two characters: "\xB0\xA1" then "\xA1\x41" -- nothing to trim.
  EXPECT_EQ(trimSpaces("\xA1\xA1 \xB0\xA1\xA1\x41"), "\xB0\xA1\xA1\x41");
  EXPECT_EQ(trimSpaces("　 　"), "");
  EXPECT_EQ(trimSpaces("a\t"), "a\t");
}

TEST(SplitLines, EndsALineAtCrLfAtALoneLfAndAtALoneCr) {
  using Views = std::vector<std::string_view>;
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Views{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\n\r\nb\r\r\n"), (Views{"a", "", "b", "", ""}));
  EXPECT_EQ(splitLines(""), (Views{""}));
}

TEST(HeaderFields, LinesEndedByLineFeedsAloneAreSeveralLines) {
  EXPECT_EQ(fieldTexts("Connection: keep-alive\nUser-Agent: X\nCookie: s=1"),
            (std::vector<std::string>{"User-Agent=X", "Cookie=s=1"}));
  EXPECT_EQ(capitaliseHeaderNames("user-agent: X\rx-a: 1"), "User-Agent: X\r\nX-A: 1");
}

TEST(CleanedCookie, RemovesEveryCookiePrefixIgnoringCase) {
  EXPECT_EQ(cleanedCookie("Cookie: a=1"), " a=1");
  EXPECT_EQ(cleanedCookie("COOKIE:a=1; cookie:b=2"), "a=1; b=2");
  EXPECT_EQ(cleanedCookie("Cookie:"), "");
}

}  // namespace
}  // namespace zorvqi
