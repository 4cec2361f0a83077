#include "base/program_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace zorvqi {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;

struct DirsCase {
  const char* what;
  const char* xdgDataHome;
  const char* home;
  const char* data;
};

TEST(InstalledDirs, DataFollowsXdgDataHomeModulesAndShippedFileFollowTheExecutable) {
  const DirsCase cases[] = {
      {"XDG_DATA_HOME set", "/srv/data", "/home/wu", "/srv/data/zorvqi"},
      {"XDG_DATA_HOME with slash", "/srv/data/", "/home/wu", "/srv/data/zorvqi"},
      {"XDG_DATA_HOME unset", nullptr, "/home/wu", "/home/wu/.local/share/zorvqi"},
      {"XDG_DATA_HOME empty", "", "/home/wu/", "/home/wu/.local/share/zorvqi"},
      {"XDG_DATA_HOME relative", "data", "/home/wu", "/home/wu/.local/share/zorvqi"},
  };
  for (const DirsCase& c : cases) {
    SCOPED_TRACE(c.what);
    const InstalledDirs dirs = installedDirsFor("/opt/zq/bin", c.xdgDataHome, c.home);
    EXPECT_EQ(dirs.data, c.data);
    EXPECT_EQ(dirs.modules, "/opt/zq/lib/zorvqi");
    EXPECT_EQ(dirs.shipped, "/opt/zq/share/zorvqi");
  }
}

TEST(InstalledDirs, OwnDirectoryIsOneWithZorvDb) {
  TempDir dir;
  EXPECT_FALSE(runsFromOwnDir(dir.path().string()));
  writeFileBytes(dir.path() / "zorv.db", "");
  EXPECT_TRUE(runsFromOwnDir(dir.path().string()));
}

TEST(InstalledDirs, AReadOnlyDirectoryWithZorvDbIsNoOwnDirectory) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  TempDir dir;
  writeFileBytes(dir.path() / "zorv.db", "");
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_FALSE(runsFromOwnDir(dir.path().string()));
  ::chmod(dir.path().c_str(), 0755);
}

class FillDataDir : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(shipped());
    writeFileBytes(shipped() / "zorv.db", "shipped db");
    writeFileBytes(shipped() / "zorvqi.ini", "[\xC5\xE4\xD6\xC3]\r\n");
  }
  fs::path shipped() const { return root.path() / "share/zorvqi"; }
  fs::path data() const { return root.path() / "home/.local/share/zorvqi"; }
  InstalledDirs dirs() const {
    return {data().string(), (root.path() / "lib/zorvqi").string(), shipped().string()};
  }

  TempDir root;
};

TEST_F(FillDataDir, FirstStartCreatesTheDirectoryWithTheShippedFilesByteForByte) {
  EXPECT_EQ(fillDataDir(dirs()), "");
  EXPECT_EQ(readFileBytes(data() / "zorv.db"), "shipped db");
  EXPECT_EQ(readFileBytes(data() / "zorvqi.ini"), "[\xC5\xE4\xD6\xC3]\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(data()), fs::directory_iterator()), 2)
      << "no partial copy left";
}

TEST_F(FillDataDir, UsersFilesAreNeverOverwrittenAndMissingOnesAreAdded) {
  fs::create_directories(data());
  writeFileBytes(data() / "zorv.db", "user's db");
  EXPECT_EQ(fillDataDir(dirs()), "");
  EXPECT_EQ(readFileBytes(data() / "zorv.db"), "user's db");
  EXPECT_EQ(readFileBytes(data() / "zorvqi.ini"), "[\xC5\xE4\xD6\xC3]\r\n");
  writeFileBytes(data() / "zorvqi.ini", "user's ini");
  EXPECT_EQ(fillDataDir(dirs()), "");
  EXPECT_EQ(readFileBytes(data() / "zorvqi.ini"), "user's ini");
}

TEST_F(FillDataDir, AMissingShippedFileIsSkipped) {
  fs::remove(shipped() / "zorv.db");
  EXPECT_EQ(fillDataDir(dirs()), "");
  EXPECT_FALSE(fs::exists(data() / "zorv.db"));
  EXPECT_TRUE(fs::exists(data() / "zorvqi.ini"));
}

TEST_F(FillDataDir, ADirectoryThatCannotBeMadeNamesItsPathAndCause) {
  writeFileBytes(root.path() / "home", "a file where the home directory should be");
  const std::string failure = fillDataDir(dirs());
  EXPECT_NE(failure.find(data().string()), std::string::npos) << failure;
  EXPECT_NE(failure.find("Not a directory"), std::string::npos) << failure;
}

TEST(ProgramDirs, ModuleFilesAndDataFilesComeFromTheirOwnDirectories) {
  setProgramDirs("/data/", "/modules//");
  EXPECT_EQ(programFile("zorv.db"), "/data/zorv.db");
  EXPECT_EQ(moduleFile("gzip.dll"), "/modules/gzip.dll");
  setProgramDir("/one/");
  EXPECT_EQ(programFile("zorv.db"), "/one/zorv.db");
  EXPECT_EQ(moduleFile("ewe.dll"), "/one/ewe.dll");
  setProgramDir(executableDir());
}

}  // namespace
}  // namespace zorvqi
