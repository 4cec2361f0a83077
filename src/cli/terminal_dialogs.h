// Dialogs on a terminal: message boxes are printed on standard error ("title: text"); a
// question takes its default (No, or Cancel where offered); an input dialog is cancelled.
// Thread safety: any thread.
#pragma once

#include "base/dialogs.h"

namespace zorvqi::cli {

class TerminalDialogs : public Dialogs {
 public:
  DialogAnswer message(const std::string& text, const std::string& title, DialogIcon icon,
                       DialogButtons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
  int shownCount() const { return shown_; }

 private:
  int shown_ = 0;
};

}  // namespace zorvqi::cli
