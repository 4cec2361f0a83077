#include "ui/browser/show_in_browser_box.h"

#include "text/charset.h"
#include "ui/qtsupport/browsable_address.h"

namespace zorvqi::ui {

std::string placeholderPageHtml() {
  return utf8ToGbk("　汐昙监控系统，有新文章及时提醒您。");
}

void showInBrowserBox(BrowserView& view, std::string_view address, StatusLines& status) {
  if (address.empty()) {
    view.loadHtml(placeholderPageHtml());
    return;
  }
  const std::optional<std::string> browsable = browsableAddressOrSay(address, status);
  if (browsable) view.loadUrl(*browsable);
}

}  // namespace zorvqi::ui
