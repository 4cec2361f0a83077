#include "ui/browser/show_in_browser_box.h"

#include "text/charset.h"

namespace zorvqi::ui {

std::string placeholderPageHtml() {
  return utf8ToGbk("　汐昙监控系统，有新文章及时提醒您。");
}

void showInBrowserBox(BrowserView& view, std::string_view address) {
  if (address.empty()) {
    view.loadHtml(placeholderPageHtml());
  } else {
    view.loadUrl(address);
  }
}

}  // namespace zorvqi::ui
