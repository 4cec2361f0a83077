#include "text/url_encode.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct UrlEncodeCase {
  const char* text;
  bool keepUnreserved;
  bool throughUtf8;
  const char* expected;
};

class UrlEncodeTest : public ::testing::TestWithParam<UrlEncodeCase> {};

TEST_P(UrlEncodeTest, EncodesEveryByteButTheKeptOnes) {
  const UrlEncodeCase& c = GetParam();
  EXPECT_EQ(urlEncode(c.text, {c.keepUnreserved, c.throughUtf8}), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlEncodeTest,
                         ::testing::Values(UrlEncodeCase{"", true, true, ""},
                                           UrlEncodeCase{"", false, false, ""},
                                           UrlEncodeCase{"a b/c", true, true, "a%20b%2Fc"},
                                           // a Chinese character: its three UTF-8 bytes, or its two GBK bytes
                                           UrlEncodeCase{"中", true, true, "%E4%B8%AD"},
                                           UrlEncodeCase{"中", true, false, "%D6%D0"},
                                           UrlEncodeCase{"-.09AZaz", true, false, "-.09AZaz"},
                                           UrlEncodeCase{"_~*'()!", true, true, "%5F%7E%2A%27%28%29%21"},
                                           UrlEncodeCase{"a-1", false, false, "%61%2D%31"},
                                           UrlEncodeCase{"http://x/t.php?id=1&p=2", true, true,
                                                         "http%3A%2F%2Fx%2Ft.php%3Fid%3D1%26p%3D2"},
                                           // code page 936 holds the euro sign at 0x80
                                           UrlEncodeCase{"\x80", true, true, "%E2%82%AC"},
                                           UrlEncodeCase{"\x80", true, false, "%80"},
                                           UrlEncodeCase{"%20", true, true, "%2520"}));

}  // namespace
}  // namespace zorvqi
