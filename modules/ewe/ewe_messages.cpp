#include "ewe_messages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ewe.h"

namespace ewe {

namespace {

std::intptr_t positionParam(QPoint point) {
  const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(point.x()));
  const auto y = static_cast<std::uint16_t>(static_cast<std::int16_t>(point.y()));
  return static_cast<std::intptr_t>(x | (static_cast<std::uint32_t>(y) << 16));
}

std::uintptr_t heldKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  std::uintptr_t held = 0;
  if (buttons & Qt::LeftButton) held |= wkeMkLButton;
  if (buttons & Qt::RightButton) held |= wkeMkRButton;
  if (buttons & Qt::MiddleButton) held |= wkeMkMButton;
  if (modifiers & Qt::ShiftModifier) held |= wkeMkShift;
  if (modifiers & Qt::ControlModifier) held |= wkeMkControl;
  return held;
}

// Codes for the left, right and middle button of one kind of button event.
std::optional<unsigned int> buttonMessage(Qt::MouseButton button, unsigned int left, unsigned int right,
                                          unsigned int middle) {
  switch (button) {
    case Qt::LeftButton:
      return left;
    case Qt::RightButton:
      return right;
    case Qt::MiddleButton:
      return middle;
    default:
      return std::nullopt;
  }
}

std::optional<unsigned int> mouseMessageCode(const QMouseEvent& mouse) {
  switch (mouse.type()) {
    case QEvent::MouseMove:
      return wkeMsgMouseMove;
    case QEvent::MouseButtonPress:
      return buttonMessage(mouse.button(), wkeMsgLButtonDown, wkeMsgRButtonDown, wkeMsgMButtonDown);
    case QEvent::MouseButtonRelease:
      return buttonMessage(mouse.button(), wkeMsgLButtonUp, wkeMsgRButtonUp, wkeMsgMButtonUp);
    case QEvent::MouseButtonDblClick:
      return buttonMessage(mouse.button(), wkeMsgLButtonDblClk, wkeMsgRButtonDblClk, wkeMsgMButtonDblClk);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<FilterMessage> filterMessageFor(const QEvent& event, QPoint offset) {
  switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto& mouse = static_cast<const QMouseEvent&>(event);
      const auto code = mouseMessageCode(mouse);
      if (!code) return std::nullopt;
      // A press already counts its own button among the held ones, a release no longer does.
      return FilterMessage{*code, heldKeys(mouse.buttons(), mouse.modifiers()),
                           positionParam(mouse.position().toPoint() + offset)};
    }
    case QEvent::Wheel: {
      const auto& wheel = static_cast<const QWheelEvent&>(event);
      const auto delta = static_cast<std::uint16_t>(static_cast<std::int16_t>(wheel.angleDelta().y()));
      return FilterMessage{wkeMsgMouseWheel,
                           heldKeys(wheel.buttons(), wheel.modifiers()) | (std::uintptr_t{delta} << 16),
                           positionParam(wheel.position().toPoint() + offset)};
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(event);
      return FilterMessage{event.type() == QEvent::KeyPress ? unsigned{wkeMsgKeyDown} : unsigned{wkeMsgKeyUp},
                           static_cast<std::uintptr_t>(key.key()), 0};
    }
    default:
      return std::nullopt;
  }
}

}  // namespace ewe
