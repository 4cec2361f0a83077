#include "fetch/wininet_headers.h"

#include <gtest/gtest.h>

#include "fetch/header_text.h"

namespace zorvqi {
namespace {

TEST(WinInetAgentString, TakesTheUserAgentValueOfTheCapitalisedText) {
  EXPECT_EQ(winInetAgentString(capitaliseHeaderNames("user-agent: X")), "X");
  EXPECT_EQ(winInetAgentString("Accept: a\r\nUser-Agent:  Y Z \r\nReferer: r"), "Y Z");
  EXPECT_EQ(winInetAgentString("Accept: a"), kDefaultAgent);
  // An empty value would run into the next line; the default agent goes instead.
  EXPECT_EQ(winInetAgentString("User-Agent:\r\nAccept: a"), kDefaultAgent);
}

TEST(CompleteWinInetHeaders, CompletesWithoutAUserAgent) {
  EXPECT_EQ(completeWinInetHeaders("", "U", false), "Accept: */*\r\nReferer: U\r\nAccept-Language: zh-cn");
  EXPECT_EQ(completeWinInetHeaders("X: 1", "U", true),
            "X: 1\r\nAccept: */*\r\nReferer: U\r\nAccept-Language: zh-cn"
            "\r\nContent-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(completeWinInetHeaders("accept: a\r\nreferer: r\r\naccept-language: l", "U", false),
            "accept: a\r\nreferer: r\r\naccept-language: l");
}

TEST(AppendCookieLine, EitherFormBecomesOneCookieLine) {
  EXPECT_EQ(appendCookieLine("A: 1", "Cookie: a=1"), "A: 1\r\nCookie: a=1");
  EXPECT_EQ(appendCookieLine("A: 1", "a=1"), "A: 1\r\nCookie: a=1");
  // Only the prefix as written counts; other spellings are the cookie's own text.
  EXPECT_EQ(appendCookieLine("A: 1", "cookie: a=1"), "A: 1\r\nCookie: cookie: a=1");
  EXPECT_EQ(appendCookieLine("A: 1", ""), "A: 1");
}

}  // namespace
}  // namespace zorvqi
