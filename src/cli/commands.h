// The entry of each headless command; each lives in its own cmd_<name>.cpp.
//
// Contract: each function is a `Command` of command.h: it gets the arguments after the
// command's name and returns the exit status. Thread safety: main thread only.
#pragma once

#include "cli/command.h"

namespace zorvqi::cli {

int runDecodeCommand(const Args& args);
int runPlansCommand(const Args& args);
int runSqlCommand(const Args& args);
int runArticlesCommand(const Args& args);
int runRoundCommand(const Args& args);
int runWatchCommand(const Args& args);
int runFetchCommand(const Args& args);
int runNormaliseCommand(const Args& args);
int runExtractCommand(const Args& args);

}  // namespace zorvqi::cli
