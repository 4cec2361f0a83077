#include "ui/browser/browser_view.h"

#include <string>
#include <unordered_map>

#include "base/program_dir.h"
#include "text/charset.h"

namespace zorvqi::ui {

namespace {

// The library's filter callback carries no context of its own, only the view's window: this
// finds the wrapper whose filter it is.
std::unordered_map<wkeNativeWindow, BrowserView*>& filterOwners() {
  static std::unordered_map<wkeNativeWindow, BrowserView*> owners;
  return owners;
}

}  // namespace

QPoint BrowserMessage::position() const {
  const auto bits = static_cast<std::uint32_t>(lParam);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

BrowserView::~BrowserView() {
  const auto owner = filterOwners().find(viewHandle_);
  if (owner != filterOwners().end() && owner->second == this) filterOwners().erase(owner);
}

bool BrowserView::create(QWidget* host) {
  if (created() || !host) return false;
  if (!library_) library_ = BrowserLibrary::load(moduleFile("ewe.dll"));
  if (!library_) return false;
  const wkeWindow window = library_->createWindow(reinterpret_cast<wkeNativeWindow>(host));
  const wkeHandle handle = library_->getFromWindow(window);
  webView_ = library_->getWebView(handle);
  library_->setUserData(webView_, this);
  if (!webView_) return false;
  host_ = host;
  viewHandle_ = library_->getHostWindow(webView_);
  viewWindow_ = reinterpret_cast<QWidget*>(viewHandle_);
  if (viewWindow_ && host_) {
    // Placed once over the host's client area; the library keeps it filling the host.
    const QRect client = host_->rect();
    viewWindow_->setGeometry(client.left(), client.top(), client.width(), client.height());
    viewWindow_->show();
  }
  return true;
}

void BrowserView::loadUrl(std::string_view address) {
  if (usable()) library_->loadUrl(webView_, gbkToUtf16(address).c_str());
}

void BrowserView::loadHtml(std::string_view html) {
  if (usable()) library_->loadHtml(webView_, gbkToUtf16(html).c_str());
}

void BrowserView::reload() {
  if (usable()) library_->reload(webView_);
}

void BrowserView::execCommand(std::string_view command, std::string_view argument) {
  if (usable()) library_->execCommand(webView_, gbkToUtf16(command).c_str(), gbkToUtf16(argument).c_str());
}

void BrowserView::setMessageFilter(MessageFilter filter) {
  if (!usable()) return;
  filter_ = std::move(filter);
  filterOwners()[viewHandle_] = this;
  library_->windowMessageFilter(webView_, &BrowserView::dispatchMessage);
}

std::intptr_t BrowserView::dispatchMessage(wkeNativeWindow window, unsigned int message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
  const auto owner = filterOwners().find(window);
  if (owner == filterOwners().end() || !owner->second->filter_) return 0;
  return owner->second->filter_(BrowserMessage{window, message, wParam, lParam});
}

}  // namespace zorvqi::ui
