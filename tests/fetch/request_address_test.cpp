#include "fetch/request_address.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zorvqi {
namespace {

TEST(PercentEncodeUnsafe, EncodesSpacesControlsAndHighBytesOnly) {
  EXPECT_EQ(percentEncodeUnsafe("/a b?q=%20&x=\t\x7f~%zz"), "/a%20b?q=%20&x=%09%7F~%zz");
  EXPECT_EQ(percentEncodeUnsafe("中"), "%D6%D0");
  EXPECT_EQ(percentEncodeUnsafe(""), "");
}

TEST(WinHttpAddress, EncodesTheUtf8AfterTheHostOnly) {
  EXPECT_EQ(winHttpAddress("http://中文.cn/搜索 1?q=中#段"),
            "http://\xE4\xB8\xAD\xE6\x96\x87.cn/%E6%90%9C%E7%B4%A2%201?q=%E4%B8%AD#%E6%AE%B5");
  EXPECT_EQ(winHttpAddress("https://h:81?a b"), "https://h:81?a%20b");
  EXPECT_EQ(winHttpAddress("http://h"), "http://h");
}

TEST(AddressHost, IsTheHostLibcurlConnectsTo) {
  EXPECT_EQ(addressHost("http://User:pw@Example.COM:81/a"), "example.com");
  EXPECT_EQ(addressHost("https://[::1]:8443/"), "::1");
  EXPECT_EQ(addressHost("http://127.0.0.1:5/a%20b"), "127.0.0.1");
  EXPECT_EQ(addressHost(winHttpAddress("http://中文.cn/a b")), winHttpAddress("http://中文.cn").substr(7));
  EXPECT_EQ(addressHost("http://"), "");
}

// libcurl makes the IDN form of a host in a UTF-8 locale only, as the desktop program runs.
TEST(AddressHost, IsTheIdnFormOfAChineseHostInAUtf8Locale) {
  const std::string before = std::setlocale(LC_CTYPE, nullptr);
  if (!std::setlocale(LC_CTYPE, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
  EXPECT_EQ(addressHost(winHttpAddress("http://中文.cn/")), "xn--fiq228c.cn");
  std::setlocale(LC_CTYPE, before.c_str());
}

}  // namespace
}  // namespace zorvqi
