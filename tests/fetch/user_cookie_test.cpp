#include "fetch/user_cookie.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

using Lines = std::vector<std::string>;

TEST(CookieEngineLines, OneHostOnlySessionCookiePerPair) {
  EXPECT_EQ(cookieEngineLines(" sid=abc;b = 2 ;;flag; v=a=b; 中=文", "127.0.0.1"),
            (Lines{"127.0.0.1\tFALSE\t/\tFALSE\t0\tsid\tabc", "127.0.0.1\tFALSE\t/\tFALSE\t0\tb\t2",
                   "127.0.0.1\tFALSE\t/\tFALSE\t0\tflag\t", "127.0.0.1\tFALSE\t/\tFALSE\t0\tv\ta=b",
                   "127.0.0.1\tFALSE\t/\tFALSE\t0\t中\t文"}));
}

TEST(CookieEngineLines, PrefixedNamesAreSecureOnly) {
  EXPECT_EQ(cookieEngineLines("__Secure-a=1; __Host-b=2; __hostile=3", "h"),
            (Lines{"h\tFALSE\t/\tTRUE\t0\t__Secure-a\t1", "h\tFALSE\t/\tTRUE\t0\t__Host-b\t2",
                   "h\tFALSE\t/\tFALSE\t0\t__hostile\t3"}));
}

TEST(CookieEngineLines, LeavesOutWhatTheEngineCannotHold) {
  EXPECT_EQ(cookieEngineLines("=1; a\tb=2; c=3\r\nX-Injected: 1; d=4", "h"),
            (Lines{"h\tFALSE\t/\tFALSE\t0\td\t4"}));
  EXPECT_TRUE(cookieEngineLines("a=1", "").empty());
  EXPECT_TRUE(cookieEngineLines("", "h").empty());
}

}  // namespace
}  // namespace zorvqi
