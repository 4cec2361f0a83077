// Handing an address to the desktop's default web browser.
//
// Contract: `openExternal` gives the GBK address to QDesktopServices and reports nothing
// back; an empty address opens nothing. Tests catch the hand-over with
// QDesktopServices::setUrlHandler. Thread safety: UI thread only.
#pragma once

#include <string_view>

namespace zorvqi::ui {

void openExternal(std::string_view address);

}  // namespace zorvqi::ui
