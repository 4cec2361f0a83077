#include "ewe_view_object.h"

#include <QChildEvent>

#include "ewe_messages.h"

namespace ewe {

ViewObject::ViewObject(QWidget* host, QWidget* view) : QObject(view), host_(host), view_(view) {
  if (host_) host_->installEventFilter(this);
  watchTree(view_);
}

void ViewObject::watchTree(QObject* object) {
  if (object == this) return;
  object->installEventFilter(this);
  for (QObject* child : object->children()) watchTree(child);
}

bool ViewObject::passToFilter(QObject* watched, const QEvent& event) const {
  if (!filter_ || !watched->isWidgetType()) return false;
  // Only input is translated: other events also arrive while the view is being torn down,
  // when mapping positions through it is no longer safe.
  if (!filterMessageFor(event, QPoint())) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const auto message = filterMessageFor(event, widget == view_ ? QPoint() : widget->mapTo(view_, QPoint()));
  return filter_(reinterpret_cast<wkeNativeWindow>(view_), message->message, message->wParam,
                 message->lParam) != 0;
}

bool ViewObject::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_) {
    if (event->type() == QEvent::Resize) view_->resize(host_->size());
    return false;
  }
  if (event->type() == QEvent::ChildAdded) {
    watchTree(static_cast<QChildEvent*>(event)->child());
    return false;
  }
  // Once the view has a focus proxy, input goes there first and only climbs to the view when
  // the proxy leaves it unhandled: the proxy alone reports it, so nothing is reported twice.
  if (watched == view_ && view_->focusProxy() != nullptr) return false;
  return passToFilter(watched, *event);
}

}  // namespace ewe
