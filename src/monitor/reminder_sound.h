// The reminder sound: "tips.wmv" in the program directory (a WAVE file despite its name).
//
// Contract: `prepareReminderSound` writes the built-in sound to the file when the file is
// missing, then, if no sound is held yet in this run, reads the file into memory; a user's
// replaced file is thus heard from the next run on. `reminderSoundBytes` is what is held
// (empty until the monitor is first started). Thread safety: any thread.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string_view builtinReminderSound();
void prepareReminderSound();
std::string reminderSoundBytes();
void forgetReminderSoundForTests();

}  // namespace zorvqi
