// Handing an address to the desktop's default web browser.
//
// Contract: `openExternal` gives the GBK address to QDesktopServices when it is browsable
// (browsable_address.h: http or https, a scheme-less one fixed up); any other address opens
// nothing and writes the refusal line to `status`. An empty address opens nothing and says
// nothing. It reports nothing back. Tests catch the hand-over with
// QDesktopServices::setUrlHandler. Thread safety: UI thread only.
#pragma once

#include <string_view>

#include "base/status_lines.h"

namespace zorvqi::ui {

void openExternal(std::string_view address, StatusLines& status);

}  // namespace zorvqi::ui
