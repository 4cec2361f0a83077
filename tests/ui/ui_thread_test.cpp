// The UI thread's pump and the workers' blocking calls into it.
#include "ui/qtsupport/ui_thread.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <thread>

#include "base/cancel_flag.h"

using namespace std::chrono_literals;

class UiThreadTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }

  // The UI thread waits for a worker that makes blocking calls into the UI thread: the wait
  // runs the calls, and timers of the window keep firing meanwhile.
  void waitKeepsTheUiThreadWorking() {
    std::atomic<bool> done{false};
    int changes = 0;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    std::thread worker([&] {
      for (int i = 0; i < 20; ++i) {
        zorvqi::ui::runOnUiThread([&] {
          QVERIFY(zorvqi::ui::onUiThread());
          ++changes;
        });
        std::this_thread::sleep_for(5ms);
      }
      done = true;
    });
    const auto result =
        zorvqi::threadPump().waitUntil([&] { return done.load(); }, zorvqi::SteadyClock::now() + 10s);
    worker.join();
    QCOMPARE(result, zorvqi::WaitResult::Satisfied);
    QCOMPARE(changes, 20);
    QVERIFY(ticks > 5);
  }

  // A change handed over by a worker that is abandoned before it runs never lands.
  void cancelledWorkersChangesAreDropped() {
    zorvqi::CancelFlag flag;
    int changes = 0;
    std::thread worker([&] {
      zorvqi::ScopedThreadCancelFlag scope(&flag);
      flag.cancel();
      zorvqi::ui::runOnUiThread([&] { ++changes; });
    });
    zorvqi::threadPump().waitUntil(nullptr, zorvqi::SteadyClock::now() + 100ms);
    worker.join();
    QCOMPARE(changes, 0);
  }

 private:
  zorvqi::ui::UiEventPump pump_;
};

QTEST_MAIN(UiThreadTest)
#include "ui_thread_test.moc"
