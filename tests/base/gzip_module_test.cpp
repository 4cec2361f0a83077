#include "base/gzip_module.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "base/program_dir.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

// The path of the zlib library this test runs with: a real shared object without the
// module's entries.
std::filesystem::path zlibLibrary() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&zlibVersion), &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}

class GzipModuleTest : public ::testing::Test {
 protected:
  void TearDown() override { setProgramDir(ZORVQI_BIN_DIR); }
  void useDir() { setProgramDir(dir.path().string()); }

  testing::TempDir dir;
};

TEST_F(GzipModuleTest, TheBuiltModuleLoadsWithItsFourEntries) {
  setProgramDir(ZORVQI_BIN_DIR);
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Usable);
  EXPECT_TRUE(gzipModulePresent());
  const GzipModule module;
  ASSERT_TRUE(module.usable());
  EXPECT_EQ(module.init(), kDecompressGoOn);
}

TEST_F(GzipModuleTest, TheModuleIsLookedUpInTheModuleDirectoryNotTheDataDirectory) {
  setProgramDirs(dir.path().string(), ZORVQI_BIN_DIR);
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Usable);
  setProgramDirs(ZORVQI_BIN_DIR, dir.path().string());
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Missing);
}

TEST_F(GzipModuleTest, NoFileIsMissing) {
  useDir();
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Missing);
  EXPECT_FALSE(gzipModulePresent());
}

TEST_F(GzipModuleTest, AFileThatIsNoLibraryIsUnloadable) {
  testing::writeFileBytes(dir.path() / "gzip.dll", "MZ not a shared object");
  useDir();
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Unloadable);
  EXPECT_FALSE(gzipModulePresent());
  EXPECT_FALSE(GzipModule().usable());
}

TEST_F(GzipModuleTest, ALibraryWithoutTheEntriesIsUnloadable) {
  const std::filesystem::path zlib = zlibLibrary();
  ASSERT_FALSE(zlib.empty());
  std::filesystem::copy_file(zlib, dir.path() / "gzip.dll");
  useDir();
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Unloadable);
  const GzipModule module;
  EXPECT_FALSE(module.usable());
  EXPECT_EQ(module.init, nullptr);
}

TEST_F(GzipModuleTest, ADirectoryNamedLikeTheModuleIsUnloadable) {
  std::filesystem::create_directory(dir.path() / "gzip.dll");
  useDir();
  EXPECT_EQ(gzipModuleState(), GzipModuleState::Unloadable);
}

}  // namespace
}  // namespace zorvqi
