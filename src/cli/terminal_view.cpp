#include "cli/terminal_view.h"

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "cli/cli_io.h"

namespace zorvqi::cli {

TerminalView::~TerminalView() {
  flush();
}

void TerminalView::setStatus(const std::string& text) {
  std::lock_guard lock(mutex_);
  if (threadWorkAbandoned()) return;
  if (!pending_.empty()) printLine(pending_);
  pending_ = text;
  atStart_ = text.empty();
  printCompleteLines();
}

void TerminalView::appendRawStatus(const std::string& text) {
  std::lock_guard lock(mutex_);
  if (threadWorkAbandoned()) return;
  pending_ += text;
  printCompleteLines();
}

void TerminalView::printCompleteLines() {
  for (std::size_t end = pending_.find("\r\n"); end != std::string::npos; end = pending_.find("\r\n")) {
    // The empty line before the first status line of an empty box is not printed.
    if (!(atStart_ && end == 0)) printLine(pending_.substr(0, end));
    atStart_ = false;
    pending_.erase(0, end + 2);
  }
}

void TerminalView::flush() {
  std::lock_guard lock(mutex_);
  if (!pending_.empty()) printLine(pending_);
  pending_.clear();
}

}  // namespace zorvqi::cli
