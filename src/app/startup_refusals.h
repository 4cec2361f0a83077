// The texts of start-up's refusals (GBK).
//
// Contract: `startupFailedTitle` is "启动失败"; the two refusal texts name the missing
// browser library and the missing database exactly as the user has always read them.
// Thread safety: constants.
#pragma once

#include <string>

namespace zorvqi::app {

std::string startupFailedTitle();
std::string missingBrowserLibraryText();
std::string missingDatabaseText();
std::string databaseOpenFailedText();

}  // namespace zorvqi::app
