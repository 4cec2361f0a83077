#include "text/decode_choice.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct ChoiceCase {
  const char* name;
  int button;
  std::string sample;
  DecodeChoiceOutcome outcome;
  int mode;
};

class ConfirmDecodeChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ConfirmDecodeChoice, Judges) {
  const DecodeChoice choice = confirmDecodeChoice(GetParam().button, GetParam().sample);
  EXPECT_EQ(choice.outcome, GetParam().outcome);
  EXPECT_EQ(choice.mode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ConfirmDecodeChoice,
    ::testing::Values(ChoiceCase{"UnicodeAccepted", 1, "\\u4e2d", DecodeChoiceOutcome::Accepted, 1},
                      ChoiceCase{"UnicodeRefusedForPercentU", 1, "%u4e2d", DecodeChoiceOutcome::Refused, 0},
                      ChoiceCase{"UnicodeNeedsLowerU", 1, "\\U4e2d", DecodeChoiceOutcome::Refused, 0},
                      ChoiceCase{"Utf8Accepted", 2, "%E4%B8%AD", DecodeChoiceOutcome::Accepted, 2},
                      ChoiceCase{"Utf8RefusedWithoutPercent", 2, "\\u4e2d", DecodeChoiceOutcome::Refused, 0},
                      ChoiceCase{"GbkAccepted", 3, "%D6%D0", DecodeChoiceOutcome::Accepted, 3},
                      ChoiceCase{"GbkRefusedForEmpty", 3, "", DecodeChoiceOutcome::Refused, 0},
                      ChoiceCase{"MoreClosesUnchanged", 4, "%D6%D0", DecodeChoiceOutcome::ClosedUnchanged, 0},
                      ChoiceCase{"NoneClosesUnchanged", 0, "\\u4e2d", DecodeChoiceOutcome::ClosedUnchanged,
                                 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodePreviews, ShowTheSampleUnderEachMode) {
  const std::array<std::string, 3> unicode = {"A中", "A\\u4e2d", "A\\u4e2d"};
  EXPECT_EQ(decodePreviews("%41\\u4e2d"), unicode);
  const auto gbk = decodePreviews("%D6%D0");
  EXPECT_EQ(gbk[1], "??");
  EXPECT_EQ(gbk[2], "中");
  EXPECT_EQ(decodePreviews("%E4%B8%AD")[1], "中");
}

}  // namespace
}  // namespace zorvqi
