#include "ui/main/monitor_buttons.h"

#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

MonitorButtons::MonitorButtons(QPushButton& run, QPushButton& fetchAll, QLineEdit& interval, Monitor& monitor)
    : run_(&run), interval_(&interval), monitor_(monitor) {
  run.setText(toQString(monitor.runCaption()));
  connect(&run, &QPushButton::clicked, this, &MonitorButtons::toggleMonitor);
  connect(&fetchAll, &QPushButton::clicked, this, &MonitorButtons::fetchAllNow);
}

void MonitorButtons::toggleMonitor() {
  if (!run_) return;
  if (!monitor_.running() && !mayStart()) return;
  run_->setEnabled(false);
  monitor_.toggleMonitor(interval_ ? fromQString(interval_->text()) : std::string());
  run_->setText(toQString(monitor_.runCaption()));
  run_->setEnabled(true);
}

void MonitorButtons::fetchAllNow() {
  if (!mayStart()) return;
  monitor_.fetchAllNow();
}

QString MonitorButtons::runCaption() const {
  return run_ ? run_->text() : QString();
}

}  // namespace zorvqi::ui
