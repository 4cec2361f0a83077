// A global hot key: a key combination that reaches the program whichever window has the
// keyboard.
//
// Contract: `grab(modifiers, key, pressed)` registers the combination of a letter key
// (Qt::Key_A .. Qt::Key_Z) with Alt, Ctrl, Shift or Meta and calls `pressed` on the UI thread
// at every press. It returns Grabbed, Taken when another program already holds the
// combination, or Unsupported when the desktop offers no way to grab keys (in both, nothing
// is registered). `createGlobalHotKey()` gives the X11 key grab when the program runs on the
// X11 platform, else one that is always unavailable. The grab ends with the object.
// Thread safety: UI thread only.
#pragma once

#include <QKeyCombination>
#include <functional>
#include <memory>

namespace zorvqi::ui {

enum class HotKeyGrab { Grabbed, Taken, Unsupported };

class GlobalHotKey {
 public:
  virtual ~GlobalHotKey() = default;
  virtual HotKeyGrab grab(Qt::KeyboardModifiers modifiers, Qt::Key key, std::function<void()> pressed) = 0;
};

class UnavailableHotKey : public GlobalHotKey {
 public:
  HotKeyGrab grab(Qt::KeyboardModifiers, Qt::Key, std::function<void()>) override {
    return HotKeyGrab::Unsupported;
  }
};

std::unique_ptr<GlobalHotKey> createGlobalHotKey();

}  // namespace zorvqi::ui
