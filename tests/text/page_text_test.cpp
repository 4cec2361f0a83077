#include "text/page_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

using namespace std::string_literals;

struct BodyCase {
  const char* name;
  std::string body;
  bool gbk;
  std::string text;
};

class BytesToPageText : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BytesToPageText, GivesGbkText) {
  EXPECT_EQ(bytesToPageText(GetParam().body, GetParam().gbk), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BytesToPageText,
    ::testing::Values(BodyCase{"GbkEndsAtZeroByte", "\x41\x00\x42"s, true, "A"},
                      BodyCase{"GbkLeadingZeroGivesNothing", "\x00\x41"s, true, ""},
                      BodyCase{"GbkIsTakenAsIs", "中文\xD6"s, true, "中文\xD6"},
                      BodyCase{"EmptyUtf8", "", false, ""},
                      BodyCase{"Utf8Chinese", "\xE4\xB8\xAD\xE6\x96\x87", false, "中文"},
                      BodyCase{"Utf8OutsideGbkBecomesQuestionMark",
                               "a\xF0\x9F\x98\x80"
                               "b\xED\x95\x9C",
                               false, "a?b?"},
                      BodyCase{"Utf8EndsAtU0000", "\xE4\xB8\xAD\x00\xE6\x96\x87"s, false, "中"},
                      BodyCase{"Utf8CutSequenceBeforeZero", "a\xE4\x00z"s, false, "a?"},
                      BodyCase{"Utf8InvalidBytesStillConvert", "a\xFF\xC0\xAFz", false, "a???z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BytesToPageText, RealUtf8PageKeepsChineseAndMarksWhatGbkLacks) {
  const std::filesystem::path file = testing::realPagesDir() / "xinhua.html";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "no saved real pages at " << file;
  const auto page = testing::readFileBytes(file);
  ASSERT_FALSE(page.empty());
  const std::string text = bytesToPageText(page, false);
  EXPECT_NE(text.find("新华网"), std::string::npos);
  // The page holds 125 question marks of its own and 268 characters (Hangul, accented Latin)
  // that code page 936 cannot hold.
  EXPECT_EQ(std::count(text.begin(), text.end(), '?'), 125 + 268);
  EXPECT_EQ(gbkToUtf8(text).find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace zorvqi
