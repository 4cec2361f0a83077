// 运行 and 一键提取 bound to the monitor.
//
// Contract: a click on 运行 runs Monitor::toggleMonitor with the text of 频率框 (read when
// the loop starts) and then shows the monitor's state as the caption: "停止监控" while it
// runs, "监控勾选" while it is stopped; the button is disabled while it switches. A click on
// 一键提取 runs Monitor::fetchAllNow. A start gate, when set, is asked first whenever a click
// would start a round (运行 while stopped, 一键提取); when it says no nothing starts and the
// caption stays. `runCaption` is the caption other commands read the state from.
// Thread safety: UI thread only.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "monitor/monitor.h"

namespace zorvqi::ui {

class MonitorButtons : public QObject {
  Q_OBJECT

 public:
  MonitorButtons(QPushButton& run, QPushButton& fetchAll, QLineEdit& interval, Monitor& monitor);

  void toggleMonitor();
  void fetchAllNow();
  QString runCaption() const;
  void setStartGate(std::function<bool()> mayStart) { mayStart_ = std::move(mayStart); }

 private:
  bool mayStart() const { return !mayStart_ || mayStart_(); }

  QPointer<QPushButton> run_;
  QPointer<QLineEdit> interval_;
  Monitor& monitor_;
  std::function<bool()> mayStart_;
};

}  // namespace zorvqi::ui
