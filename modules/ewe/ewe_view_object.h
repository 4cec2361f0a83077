// The object behind the window, handle and web view handles of ewe.dll.
//
// Contract: a ViewObject is a child of its view widget and goes with it. It keeps the user
// data, keeps the view filling its host when the host's size changes, and passes the mouse,
// wheel and key events of the view and of every widget inside it (Qt WebEngine delivers them
// to its focus proxy, a child of the view) to the message filter before they are handled;
// a non-zero filter result swallows the event. The filter's window handle is the view's.
// Thread safety: UI thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "ewe.h"

namespace ewe {

class ViewObject : public QObject {
 public:
  ViewObject(QWidget* host, QWidget* view);

  QWidget* view() const { return view_; }
  void setUserData(void* data) { userData_ = data; }
  void setFilter(wkeMessageFilter filter) { filter_ = filter; }

  wkeWindow asWindow() { return reinterpret_cast<wkeWindow>(this); }
  wkeHandle asHandle() { return reinterpret_cast<wkeHandle>(this); }
  wkeWebView asWebView() { return reinterpret_cast<wkeWebView>(this); }
  static ViewObject* from(wkeWindow window) { return reinterpret_cast<ViewObject*>(window); }
  static ViewObject* from(wkeHandle handle) { return reinterpret_cast<ViewObject*>(handle); }
  static ViewObject* from(wkeWebView view) { return reinterpret_cast<ViewObject*>(view); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchTree(QObject* object);
  bool passToFilter(QObject* watched, const QEvent& event) const;

  QPointer<QWidget> host_;
  QWidget* view_;
  void* userData_ = nullptr;
  wkeMessageFilter filter_ = nullptr;
};

}  // namespace ewe
