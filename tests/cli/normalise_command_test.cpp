#include <gtest/gtest.h>

#include "support/cli_process.h"
#include "support/temp_dir.h"
#include "support/utf8_literal.h"

namespace zorvqi {
namespace {

using testing::runCli;
using testing::utf8;

TEST(NormaliseCommand, ReadsAGbkFileByDefault) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("page.html"), "中文\r\n  标题&lt;it's&gt;\na");  // GBK bytes
  const auto result = runCli({"normalise", dir.file("page.html")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, utf8(u8"中文 标题<its>a\n"));
}

TEST(NormaliseCommand, ReadsUtf8FromStandardInput) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"normalise", "--utf8"},
                                               {"normalise", "--utf8", "-"},
                                               {"normalise", "-", "--utf8"}}) {
    const auto result = runCli(args, utf8(u8"标题\t&QUOT;&quot;\r\n"));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, utf8(u8"标题 &QUOT;\" \n"));  // the closing CR LF is a run: one space
  }
}

TEST(NormaliseCommand, AnUnreadableFileFails) {
  testing::TempDir dir;
  const auto result = runCli({"normalise", dir.file("missing.html")});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("missing.html"), std::string::npos);
}

TEST(NormaliseCommand, MisuseIsAUsageError) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"normalise", "--gbk"}, {"normalise", "a", "b"}}) {
    const auto result = runCli(args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("usage: zorvqi-cli normalise [--utf8] [FILE]"), std::string::npos);
  }
  const auto help = runCli({"normalise", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out, "usage: zorvqi-cli normalise [--utf8] [FILE]\n");
}

}  // namespace
}  // namespace zorvqi
