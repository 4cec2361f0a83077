#include "ui/main/window_frame.h"

#include <QMouseEvent>
#include <QWindow>

namespace zorvqi::ui {
namespace {

QMouseEvent* leftButtonEvent(QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  return (mouse->button() == Qt::LeftButton || (mouse->buttons() & Qt::LeftButton)) ? mouse : nullptr;
}

}  // namespace

TitleBarHandler::TitleBarHandler(QWidget& window, QWidget& titleBar) : QObject(&titleBar), window_(window) {
  titleBar.installEventFilter(this);
}

bool TitleBarHandler::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (QMouseEvent* mouse = leftButtonEvent(event)) {
        pressed_ = true;
        systemMove_ = false;
        pressOffset_ = mouse->globalPosition().toPoint() - window_.pos();
      }
      return false;
    case QEvent::MouseMove:
      if (QMouseEvent* mouse = leftButtonEvent(event); mouse && pressed_ && !systemMove_) {
        QWindow* handle = window_.windowHandle();
        systemMove_ = handle && handle->startSystemMove();
        if (!systemMove_) window_.move(mouse->globalPosition().toPoint() - pressOffset_);
      }
      return false;
    case QEvent::MouseButtonRelease:
      pressed_ = false;
      return false;
    case QEvent::MouseButtonDblClick:
      if (leftButtonEvent(event)) window_.isMaximized() ? window_.showNormal() : window_.showMaximized();
      return true;
    default:
      return false;
  }
}

CornerGripHandler::CornerGripHandler(QWidget& window, QWidget& grip) : QObject(&grip), window_(window) {
  grip.installEventFilter(this);
  grip.setCursor(Qt::SizeFDiagCursor);
}

bool CornerGripHandler::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    QMouseEvent* mouse = leftButtonEvent(event);
    if (!mouse) return false;
    QWindow* handle = window_.windowHandle();
    manual_ = !(handle && handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge));
    pressGlobal_ = mouse->globalPosition().toPoint();
    pressSize_ = window_.size();
    return true;
  }
  if (event->type() == QEvent::MouseMove && manual_) {
    if (QMouseEvent* mouse = leftButtonEvent(event)) {
      const QPoint travel = mouse->globalPosition().toPoint() - pressGlobal_;
      window_.resize(pressSize_ + QSize(travel.x(), travel.y()));
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonRelease) manual_ = false;
  return false;
}

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::SplitHCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  pressX_ = event->position().toPoint().x();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && moved)
    moved(mapToParent(event->position().toPoint()).x() - pressX_);
}

}  // namespace zorvqi::ui
