// Showing a page in the browser box.
//
// Contract: `showInBrowserBox(view, address, status)` loads a non-empty GBK address with
// `loadUrl` when it is browsable (browsable_address.h: http or https, a scheme-less one fixed
// up); any other address loads nothing, leaves the box as it was and writes the refusal line
// to `status`. An empty address loads the placeholder page with `loadHtml`. It returns at
// once and awaits nothing. `placeholderPageHtml` is that page's GBK HTML: a full-width space
// and a short line, a nearly empty page. Thread safety: UI thread only.
#pragma once

#include <string>
#include <string_view>

#include "base/status_lines.h"
#include "ui/browser/browser_view.h"

namespace zorvqi::ui {

void showInBrowserBox(BrowserView& view, std::string_view address, StatusLines& status);
std::string placeholderPageHtml();

}  // namespace zorvqi::ui
