#include "text/gbk_string.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>

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

// The character-by-character walk the contract describes, to check the fast search against.
std::size_t steppedFind(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return std::string_view::npos;
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += gbkCharLength(text, pos)) {
    if (text.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

// Long ASCII runs (searched eight bytes at a time), lead bytes followed by ASCII, by other
// lead bytes and by nothing: every hit agrees with the stepped walk, from every start.
TEST(GbkFind, AgreesWithTheSteppedWalkOnMixedText) {
  const std::string pieces[] = {"<td>",
                                "\xD6\xD0",
                                "\x81<",
                                "abcdefghij",
                                "\xB0\xA1\xB0",
                                "<",
                                "\xFF",
                                "\x80"
                                "a"};
  const std::string needles[] = {"<", "<td", "\xD0<", "\xA1\xB0", "\xB0\xA1", "a", "ij<", "\xD0\xB0"};
  std::uint32_t seed = 12345;
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = 0; i < 24; ++i) {
      seed = seed * 1103515245 + 12345;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    std::size_t from = 0;
    for (const std::string& needle : needles) {
      for (from = 0; from < text.size(); from += gbkCharLength(text, from))
        ASSERT_EQ(gbkFind(text, needle, from), steppedFind(text, needle, from))
            << "round " << round << ", needle " << needle << ", from " << from;
    }
  }
}

}  // namespace
}  // namespace zorvqi
