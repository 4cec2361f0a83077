#include "cli/terminal_dialogs.h"

#include "cli/cli_io.h"

namespace zorvqi::cli {

DialogAnswer TerminalDialogs::message(const std::string& text, const std::string& title, DialogIcon,
                                      DialogButtons buttons) {
  ++shown_;
  printError(title.empty() || title == kDefaultDialogTitle ? text : title + " " + text);
  switch (buttons) {
    case DialogButtons::Ok:
      return DialogAnswer::Ok;
    case DialogButtons::YesNo:
      return DialogAnswer::No;
    case DialogButtons::YesNoCancel:
    case DialogButtons::OkCancel:
      return DialogAnswer::Cancel;
  }
  return DialogAnswer::Cancel;
}

std::optional<std::string> TerminalDialogs::input(const std::string& prompt, const std::string&,
                                                  const std::string&) {
  printError(prompt);
  return std::nullopt;
}

}  // namespace zorvqi::cli
