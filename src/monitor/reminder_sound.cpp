#include "monitor/reminder_sound.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>

#include "base/program_dir.h"

namespace zorvqi {
namespace {

std::mutex soundMutex;
std::string heldSound;
bool soundHeld = false;

void writeBuiltinSound(const std::string& path) {
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    const std::string_view bytes = builtinReminderSound();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return;
  }
  std::error_code ignored;
  std::filesystem::rename(temporary, path, ignored);
}

}  // namespace

void prepareReminderSound() {
  const std::string path = programFile("tips.wmv");
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) writeBuiltinSound(path);
  std::lock_guard lock(soundMutex);
  if (soundHeld) return;
  std::ifstream in(path, std::ios::binary);
  heldSound.assign(std::istreambuf_iterator<char>(in), {});
  soundHeld = !heldSound.empty();
}

std::string reminderSoundBytes() {
  std::lock_guard lock(soundMutex);
  return heldSound;
}

void forgetReminderSoundForTests() {
  std::lock_guard lock(soundMutex);
  heldSound.clear();
  soundHeld = false;
}

}  // namespace zorvqi
