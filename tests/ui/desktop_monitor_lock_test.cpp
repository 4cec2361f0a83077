// The desktop program and the directory's monitor lock: a second desktop program refuses to
// start; a headless monitor holding the directory leaves 运行 and 一键提取 refusing until it
// lets go.
#include <unistd.h>
#include <QtTest>

#include "desktop_fixture.h"
#include "store/monitor_lock.h"
#include "ui/main/window_controllers.h"
#include "ui/qtsupport/ui_thread.h"

using namespace zorvqi::testing;
using zorvqi::MonitorKind;
using zorvqi::MonitorLock;
using zorvqi::MonitorLockStatus;
using zorvqi::app::StartResult;
using Messages = std::vector<std::pair<std::string, std::string>>;

namespace {

// The monitor on the program's window, put together as the program does it.
struct ProgramControllers {
  explicit ProgramControllers(TestProgram& test)
      : controllers(test.program->window(), {test.program->database(), test.program->browser(), test.dialogs,
                                             test.program->planSelection(),
                                             [] { return std::string("http://127.0.0.1:1"); }, nullptr}) {
    test.program->gateMonitorButtons(controllers.monitorButtons());
  }
  zorvqi::ui::WindowControllers controllers;
};

}  // namespace

class DesktopMonitorLockTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }

  void aSecondDesktopProgramOnTheDirectoryRefusesToStart() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    MonitorLock first(dir.file("zorvqi.lock"));
    QCOMPARE(first.take(MonitorKind::Desktop), MonitorLockStatus::Taken);
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Refused);
    QCOMPARE(test.messages(),
             (Messages{{"启动失败", "本程序已经在这个目录上运行，不能再打开一个！\r\n目录：" + dir.path()}}));
    QCOMPARE(test.dialogs.shown()[0].icon, zorvqi::DialogIcon::Error);
    QVERIFY(!test.program->window().isVisible());
  }

  // The program holds the directory from its start on: a headless monitor is refused.
  void theStartedProgramHoldsTheDirectory() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    MonitorLock headless(dir.file("zorvqi.lock"));
    QCOMPARE(headless.take(MonitorKind::Round), MonitorLockStatus::HeldElsewhere);
    QCOMPARE(headless.holder().kind, MonitorKind::Desktop);
    QCOMPARE(test.status().find("正在这个目录上监控"), std::string::npos);
  }

  void aHeadlessMonitorLeavesRunAndFetchAllRefusingUntilItEnds() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    auto watch = std::make_unique<MonitorLock>(dir.file("zorvqi.lock"));
    QCOMPARE(watch->take(MonitorKind::Watch), MonitorLockStatus::Taken);
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    const std::string holder = "zorvqi-cli watch（进程 " + std::to_string(getpid()) + "）";
    const std::string line = holder + " 正在这个目录上监控：它结束之前，监控勾选 和 一键提取 不能运行";
    QVERIFY2(test.status().find(line) != std::string::npos, test.status().c_str());

    ProgramControllers parts(test);
    zorvqi::ui::MainWindow& window = test.program->window();
    window.运行->click();
    window.一键提取->click();
    const std::string refused = holder + " 正在这个目录上监控，请等它结束后再试！";
    QCOMPARE(test.messages(), (Messages{{"信息：", refused}, {"信息：", refused}}));
    QCOMPARE(window.运行->text(), QStringLiteral("监控勾选"));
    QVERIFY(!parts.controllers.monitor().running());

    watch.reset();
    window.运行->click();
    QCOMPARE(window.运行->text(), QStringLiteral("停止监控"));
    MonitorLock later(dir.file("zorvqi.lock"));
    QCOMPARE(later.take(MonitorKind::Watch), MonitorLockStatus::HeldElsewhere);
    QCOMPARE(later.holder().kind, MonitorKind::Desktop);
    window.运行->click();
    QCOMPARE(window.运行->text(), QStringLiteral("监控勾选"));
  }
};

QTEST_MAIN(DesktopMonitorLockTest)
#include "desktop_monitor_lock_test.moc"
