// BrowserView: the one wrapper through which the system uses the browser library.
//
// Contract: `create(host)` loads moduleFile("ewe.dll") on first use, then makes the web view
// as a child of `host` with wkeCreateWindow, wkeGetFromWindow, wkeGetWebView, wkeSetUserData,
// places the view's window (wkeGetHostWindow) over the host's client area and shows it. It
// returns whether a web view was obtained, and false without any call when one already
// exists or `host` is null; a view exists at most once per BrowserView. The load, reload,
// command and filter operations each make their one library call, with GBK text turned into
// UTF-16; before a view exists, or once its host window is gone, they do nothing. The
// message filter gets every message the library reports for the view; its result goes back
// to the library (0 leaves the message to the view).
// Thread safety: UI thread only.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/browser/browser_library.h"

namespace zorvqi::ui {

struct BrowserMessage {
  std::intptr_t window = 0;
  unsigned int message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;

  // The mouse position in the view that a mouse message carries in lParam.
  QPoint position() const;
};

class BrowserView {
 public:
  using MessageFilter = std::function<std::intptr_t(const BrowserMessage&)>;

  BrowserView() = default;
  ~BrowserView();
  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  bool create(QWidget* host);
  void loadUrl(std::string_view address);
  void loadHtml(std::string_view html);
  void reload();
  void execCommand(std::string_view command, std::string_view argument);
  void setMessageFilter(MessageFilter filter);

  bool created() const { return webView_ != nullptr; }
  // The view's own window, while it exists.
  QWidget* viewWindow() const { return viewWindow_; }

 private:
  bool usable() const { return created() && !host_.isNull() && !viewWindow_.isNull(); }
  static std::intptr_t dispatchMessage(wkeNativeWindow window, unsigned int message, std::uintptr_t wParam,
                                       std::intptr_t lParam);

  std::optional<BrowserLibrary> library_;
  QPointer<QWidget> host_;
  QPointer<QWidget> viewWindow_;
  wkeWebView webView_ = nullptr;
  wkeNativeWindow viewHandle_ = 0;
  MessageFilter filter_;
};

}  // namespace zorvqi::ui
