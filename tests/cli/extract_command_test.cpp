#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_process.h"
#include "support/temp_dir.h"
#include "support/utf8_literal.h"

namespace zorvqi {
namespace {

using testing::runCli;
using testing::utf8;

std::string fixture(const char* name) {
  return (testing::testDataDir() / name).string();
}

const std::string kListRule =
    "<li><a href=\"[var]\"[var0]>[var]</a>[var0]<span>[var]</span><em>[int]</em></li>";

const std::string kListRows = utf8(
    u8"<li><a href=\"/news/1001.htm\" title=第一条>第一条：开学通知</a> "
    u8"<span>2024-03-01</span><em>1001</em></li>\t/news/1001.htm\t第一条：开学通知\t2024-03-01\t1001\n"
    u8"<li><a href=\"/news/1002.htm\">关于\"五一\"放假的安排</a> "
    u8"<span>2024-04-28</span><em>1002</em></li>\t/news/1002.htm\t关于\"五一\"放假的安排\t2024-04-28\t1002\n"
    u8"<li><a href=\"/news/1003.htm\">招聘 <实习生> 100%</a>"
    u8"<span>2024-05-06</span><em>1003</em></li>\t/news/1003.htm\t招聘 <实习生> 100%\t2024-05-06\t1003\n");

TEST(ExtractCommand, CutsAndMatchesAGbkPage) {
  const auto result = runCli({"extract", "--rule", kListRule, "--start", utf8(u8"id=#引号news#引号>"),
                              "--end", "</ul>", "--gbk", fixture("list_gbk.html")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, kListRows);
}

TEST(ExtractCommand, ReadsUtf8PagesFromFileOrStandardInput) {
  const std::vector<std::string> args = {"extract", "--start", "<ul id=\"news\">", "--end",
                                         "</ul>",   "--rule",  kListRule};
  const auto fromFile = runCli([&] {
    auto withFile = args;
    withFile.push_back(fixture("list_utf8.html"));
    return withFile;
  }());
  EXPECT_EQ(fromFile.exitStatus, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, kListRows);
  const auto fromInput = runCli(args, testing::readFileBytes(fixture("list_utf8.html")));
  EXPECT_EQ(fromInput.exitStatus, 0) << fromInput.err;
  EXPECT_EQ(fromInput.out, kListRows);
}

TEST(ExtractCommand, PrintsOneRowPerLinkWithFieldsZeroToTwo) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.file("page.html"),
                          "<p><a href=\"/a\\1\">one</a>\r\n<a href=\"/b\">two</a><a href=\"/c\"></a></p>");
  const auto result = runCli({"extract", "--rule", "<a href=\"[var]\">[var]</a>", dir.file("page.html")});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out,
            "<a href=\"/a\\\\1\">one</a>\t/a\\\\1\tone\n"
            "<a href=\"/b\">two</a>\t/b\ttwo\n"
            "<a href=\"/c\"></a>\t/c\t\n");
}

TEST(ExtractCommand, ALoneStartMarkerMustBeInThePage) {
  const auto missing = runCli({"extract", "--rule", "<em>[int]</em>", "--start", "no such marker", "--gbk",
                               fixture("list_gbk.html")});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_EQ(missing.err, utf8(u8"源码为空或无效，请检查网络或有效标记！\n"));
  // present: the whole page is matched, the footer item included
  const auto present = runCli(
      {"extract", "--rule", "<em>[int]</em>", "--start", "id=\"news\"", "--gbk", fixture("list_gbk.html")});
  EXPECT_EQ(present.exitStatus, 0) << present.err;
  EXPECT_EQ(present.out, "<em>1001</em>\t1001\n<em>1002</em>\t1002\n<em>1003</em>\t1003\n<em>0</em>\t0\n");
}

struct FailedRun {
  const char* name;
  std::vector<std::string> args;
  std::string err;
};

class ExtractFailure : public ::testing::TestWithParam<FailedRun> {};

TEST_P(ExtractFailure, ReportsInTheSystemsWords) {
  auto args = GetParam().args;
  args.push_back("--gbk");
  args.push_back(fixture("list_gbk.html"));
  const auto result = runCli(args);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_EQ(result.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(Runs, ExtractFailure,
                         ::testing::Values(FailedRun{"EmptyRegion",
                                                     {"extract", "--rule", "[var]", "--start", "</ul>",
                                                      "--end", "<ul"},
                                                     utf8(u8"截取源码为空或无效，请检查网络或区域标记！\n")},
                                           FailedRun{"NoMatch",
                                                     {"extract", "--rule", "<table>[var]</table>"},
                                                     utf8(u8"匹配结果为0,请检查匹配规则!\n")},
                                           FailedRun{"UnbalancedParenthesis",
                                                     {"extract", "--rule", "<li>([var]"},
                                                     utf8(u8"匹配结果为0,请检查匹配规则!\n")},
                                           FailedRun{"SingleQuoteNeverMatches",
                                                     {"extract", "--rule", "title='[var]'"},
                                                     utf8(u8"匹配结果为0,请检查匹配规则!\n")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractCommand, PrintsTheFirstHundredThousandMatchesAndSaysTheRestWasIgnored) {
  std::string page;
  for (int i = 0; i < 100003; ++i) page += "<b>" + std::to_string(i % 10) + "</b>";
  const auto result = runCli({"extract", "--rule", "<b>[int]</b>"}, page);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, utf8(u8"匹配数超过 100000，其余忽略\n"));
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 100000);
  EXPECT_EQ(result.out.substr(result.out.size() - 11), "<b>9</b>\t9\n");

  const auto exact = runCli({"extract", "--rule", "<b>[int]</b>"}, page.substr(0, 100000 * 8));
  EXPECT_EQ(exact.exitStatus, 0);
  EXPECT_EQ(exact.err, "");
}

TEST(ExtractCommand, MisuseIsAUsageError) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"extract"},
                                               {"extract", "page.html"},
                                               {"extract", "--rule"},
                                               {"extract", "--rule", "x", "--start"},
                                               {"extract", "--rule", "x", "--utf8"},
                                               {"extract", "--rule", "x", "a", "b"}}) {
    const auto result = runCli(args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("usage: zorvqi-cli extract --rule PATTERN"), std::string::npos);
  }
  const auto help = runCli({"extract", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out, "usage: zorvqi-cli extract --rule PATTERN [--start M] [--end M] [--gbk] [FILE]\n");
}

}  // namespace
}  // namespace zorvqi
