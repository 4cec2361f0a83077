// A global hot key: a key combination that reaches the program whichever window has the
// keyboard.
//
// Contract: `grab(modifiers, key, pressed)` registers the combination of a letter key
// (Qt::Key_A .. Qt::Key_Z) with Alt, Ctrl, Shift or Meta and calls `pressed` on the UI thread
// at every press; it returns false when the desktop offers no way to grab keys (then nothing
// is registered). `createGlobalHotKey()` gives the X11 key grab when the program runs on the
// X11 platform, else one that is always unavailable. The grab ends with the object.
// Thread safety: UI thread only.
#pragma once

#include <QKeyCombination>
#include <functional>
#include <memory>

namespace zorvqi::ui {

class GlobalHotKey {
 public:
  virtual ~GlobalHotKey() = default;
  virtual bool grab(Qt::KeyboardModifiers modifiers, Qt::Key key, std::function<void()> pressed) = 0;
};

class UnavailableHotKey : public GlobalHotKey {
 public:
  bool grab(Qt::KeyboardModifiers, Qt::Key, std::function<void()>) override { return false; }
};

std::unique_ptr<GlobalHotKey> createGlobalHotKey();

}  // namespace zorvqi::ui
