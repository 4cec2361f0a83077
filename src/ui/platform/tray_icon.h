// The tray icon as the program uses it: two images, a tip, and the clicks it reports.
//
// Contract: `canShow` says whether the desktop has a tray that can show an icon (a window
// minimised to a desktop without one would be lost). `show` puts the icon there (or changes
// it) with the given image and tip; `remove` takes it away. Each left release, left
// double-click and right release (or context-menu key) is reported to the click handler with
// the mouse position on the screen. `SystemTrayIcon` is the desktop's own; tests stand in
// their own implementation. Thread safety: UI thread only.
#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <functional>

namespace zorvqi::ui {

enum class TrayImage { Normal, NewArticles };
enum class TrayClick { Left, LeftDouble, Right };

class TrayIcon {
 public:
  using ClickHandler = std::function<void(TrayClick click, QPoint screenPosition)>;

  virtual ~TrayIcon() = default;
  virtual bool canShow() const = 0;
  virtual void show(TrayImage image, const QString& tip) = 0;
  virtual void remove() = 0;

  void setClickHandler(ClickHandler handler) { handler_ = std::move(handler); }

 protected:
  void reportClick(TrayClick click, QPoint screenPosition) const {
    if (handler_) handler_(click, screenPosition);
  }

 private:
  ClickHandler handler_;
};

// The two images: the application icon and the 16 x 16 new-article icon.
QIcon trayImageIcon(TrayImage image);

}  // namespace zorvqi::ui
