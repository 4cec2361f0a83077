// Reading a small file whole, and replacing it whole without ever leaving it half-written.
//
// Contract: `readWholeFile` gives the bytes, or `Missing` when there is no file, or `Failed`
// when it exists but cannot be read. `replaceWholeFile` writes the bytes to a temporary file
// in the target's directory, flushes it to disk and renames it over the target (through a
// symbolic link to the file it names), keeping the target's permission bits (a new file gets
// 0666 less the umask). It refuses a target that is read-only: one that the process may not
// write, or that has no write permission bit at all (so it stays read-only even for root).
// On any failure the target is unchanged and the temporary file is gone.
// Thread safety: functions of the file system only; concurrent writers of one file race.
#pragma once

#include <string>

namespace zorvqi {

enum class FileRead { Ok, Missing, Failed };

FileRead readWholeFile(const std::string& path, std::string& bytes);
bool replaceWholeFile(const std::string& path, const std::string& bytes);

}  // namespace zorvqi
