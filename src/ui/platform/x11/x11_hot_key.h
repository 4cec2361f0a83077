// The global hot key on X11: a passive key grab on the root window through xcb.
//
// Contract: `forCurrentDesktop()` gives a hot key only when the program runs on Qt's xcb
// platform (else nothing). `grab` grabs the key with the modifiers on the root window, also
// with Caps Lock and Num Lock on, so the combination works whatever lock keys are set; it
// fails when the key has no key code (Unsupported) or another client holds the grab (Taken). Presses reach
// `pressed` through Qt's native event filter on the UI thread. The destructor ungrabs.
// Thread safety: UI thread only.
#pragma once

#include <QAbstractNativeEventFilter>
#include <memory>
#include <vector>

#include "ui/platform/global_hot_key.h"

struct xcb_connection_t;

namespace zorvqi::ui {

class X11HotKey : public GlobalHotKey, private QAbstractNativeEventFilter {
 public:
  static std::unique_ptr<X11HotKey> forCurrentDesktop();
  ~X11HotKey() override;

  HotKeyGrab grab(Qt::KeyboardModifiers modifiers, Qt::Key key, std::function<void()> pressed) override;

 private:
  X11HotKey(xcb_connection_t* connection, unsigned int root);
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  void ungrab();

  xcb_connection_t* connection_;
  unsigned int root_;
  unsigned char keyCode_ = 0;
  unsigned short modifierMask_ = 0;
  std::function<void()> pressed_;
};

}  // namespace zorvqi::ui
