// The filter messages of ewe.dll made from Qt input events.
//
// Contract: `filterMessageFor(event, offset)` gives the message code, wParam and lParam of
// ewe.h for a mouse, wheel or key event, the mouse position moved by `offset` (the watched
// widget's place in the view); nothing for every other event.
// Thread safety: pure function.
#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

class QEvent;

namespace ewe {

struct FilterMessage {
  unsigned int message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

std::optional<FilterMessage> filterMessageFor(const QEvent& event, QPoint offset);

}  // namespace ewe
