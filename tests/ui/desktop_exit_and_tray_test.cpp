// The desktop program's exit sequence, its tray clicks, activation, minimising and the items
// of 托盘菜单, on a temporary program directory with a stand-in tray.
#include <QtTest>
#include <thread>

#include "desktop_fixture.h"
#include "monitor/monitor_view.h"
#include "monitor/round_end_reminder.h"
#include "ui/qtsupport/ui_thread.h"

using namespace zorvqi::testing;
using zorvqi::app::StartResult;

namespace {

// A round's view that shows nothing: enough to let a round-end reminder mark news pending.
class QuietView : public zorvqi::MonitorView {
 public:
  void setStatus(const std::string&) override {}
  void appendRawStatus(const std::string&) override {}
  void insertArticleAtTop(const zorvqi::ArticleRow&) override {}
  void appendArticle(const zorvqi::ArticleRow&) override {}
  void clearArticles() override {}
  void trimArticles(int) override {}
  void markTopRowAtRoundEnd() override {}
  void ensurePopupWindow() override {}
  void addPopupRow(const std::string&, const std::string&, bool) override {}
  void startPopupAutoClear() override {}
  void showNewArticleTray() override {}
  void playReminderSound() override {}
};

void markNewsPending(zorvqi::app::DesktopProgram& program) {
  QuietView view;
  zorvqi::roundEndReminder(view, {});
  program.reminderTray().showNewArticles();
  QVERIFY(zorvqi::reminderPending());
}

}  // namespace

class DesktopExitAndTrayTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }
  void cleanup() { zorvqi::resetReminderPending(); }

  void exitSavesTheIntervalAndEndsTheProcess_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("stored");
    QTest::newRow("a value") << QStringLiteral("45") << QStringLiteral("频率=45");
    // configItem never writes an empty value: the stored one stays.
    QTest::newRow("empty box") << QString() << QStringLiteral("频率=60");
  }
  void exitSavesTheIntervalAndEndsTheProcess() {
    QFETCH(QString, box);
    QFETCH(QString, stored);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "频率=60\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    std::vector<std::string> steps;
    test.program->setMonitorStop(
        [&] { steps.push_back("monitor stopped, tray removed " + std::to_string(test.tray.removed)); });
    test.program->setPopupWindow([] {}, [&] { steps.push_back("popup closed"); });
    test.program->window().频率框->setText(box);
    test.program->exitProgram();
    QCOMPARE(steps, (std::vector<std::string>{"monitor stopped, tray removed 1", "popup closed"}));
    QCOMPARE(test.processEnds, 1);
    QVERIFY2(QString::fromStdString(dir.settingsText()).contains(stored), dir.settingsText().c_str());
    QVERIFY(!test.database.isOpen());
    QVERIFY(!test.program->companion().running());
    QVERIFY(zorvqi::programStopping());
    // A second exit command (the window's close, say) finds the program already leaving.
    test.program->exitProgram();
    QCOMPARE(test.processEnds, 1);
  }

  void theSessionSaveKeepsTheProgramRunning() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "频率=60\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    test.program->window().频率框->setText(QStringLiteral("33"));
    test.program->saveInterval();
    QVERIFY2(QString::fromStdString(dir.settingsText()).contains(QStringLiteral("频率=33")),
             dir.settingsText().c_str());
    // A logout the user cancels finds everything as it was.
    QCOMPARE(test.processEnds, 0);
    QCOMPARE(test.tray.removed, 0);
    QVERIFY(test.database.isOpen());
    QVERIFY(!zorvqi::programStopping());
  }

  void everyExitCommandRunsTheExitSequence_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("关闭按钮") << 0;
    QTest::newRow("退出") << 1;
    QTest::newRow("close request") << 2;
  }
  void everyExitCommandRunsTheExitSequence() {
    QFETCH(int, command);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    window.频率框->setText(QStringLiteral("77"));
    if (command == 0) QTest::mouseClick(window.关闭按钮, Qt::LeftButton);
    if (command == 1) window.退出->trigger();
    if (command == 2) QVERIFY(!window.close());
    QCOMPARE(test.processEnds, 1);
    QCOMPARE(test.tray.removed, 1);
    QVERIFY(QString::fromStdString(dir.settingsText()).contains(QStringLiteral("频率=77")));
  }

  void minimisingHidesOnlyWhereATrayCanBringItBack_data() {
    QTest::addColumn<bool>("trayThere");
    QTest::newRow("tray") << true;
    QTest::newRow("no tray") << false;
  }
  void minimisingHidesOnlyWhereATrayCanBringItBack() {
    QFETCH(bool, trayThere);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    test.tray.trayThere = trayThere;
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    QTest::mouseClick(window.最小化, Qt::LeftButton);
    QTRY_VERIFY(window.isMinimized());
    QCoreApplication::processEvents();
    QCOMPARE(window.isVisible(), !trayThere);
  }

  void theAboutPageBringsBackAWindowMinimisedIntoTheTray() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    QTest::mouseClick(window.最小化, Qt::LeftButton);
    QTRY_VERIFY(!window.isVisible());
    window.关于作者->trigger();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QCoreApplication::processEvents();
    QVERIFY(window.isVisible());
  }

  // A left click brings a hidden window back in the normal state, top-most for a moment, and
  // turns the tray back to normal when news was pending.
  void aLeftClickBringsTheWindowBackAndResetsTheTray() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "别名=甲站\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    window.showMinimized();
    QTRY_VERIFY(!window.isVisible());
    markNewsPending(*test.program);
    QCOMPARE(test.tray.shown.back().image, zorvqi::ui::TrayImage::NewArticles);
    QCOMPARE(test.tray.shown.back().tip, QStringLiteral("监控到新文章！\n甲站"));

    bool topMostWhileWaiting = false;
    QTimer::singleShot(200, &window, [&] {
      topMostWhileWaiting = window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    });
    QElapsedTimer clock;
    clock.start();
    test.tray.click(zorvqi::ui::TrayClick::Left);
    QVERIFY(clock.elapsed() >= 790);
    QVERIFY(topMostWhileWaiting);
    QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!zorvqi::reminderPending());
    QCOMPARE(test.tray.shown.back().image, zorvqi::ui::TrayImage::Normal);
    QCOMPARE(test.tray.shown.back().tip, QStringLiteral("暂无新文章\n甲站"));
  }

  void aLeftClickWithoutNewsLeavesTheTrayAlone() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    const std::size_t shown = test.tray.shown.size();
    test.tray.click(zorvqi::ui::TrayClick::LeftDouble);
    QVERIFY(test.program->window().isVisible());
    QCOMPARE(test.tray.shown.size(), shown);
  }

  void aRightClickPopsUpTheMenuAndNeverRestores() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    window.hide();
    markNewsPending(*test.program);
    test.tray.click(zorvqi::ui::TrayClick::Right);
    QTRY_VERIFY(window.托盘菜单->isVisible());
    QVERIFY(!window.isVisible());
    QVERIFY(zorvqi::reminderPending());
    window.托盘菜单->hide();
    const QStringList items = [&] {
      QStringList names;
      for (QAction* action : window.托盘菜单->actions())
        names << (action->isSeparator() ? "-" : action->text());
      return names;
    }();
    QCOMPARE(items,
             (QStringList{"选项设置", "-", "记住当前 界面大小", "关于 || 作者", "网站规则共享平台", "退出"}));
    QVERIFY(window.网站规则共享平台->isChecked());
  }

  void activationResetsAPendingTray() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    markNewsPending(*test.program);
    emit test.program->window().activated();
    QVERIFY(!zorvqi::reminderPending());
    QCOMPARE(test.tray.shown.back().image, zorvqi::ui::TrayImage::Normal);
  }

  void rememberingTheSizeWritesWidthAndHeight() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "宽度=640\n高度=480\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    window.resize(812, 533);
    window.记住当前界面大小->trigger();
    const QString settings = QString::fromStdString(dir.settingsText());
    QVERIFY(settings.contains(QStringLiteral("宽度=812")) && settings.contains(QStringLiteral("高度=533")));
    QVERIFY(QString::fromStdString(test.status())
                .contains(QStringLiteral("\r\n界面大小 保存成功，重启可见效果 - ")));
  }

  void theSharingPlatformItemAnswersInAMessageBox() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    test.program->window().网站规则共享平台->trigger();
    QCOMPARE(test.messages().back(),
             std::make_pair(
                 std::string("信息："),
                 std::string("这里有大量的常用网站的规则，导入即可使用\r\n\r\n准备中，不久的将来上线...")));
    QVERIFY(test.program->window().网站规则共享平台->isChecked());
  }

  void theBrowserMenuAndTheAboutPageReachTheLibrary() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    const EweStandinJournal journal(dir.file("ewe.dll"));
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    journal.reset();
    window.复制->trigger();
    window.刷新->trigger();
    window.hide();
    window.关于作者->trigger();
    const std::vector<std::string> lines = journal.lines();
    QCOMPARE(lines.size(), std::size_t{3});
    QCOMPARE(lines[0], std::string("wkeExecCommand Copy "));
    QCOMPARE(lines[1], std::string("wkeReload"));
    QVERIFY(lines[2].starts_with(
        "wkeLoadHTML <html><head><meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge,chrome=1\">"));
    QVERIFY(lines[2].find("<div id=\"m\"><h3>汐昙监控系统</h3><p id=\"d\">") != std::string::npos);
    QVERIFY(window.isVisible());
  }
};

QTEST_MAIN(DesktopExitAndTrayTest)
#include "desktop_exit_and_tray_test.moc"
