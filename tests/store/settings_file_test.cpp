#include "store/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "store/category_list.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using testing::readFileBytes;
using testing::writeFileBytes;

class SettingsFileTest : public ::testing::Test {
 protected:
  std::string path() const { return dir.file("zorvqi.ini"); }
  std::string onDisk() const { return readFileBytes(path()); }
  mode_t mode() const {
    struct stat st {};
    ::stat(path().c_str(), &st);
    return st.st_mode & 07777;
  }
  std::size_t filesInDir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
  }

  testing::TempDir dir;
  SettingsFile settings{dir.file("zorvqi.ini")};
};

// What a key reads back as, for files as they are found on disk.
struct ReadCase {
  const char* name;
  const char* file;  // nullptr: no file
  const char* section;
  const char* key;
  std::string expected;
};

class SettingsRead : public SettingsFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsRead, ReadsTheStoredValue) {
  if (GetParam().file) writeFileBytes(path(), GetParam().file);
  EXPECT_EQ(settings.read(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    ::testing::Values(
        ReadCase{"MissingFile", nullptr, "配置", "频率", ""},
        ReadCase{"MissingSection", "[数据]\n内容=x\n", "配置", "内容", ""},
        ReadCase{"MissingKey", "[配置]\n宽度=1\n", "配置", "高度", ""},
        ReadCase{"Plain", "[配置]\n宽度=1000\n高度=618\n", "配置", "高度", "618"},
        ReadCase{"BlanksTrimmed", "[配置]\n  别名 =  我的 监控 \t\n", "配置", "别名", "我的 监控"},
        ReadCase{"SingleSpaceIsEmpty", "[配置]\n关键词1= \n", "配置", "关键词1", ""},
        ReadCase{"CrLfLines", "[配置]\r\n频率=60\r\n", "配置", "频率", "60"},
        ReadCase{"KeyInOtherSectionIgnored", "[数据]\n频率=1\n[配置]\n", "配置", "频率", ""},
        ReadCase{"AsciiCaseIgnored", "[Config]\nPostUrl=http://a\n", "config", "POSTURL", "http://a"},
        ReadCase{"FirstKeyWins", "[配置]\na=1\na=2\n", "配置", "a", "1"},
        ReadCase{"EqualsInValueKept", "[配置]\nposturl=http://a/?x=1&y=2\n", "配置", "posturl",
                 "http://a/?x=1&y=2"},
        ReadCase{"SecondByteBracketInSectionName", "[朷]\nk=v\n", "朷", "k", "v"},
        ReadCase{"SecondBytesAreNotCaseFolded", "[配置]\n朅=1\n", "配置", "朼", ""},
        ReadCase{"LastLineWithoutEnding", "[配置]\n类别=<a><b>", "配置", "类别", "<a><b>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, AValueReadsBackCutTo10239Bytes) {
  writeFileBytes(path(), "[数据]\n内容=" + std::string(20000, 'a') + "\n");
  EXPECT_EQ(settings.read("数据", "内容").size(), kSettingsValueLimit);
  ASSERT_TRUE(settings.write("数据", "内容", std::string(kSettingsValueLimit, 'b')));
  EXPECT_EQ(settings.read("数据", "内容"), std::string(kSettingsValueLimit, 'b'));
}

TEST_F(SettingsFileTest, AWholeReadReturnsALongValueUncutAndTrimmed) {
  const std::string note = std::string(10238, 'a') + "汉字" + std::string(9000, 'c');
  writeFileBytes(path(), "[数据]\n内容=  " + note + " \n[配置]\n频率=60\n");
  EXPECT_EQ(settings.readWhole("数据", "内容"), note);
  EXPECT_EQ(settings.readWhole("数据", "缺少"), "");
  EXPECT_EQ(settings.readWhole("配置", "频率"), "60");
}

TEST_F(SettingsFileTest, WritesCreateTheFileSectionAndKeyInGbk) {
  ASSERT_TRUE(settings.write("配置", "频率", "60"));
  ASSERT_TRUE(settings.write("配置", "别名", "我的监控"));
  ASSERT_TRUE(settings.write("数据", "内容", "a<br>b"));
  EXPECT_EQ(onDisk(), "[配置]\n频率=60\n别名=我的监控\n[数据]\n内容=a<br>b\n");
  EXPECT_EQ(settings.read("配置", "别名"), "我的监控");
}

TEST_F(SettingsFileTest, AWriteReplacesOnlyItsLineAndKeepsTheRest) {
  const std::string before = "; by hand\r\n[配置]\r\n宽度=1000\r\n频率=600\r\n\r\n[数据]\r\n内容=x\r\n";
  writeFileBytes(path(), before);
  ASSERT_TRUE(settings.write("配置", "频率", "30"));
  EXPECT_EQ(onDisk(), "; by hand\r\n[配置]\r\n宽度=1000\r\n频率=30\r\n\r\n[数据]\r\n内容=x\r\n");
  ASSERT_TRUE(settings.write("配置", "高度", "618"));
  EXPECT_EQ(onDisk(), "; by hand\r\n[配置]\r\n宽度=1000\r\n频率=30\r\n高度=618\r\n\r\n[数据]\r\n内容=x\r\n");
  ASSERT_TRUE(settings.write("数据", "内容", ""));
  EXPECT_EQ(settings.read("数据", "内容"), "");
  EXPECT_EQ(settings.read("配置", "宽度"), "1000");
}

TEST_F(SettingsFileTest, AKeyIsAddedToAFileWhoseLastLineHasNoEnding) {
  writeFileBytes(path(), "[配置]\n宽度=1");
  ASSERT_TRUE(settings.write("配置", "高度", "2"));
  EXPECT_EQ(onDisk(), "[配置]\n宽度=1\n高度=2");
  ASSERT_TRUE(settings.write("数据", "内容", "3"));
  EXPECT_EQ(settings.read("配置", "高度"), "2");
  EXPECT_EQ(settings.read("数据", "内容"), "3");
}

TEST_F(SettingsFileTest, AReadOnlyFileFailsTheWriteAndStaysAsItWas) {
  writeFileBytes(path(), "[配置]\n频率=60\n");
  ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
  EXPECT_FALSE(settings.write("配置", "频率", "30"));
  EXPECT_EQ(onDisk(), "[配置]\n频率=60\n");
  EXPECT_EQ(mode(), 0444u);
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(SettingsFileTest, AWriteKeepsTheModeAndLeavesNoTemporaryFile) {
  writeFileBytes(path(), "[配置]\n频率=60\n");
  ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
  ASSERT_TRUE(settings.write("配置", "频率", "30"));
  EXPECT_EQ(mode(), 0640u);
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(SettingsFileTest, AWriteThroughALinkChangesTheLinkedFile) {
  writeFileBytes(dir.file("real.ini"), "[配置]\n频率=60\n");
  std::filesystem::create_symlink(dir.file("real.ini"), path());
  ASSERT_TRUE(settings.write("配置", "频率", "30"));
  EXPECT_TRUE(std::filesystem::is_symlink(path()));
  EXPECT_EQ(readFileBytes(dir.file("real.ini")), "[配置]\n频率=30\n");
}

TEST_F(SettingsFileTest, TextsThatWouldBreakTheLineFormatAreRefused) {
  writeFileBytes(path(), "[配置]\n频率=60\n");
  EXPECT_FALSE(settings.write("配置", "频率", "30\n[配置]\n频率=1"));
  EXPECT_FALSE(settings.write("配置", "内容", "a\r\nb"));
  EXPECT_FALSE(settings.write("配置", "a=b", "1"));
  EXPECT_FALSE(settings.write("配]置", "a", "1"));
  EXPECT_FALSE(settings.write("配置", "", "1"));
  EXPECT_EQ(onDisk(), "[配置]\n频率=60\n");
  // A "]" that is the second byte of a character is no bracket.
  EXPECT_TRUE(settings.write("朷", "k", "v"));
  EXPECT_EQ(settings.read("朷", "k"), "v");
}

TEST_F(SettingsFileTest, ConfigItemReadsOnEmptyAndNeverWritesAnEmptyValue) {
  EXPECT_EQ(configItem(settings, "wxkey", ""), "");
  EXPECT_FALSE(std::filesystem::exists(path()));
  EXPECT_EQ(configItem(settings, "wxkey", "abc"), "");
  EXPECT_EQ(configItem(settings, "wxkey", ""), "abc");
  EXPECT_EQ(configItem(settings, "wxkey", ""), "abc");
  EXPECT_EQ(settings.read("配置", "wxkey"), "abc");
  EXPECT_EQ(configItem(settings, "关键词1", " "), "");
  EXPECT_EQ(configItem(settings, "关键词1", ""), "");
}

TEST_F(SettingsFileTest, TheCategoryListIsEveryTextInBrackets) {
  EXPECT_TRUE(categoryList(settings).empty());
  settings.write("配置", "类别", "<新闻><论坛>");
  EXPECT_EQ(categoryList(settings), (std::vector<std::string>{"新闻", "论坛"}));
  settings.write("配置", "类别", "<a<b>");
  EXPECT_EQ(categoryList(settings), (std::vector<std::string>{"a<b", "b"}));
}

}  // namespace
}  // namespace zorvqi
