#include "fetch/wininet_headers.h"

#include <gtest/gtest.h>

#include "fetch/header_text.h"

namespace zorvqi {
namespace {

TEST(WinInetAgentString, TakesTheUserAgentOfTheSettledHeaders) {
  EXPECT_EQ(winInetAgentString({{"Accept", "a", "Accept: a"}, {"User-Agent", " Y Z ", "User-Agent: Y Z"}}),
            "Y Z");
  EXPECT_EQ(winInetAgentString({{"Accept", "a", "Accept: a"}}), kDefaultAgent);
  EXPECT_EQ(winInetAgentString({}), kDefaultAgent);
}

TEST(CompleteWinInetHeaders, CompletesWithoutAUserAgent) {
  EXPECT_EQ(completeWinInetHeaders("", "U", false), "Accept: */*\r\nReferer: U\r\nAccept-Language: zh-cn");
  EXPECT_EQ(completeWinInetHeaders("X: 1", "U", true),
            "X: 1\r\nAccept: */*\r\nReferer: U\r\nAccept-Language: zh-cn"
            "\r\nContent-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(completeWinInetHeaders("accept: a\r\nreferer: r\r\naccept-language: l", "U", false),
            "accept: a\r\nreferer: r\r\naccept-language: l");
}

TEST(WinInetBoxCookie, TakesTheTextAfterAPrefixWrittenAsTheSystemWritesIt) {
  EXPECT_EQ(winInetBoxCookie("Cookie: a=1"), "a=1");
  EXPECT_EQ(winInetBoxCookie("  a=1; b=2 "), "a=1; b=2");
  // Only the prefix as written counts; other spellings are the cookie's own text.
  EXPECT_EQ(winInetBoxCookie("cookie: a=1"), "cookie: a=1");
  EXPECT_EQ(winInetBoxCookie("Cookie:"), "");
  EXPECT_EQ(winInetBoxCookie(""), "");
}

}  // namespace
}  // namespace zorvqi
