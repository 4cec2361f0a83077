// Showing a page in the browser box.
//
// Contract: `showInBrowserBox(view, address)` loads a non-empty GBK address with `loadUrl`;
// an empty one loads the placeholder page with `loadHtml`. It returns at once and awaits
// nothing. `placeholderPageHtml` is that page's GBK HTML: a full-width space and a short
// line, a nearly empty page. Thread safety: UI thread only.
#pragma once

#include <string>
#include <string_view>

#include "ui/browser/browser_view.h"

namespace zorvqi::ui {

void showInBrowserBox(BrowserView& view, std::string_view address);
std::string placeholderPageHtml();

}  // namespace zorvqi::ui
