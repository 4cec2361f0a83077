// The texts of start-up's refusals (GBK).
//
// Contract: `startupFailedTitle` is "启动失败"; the two refusal texts name the missing
// browser library and the missing database, word for word as the program has them. The
// monitor lock's texts name the directory, the holder (store/monitor_lock.h `holderWords`) or
// the operating system's words for a lock that cannot be had; all arguments are GBK.
// Thread safety: constants.
#pragma once

#include <string>

namespace zorvqi::app {

std::string startupFailedTitle();
std::string missingBrowserLibraryText();
std::string missingDatabaseText();
std::string databaseOpenFailedText();

// Another desktop program runs on `directory`: the start-up refusal.
std::string alreadyRunningText(const std::string& directory);
// A headless monitor holds the directory: the status line at start-up, the box of a click.
std::string monitorHeldLine(const std::string& holder);
std::string monitorHeldText(const std::string& holder);
// The lock cannot be had at all.
std::string monitorLockFailedLine(const std::string& cause);
std::string monitorLockFailedText(const std::string& cause);

}  // namespace zorvqi::app
