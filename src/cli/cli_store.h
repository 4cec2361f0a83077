// The store as the headless commands open it: programFile("zorv.db"), never created.
//
// Contract: `openProgramStore` opens programDatabase() on the program directory's zorv.db and
// returns true, or prints the system's message for a missing or unopenable database on
// standard error and returns false (the command then exits with kExitUsage).
// `StderrDialogs` prints every message box text on standard error and answers Ok; it
// cancels every input dialog. Thread safety: main thread only.
#pragma once

#include "base/dialogs.h"

namespace zorvqi::cli {

bool openProgramStore();

class StderrDialogs : public Dialogs {
 public:
  DialogAnswer message(const std::string& text, const std::string& title, DialogIcon icon,
                       DialogButtons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
};

}  // namespace zorvqi::cli
