#include <gtest/gtest.h>

#include "support/cli_process.h"
#include "support/utf8_literal.h"

namespace zorvqi {
namespace {

using testing::runCli;
using testing::utf8;

struct DecodeRun {
  const char* name;
  std::vector<std::string> args;
  std::string out;  // UTF-8
};

class DecodeCommand : public ::testing::TestWithParam<DecodeRun> {};

TEST_P(DecodeCommand, PrintsTheDecodedText) {
  const auto result = runCli(GetParam().args);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, DecodeCommand,
    ::testing::Values(
        DecodeRun{"UnicodeEscapes", {"decode", "1", "\\u4e2d\\u6587"}, utf8(u8"中文\n")},
        DecodeRun{"PercentUtf8", {"decode", "2", "%E4%B8%AD"}, utf8(u8"中\n")},
        DecodeRun{"PercentGbk", {"decode", "3", "%D6%D0"}, utf8(u8"中\n")},
        DecodeRun{"ChineseArgumentPassesThrough", {"decode", "1", utf8(u8"标题\\/a")}, utf8(u8"标题/a\n")},
        DecodeRun{"OutsideGbk", {"decode", "1", "\\ud83d\\ude00"}, "?\n"},
        DecodeRun{"NoDecoding", {"decode", "0", "%41"}, "%41\n"},
        DecodeRun{"UnknownModeIsEmpty", {"decode", "4", "%41"}, "\n"},
        DecodeRun{"FailedLiteralStaysAsGiven", {"decode", "1", "a\\"}, "a\\\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeCommand, MisuseIsAUsageError) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"decode"},
                                               {"decode", "1"},
                                               {"decode", "x", "a"},
                                               {"decode", "1x", "a"},
                                               {"decode", "", "a"},
                                               {"decode", "1", "a", "b"}}) {
    const auto result = runCli(args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("usage: zorvqi-cli decode MODE TEXT"), std::string::npos);
  }
}

TEST(DecodeCommand, HelpPrintsUsage) {
  const auto result = runCli({"decode", "--help"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "usage: zorvqi-cli decode MODE TEXT\n");
}

}  // namespace
}  // namespace zorvqi
