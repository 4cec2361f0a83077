// The frame a frameless main window draws for itself: its title bar, its corner grip and
// the bar between the article list and the browser box.
//
// Contract:
// - `TitleBarHandler` (an event filter on the title bar): dragging the title bar with the
//   left button hands the window to the desktop's own move (QWindow::startSystemMove), or
//   moves it by the mouse's travel where the desktop offers none; a double-click restores a
//   maximised window and maximises any other.
// - `CornerGripHandler` (an event filter on the grip): a left press starts the desktop's
//   resize from the bottom-right corner, or resizes by the mouse's travel where it offers none.
// - `SplitterBar`: a thin bar with the split cursor; dragging it reports to `moved` the left
//   edge in its parent's coordinates where the drag would put the bar.
// Thread safety: UI thread only.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

namespace zorvqi::ui {

class TitleBarHandler : public QObject {
 public:
  TitleBarHandler(QWidget& window, QWidget& titleBar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  bool systemMove_ = false;
  QPoint pressOffset_;
  bool pressed_ = false;
};

class CornerGripHandler : public QObject {
 public:
  CornerGripHandler(QWidget& window, QWidget& grip);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  bool manual_ = false;
  QPoint pressGlobal_;
  QSize pressSize_;
};

class SplitterBar : public QWidget {
 public:
  explicit SplitterBar(QWidget* parent);
  std::function<void(int left)> moved;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int pressX_ = 0;
};

}  // namespace zorvqi::ui
