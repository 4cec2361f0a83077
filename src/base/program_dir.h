// The program directory, which holds zorv.db, zorvqi.ini, tips.wmv, ewe.dll and gzip.dll.
//
// Contract: `programDir()` is the directory set with `setProgramDir`, by default the
// directory of the running executable, never with a trailing slash. `programFile(name)` is
// the path of a file in it. Thread safety: set it once at start, before other threads run;
// reading it is then safe from any thread.
#pragma once

#include <string>

namespace zorvqi {

const std::string& programDir();
void setProgramDir(std::string dir);
std::string programFile(const std::string& name);

// The directory of the running executable.
std::string executableDir();

}  // namespace zorvqi
