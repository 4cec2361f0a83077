#include "ui/qtsupport/ui_thread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "base/cancel_flag.h"

namespace zorvqi::ui {
namespace {
constexpr int kWakeMilliseconds = 10;
}

bool onUiThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

void runOnUiThread(const std::function<void()>& change) {
  if (onUiThread()) {
    change();
    return;
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || programStopping()) return;
  const CancelFlag* flag = threadCancelFlag();
  QMetaObject::invokeMethod(
      app,
      [&change, flag] {
        if (flag && flag->isCancelled()) return;
        change();
      },
      Qt::BlockingQueuedConnection);
}

WaitResult UiEventPump::waitUntil(const std::function<bool()>& condition, Deadline deadline) {
  for (;;) {
    if (auto outcome = waitOutcome(condition, deadline)) return *outcome;
    QEventLoop loop;
    QTimer::singleShot(kWakeMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace zorvqi::ui
