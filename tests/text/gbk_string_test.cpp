#include "text/gbk_string.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

// "中" is D6 D0 and "有" is D3 D0: the byte pair "D0 D3" spans the end of one and the start
// of the other, so a search for "\xD0\xD3" in "中有" must not match.
TEST(GbkFind, NeverStartsOnASecondByte) {
  EXPECT_EQ(gbkFind("中有", "\xD0\xD3"), std::string_view::npos);
  EXPECT_EQ(gbkFind("中有", "有"), 2u);
  EXPECT_FALSE(gbkContains("中有", "\xD0\xD3"));
}

struct FindCase {
  const char* text;
  const char* needle;
  Case mode;
  std::size_t expected;
};

class GbkFindTable : public ::testing::TestWithParam<FindCase> {};

TEST_P(GbkFindTable, FindsFirstOccurrence) {
  const FindCase& c = GetParam();
  EXPECT_EQ(gbkFind(c.text, c.needle, 0, c.mode), c.expected) << c.text << " / " << c.needle;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GbkFindTable,
    ::testing::Values(FindCase{"abcabc", "bc", Case::Exact, 1},
                      FindCase{"ABC", "abc", Case::Exact, std::string_view::npos},
                      FindCase{"xABC", "abc", Case::Ignore, 1},
                      FindCase{"abc", "", Case::Exact, std::string_view::npos},
                      FindCase{"", "a", Case::Exact, std::string_view::npos},
                      FindCase{"ab", "abc", Case::Exact, std::string_view::npos},
                      // folding touches ASCII only: the second bytes of GBK stay as they are
                      FindCase{"中文A", "a", Case::Ignore, 4},
                      FindCase{"Postaccept-Encoding", "postaccept-encoding", Case::Ignore, 0}));

TEST(GbkReplaceAll, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(gbkReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(gbkReplaceAll("a.b.c", ".", "::"), "a::b::c");
  EXPECT_EQ(gbkReplaceAll("&LT;b&Gt;", "&lt;", "<", Case::Ignore), "<b&Gt;");
  EXPECT_EQ(gbkReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(gbkReplaceAll("中有", "\xD0\xD3", "x"), "中有");
  // the replacement itself is not searched again
  EXPECT_EQ(gbkReplaceAll("ab", "a", "aa"), "aab");
}

TEST(GbkFind, LoneLeadByteAtEndIsOneCharacter) {
  const std::string text = std::string("ab") + '\xD6';
  EXPECT_EQ(gbkFind(text, "\xD6"), 2u);
}

}  // namespace
}  // namespace zorvqi
