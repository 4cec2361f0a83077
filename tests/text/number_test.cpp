#include "text/number.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct NumberCase {
  const char* text;
  std::int64_t expected;
};

class TextToInt64 : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToInt64, ReadsBySystemRule) {
  EXPECT_EQ(textToInt64(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToInt64,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"42", 42},
                      NumberCase{"  \t-17x9", -17}, NumberCase{"+5", 5}, NumberCase{"12=3", 12},
                      NumberCase{"１２３", 123}, NumberCase{"－４", -4},
                      NumberCase{"　７", 7},  // full-width space, then a full-width digit
                      NumberCase{"１2３a", 123}, NumberCase{"03", 3}, NumberCase{"4294967296", 4294967296LL},
                      NumberCase{"9223372036854775807", INT64_MAX},
                      NumberCase{"99999999999999999999", INT64_MAX},
                      NumberCase{"-99999999999999999999", INT64_MIN}, NumberCase{"- 5", 0}));

TEST(TextToInt32, HoldsAtTheEndsOfItsRange) {
  EXPECT_EQ(textToInt32("2147483647"), 2147483647);
  EXPECT_EQ(textToInt32("2147483648"), 2147483647);
  EXPECT_EQ(textToInt32("-2147483649"), -2147483647 - 1);
  EXPECT_EQ(textToInt32("１７"), 17);
}

}  // namespace
}  // namespace zorvqi
