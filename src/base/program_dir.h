// The program's two directories: the data directory (zorv.db, zorvqi.ini, tips.wmv,
// zorvqi.lock) and the module directory (ewe.dll, gzip.dll).
//
// Contract: from the build folder, or with `--dir DIR` (`setProgramDir`), both are one
// directory: DIR, by default the directory of the running executable. An installed program,
// whose executable directory is not writable or holds no zorv.db, calls
// `useInstalledDirsWhereNeeded` at start: the data directory becomes $XDG_DATA_HOME/zorvqi
// (~/.local/share/zorvqi when XDG_DATA_HOME is unset, empty or relative), filled with the
// shipped zorv.db and zorvqi.ini of <executable>/../share/zorvqi where they are missing (a
// file already there is never overwritten, not even by two programs starting at once), and
// the module directory <executable>/../lib/zorvqi. Directories never end in a slash.
// `programFile(name)` is a path in the data directory, `moduleFile(name)` one in the module
// directory. Thread safety: set them once at start, before other threads run; reading them
// is then safe from any thread.
#pragma once

#include <string>

namespace zorvqi {

const std::string& programDir();
const std::string& moduleDir();
void setProgramDir(std::string dir);
void setProgramDirs(std::string dataDir, std::string moduleDir);
std::string programFile(const std::string& name);
std::string moduleFile(const std::string& name);

// The directory of the running executable.
std::string executableDir();

// Where an installed program keeps its files, worked out from its executable's directory.
struct InstalledDirs {
  std::string data;
  std::string modules;
  std::string shipped;  // the shipped zorv.db and zorvqi.ini
};

// True when the program runs from a directory of its own: writable and holding zorv.db.
bool runsFromOwnDir(const std::string& exeDir);

// xdgDataHome and home are the environment's values (null when unset).
InstalledDirs installedDirsFor(const std::string& exeDir, const char* xdgDataHome, const char* home);

// Creates dirs.data (with its parents) and copies each shipped file into it that it lacks.
// Returns an empty text on success, else the cause (UTF-8 path and strerror's words). A
// shipped file that is itself missing is skipped: the program then reports the missing
// zorv.db as it would anywhere.
std::string fillDataDir(const InstalledDirs& dirs);

// For a program started without --dir: when it does not run from a directory of its own,
// switches to the installed directories and fills the data directory. Returns the cause
// when the data directory could not be made (the directories are switched all the same).
std::string useInstalledDirsWhereNeeded();

}  // namespace zorvqi
