#include "monitor/reminder_sound.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/program_dir.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using zorvqi::testing::readFileBytes;
using zorvqi::testing::writeFileBytes;

TEST(ReminderSound, WrittenWhenMissingAndReadOncePerRun) {
  zorvqi::testing::TempDir dir;
  setProgramDir(dir.path().string());
  forgetReminderSoundForTests();

  prepareReminderSound();
  const std::string file = dir.file("tips.wmv");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(readFileBytes(file), std::string(builtinReminderSound()));
  EXPECT_EQ(readFileBytes(file).substr(0, 4), "RIFF");
  EXPECT_EQ(reminderSoundBytes(), std::string(builtinReminderSound()));

  // deleted: written again at the next start; replaced: heard from the next run only
  std::filesystem::remove(file);
  prepareReminderSound();
  EXPECT_TRUE(std::filesystem::exists(file));
  writeFileBytes(file, "RIFF-user-sound");
  prepareReminderSound();
  EXPECT_EQ(reminderSoundBytes(), std::string(builtinReminderSound()));

  forgetReminderSoundForTests();
  prepareReminderSound();
  EXPECT_EQ(reminderSoundBytes(), "RIFF-user-sound");
  forgetReminderSoundForTests();
  setProgramDir(executableDir());
}

}  // namespace
}  // namespace zorvqi
