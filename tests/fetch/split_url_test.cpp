#include "fetch/split_url.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct SplitCase {
  const char* url;
  bool secure;
  const char* host;
  int port;
  const char* objectPath;
};

class SplitUrlTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitUrlTest, TakesThePartsAsTheSecondStackDoes) {
  const SplitCase& c = GetParam();
  const UrlParts parts = splitUrl(c.url);
  EXPECT_EQ(parts.secure, c.secure);
  EXPECT_EQ(parts.host, c.host);
  EXPECT_EQ(parts.port, c.port);
  EXPECT_EQ(parts.objectPath, c.objectPath);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, SplitUrlTest,
    ::testing::Values(SplitCase{"HTTPS://Example/Path?q=1", true, "example", 443, "/Path?q=1"},
                      SplitCase{"host:8080/a", false, "host", 8080, "/a"},
                      SplitCase{"http://host", false, "host", 80, "/"},
                      SplitCase{"http://Host:81/List/Page.ASP?X=Y/z", false, "host", 81,
                                "/List/Page.ASP?X=Y/z"},
                      SplitCase{"https://a.b:8443", true, "a.b", 8443, "/"},
                      // "https" without "://" picks the port but not the security.
                      SplitCase{"httpsite.com/x", false, "httpsite.com", 443, "/x"},
                      SplitCase{"example.com", false, "example.com", 80, "/"},
                      // Addresses the text rule misreads go to libcurl's parser.
                      SplitCase{"http://user:pw@Host:8080/a?b=c", false, "host", 8080, "/a?b=c"},
                      SplitCase{"https://u@h/x", true, "h", 443, "/x"},
                      SplitCase{"http://[::1]:81/a/../b", false, "[::1]", 81, "/a/../b"},
                      SplitCase{"http://h/list?a[]=1", false, "h", 80, "/list?a[]=1"},
                      SplitCase{"http://tp.cn/x", false, "tp.cn", 80, "/x"},
                      SplitCase{"https://s/x#top", true, "s", 443, "/x"},
                      // The rule's own reading stands where it is right.
                      SplitCase{"http://a.b/x@y", false, "a.b", 80, "/x@y"},
                      SplitCase{"http://host/a b?q=中", false, "host", 80, "/a b?q=中"}));

}  // namespace
}  // namespace zorvqi
