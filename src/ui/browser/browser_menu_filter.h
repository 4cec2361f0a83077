// The message filter start-up installs on the browser view.
//
// Contract: `installBrowserMenuFilter(view, popUpMenu)` sets a filter that leaves every
// message to the view (result 0) and, for a right-button press, first calls `popUpMenu`
// with the press's global screen position, where the main window pops up 右击浏览器. The
// callback runs inside the view's input handling: it should show the menu without a nested
// event loop (QMenu::popup, not exec). Does nothing before the view exists.
// Thread safety: UI thread only.
#pragma once

#include <QPoint>
#include <functional>

#include "ui/browser/browser_view.h"

namespace zorvqi::ui {

void installBrowserMenuFilter(BrowserView& view, std::function<void(QPoint globalPosition)> popUpMenu);

}  // namespace zorvqi::ui
