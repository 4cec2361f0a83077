#include "ui/platform/x11/x11_hot_key.h"

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <cstdlib>

namespace zorvqi::ui {
namespace {

constexpr std::uint8_t kBadAccess = XCB_ACCESS;

// Caps Lock (Lock) and Num Lock (usually Mod2) must not stop the combination.
constexpr std::array<std::uint16_t, 4> kLockVariants = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                        XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

std::uint16_t xcbModifiers(Qt::KeyboardModifiers modifiers) {
  std::uint16_t mask = 0;
  if (modifiers & Qt::AltModifier) mask |= XCB_MOD_MASK_1;
  if (modifiers & Qt::ControlModifier) mask |= XCB_MOD_MASK_CONTROL;
  if (modifiers & Qt::ShiftModifier) mask |= XCB_MOD_MASK_SHIFT;
  if (modifiers & Qt::MetaModifier) mask |= XCB_MOD_MASK_4;
  return mask;
}

xcb_keycode_t keyCodeOf(xcb_connection_t* connection, Qt::Key key) {
  if (key < Qt::Key_A || key > Qt::Key_Z) return 0;
  xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
  if (!symbols) return 0;
  const xcb_keysym_t keysym = XK_a + (key - Qt::Key_A);
  xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
  const xcb_keycode_t code = codes ? codes[0] : 0;
  std::free(codes);
  xcb_key_symbols_free(symbols);
  return code;
}

}  // namespace

std::unique_ptr<X11HotKey> X11HotKey::forCurrentDesktop() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return nullptr;
  xcb_connection_t* connection = x11->connection();
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (!screen) return nullptr;
  return std::unique_ptr<X11HotKey>(new X11HotKey(connection, screen->root));
}

X11HotKey::X11HotKey(xcb_connection_t* connection, unsigned int root)
    : connection_(connection), root_(root) {}

X11HotKey::~X11HotKey() {
  ungrab();
}

HotKeyGrab X11HotKey::grab(Qt::KeyboardModifiers modifiers, Qt::Key key, std::function<void()> pressed) {
  ungrab();
  const xcb_keycode_t code = keyCodeOf(connection_, key);
  if (code == 0) return HotKeyGrab::Unsupported;
  const std::uint16_t mask = xcbModifiers(modifiers);
  HotKeyGrab result = HotKeyGrab::Grabbed;
  for (std::uint16_t locks : kLockVariants) {
    const xcb_void_cookie_t cookie = xcb_grab_key_checked(connection_, 1, root_, mask | locks, code,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
      // BadAccess: another client grabbed the combination first.
      const bool taken = error->error_code == kBadAccess;
      std::free(error);
      if (result == HotKeyGrab::Grabbed || taken)
        result = taken ? HotKeyGrab::Taken : HotKeyGrab::Unsupported;
    }
  }
  keyCode_ = code;
  modifierMask_ = mask;
  if (result != HotKeyGrab::Grabbed) {
    ungrab();
    return result;
  }
  pressed_ = std::move(pressed);
  QCoreApplication::instance()->installNativeEventFilter(this);
  return HotKeyGrab::Grabbed;
}

void X11HotKey::ungrab() {
  if (keyCode_ == 0) return;
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  for (std::uint16_t locks : kLockVariants)
    xcb_ungrab_key(connection_, keyCode_, root_, modifierMask_ | locks);
  xcb_flush(connection_);
  keyCode_ = 0;
  pressed_ = nullptr;
}

bool X11HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
  const auto* press = static_cast<const xcb_key_press_event_t*>(message);
  const std::uint16_t withoutLocks = press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
  if (press->detail != keyCode_ || withoutLocks != modifierMask_) return false;
  if (pressed_) pressed_();
  return true;
}

}  // namespace zorvqi::ui
