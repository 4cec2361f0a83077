// Start-up of the desktop program on a temporary program directory: the refusals, the
// database that does not open, the window's size, place and list appearance, the title, the
// interval, the tray, the browser box and its news page, and the hot key.
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QtTest>

#include "app/startup_refusals.h"
#include "app/window_settings.h"
#include "desktop_fixture.h"
#include "store/load_plans.h"
#include "ui/qtsupport/ui_thread.h"

using namespace zorvqi::testing;
using zorvqi::app::StartResult;
using Messages = std::vector<std::pair<std::string, std::string>>;

Q_DECLARE_METATYPE(zorvqi::ui::HotKeyGrab)

namespace {

const char* const kBrowserMissing =
    "浏览器支持库 ewe.dll 缺失，无法工作！ \r\nError：File ‘wke.dll’ missing\r\n\r\n\r\n请到 汐昙云栈博客 "
    "下载完整版本！";
const char* const kDatabaseMissing =
    "数据库文件 zorv.sdb 缺失，无法工作！ \r\nError：Database file ‘zorv.db’ missing\r\n\r\n\r\n请到 "
    "汐昙云栈博客 "
    "下载完整版本！";

QRect screenGeometry() {
  return QGuiApplication::primaryScreen()->geometry();
}

}  // namespace

class DesktopStartupTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }

  // The browser library is checked first: with it missing the database is never opened, even
  // when it is there, and only the browser message shows.
  void aMissingBrowserLibraryRefusesBeforeTheDatabase_data() {
    QTest::addColumn<bool>("databaseThere");
    QTest::newRow("database missing too") << false;
    QTest::newRow("database there") << true;
  }
  void aMissingBrowserLibraryRefusesBeforeTheDatabase() {
    QFETCH(bool, databaseThere);
    ProgramDirectory dir;
    if (databaseThere) dir.addDatabase(planRow(1, 1, "甲", 1));
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Refused);
    QCOMPARE(test.messages(), (Messages{{"启动失败", kBrowserMissing}}));
    QCOMPARE(test.dialogs.shown()[0].icon, zorvqi::DialogIcon::Error);
    QVERIFY(!test.database.isOpen());
    QVERIFY(!test.program->window().isVisible());
    QVERIFY(test.tray.shown.empty());
  }

  void aMissingDatabaseRefuses() {
    ProgramDirectory dir;
    dir.addBrowserLibrary();
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Refused);
    QCOMPARE(test.messages(), (Messages{{"启动失败", kDatabaseMissing}}));
    QCOMPARE(test.dialogs.shown()[0].icon, zorvqi::DialogIcon::Error);
    QVERIFY(!test.program->window().isVisible());
    QVERIFY(!std::filesystem::exists(dir.file("zorvqi.ini")));
  }

  // A file that is no database: the open fails, 运行 is disabled, start-up goes on and the
  // plan loading reports that there are no plans.
  void aDatabaseThatDoesNotOpenKeepsTheWindowWithoutRun() {
    ProgramDirectory dir;
    dir.addBrowserLibrary();
    dir.addGarbageDatabase();
    dir.writeSettings("[配置]\n类别=<论坛>\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    QCOMPARE(test.messages(), (Messages{{"信息：", "数据库打开失败！"},
                                        {"信息：", zorvqi::gbkToUtf8(zorvqi::kNoPlansMessage)}}));
    QVERIFY(test.program->window().isVisible());
    QVERIFY(!test.program->window().运行->isEnabled());
    QCOMPARE(test.program->window().栏目框->topLevelItemCount(), 1);
    QCOMPARE(test.program->window().栏目框->topLevelItem(0)->childCount(), 0);
  }

  void theWindowTakesItsSizeFromTheSettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QSize>("size");
    QTest::newRow("stored size") << QStringLiteral("宽度=640\n高度=480\n") << QSize(640, 480);
    QTest::newRow("wider than the screen") << QStringLiteral("宽度=1201\n高度=903\n") << QSize(1201, 903);
    // Qt makes no 0 x 0 window, and a frameless one would be lost: the design size stands in.
    QTest::newRow("no size stored") << QString() << QSize(1000, 618);
    QTest::newRow("only a width") << QStringLiteral("宽度=700\n") << QSize(700, 618);
    QTest::newRow("negative height") << QStringLiteral("宽度=700\n高度=-5\n") << QSize(700, 618);
  }
  void theWindowTakesItsSizeFromTheSettings() {
    QFETCH(QString, settings);
    QFETCH(QSize, size);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, settings.toStdString());
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    QCOMPARE(window.size(), size);
    QCOMPARE(window.pos(), zorvqi::app::centredPosition(screenGeometry(), size));
    // The resize rules have placed the controls for that size.
    QCOMPARE(window.关闭按钮->x(), size.width() - 40);
    QCOMPARE(window.状态框->y(), size.height() - 30);
  }

  // Each coordinate is computed in floating point and truncated toward zero, so half a pixel
  // off-screen is 0, not -1.
  void centringTruncatesTowardZero_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("smaller") << QSize(601, 401) << QPoint(99, 99);
    QTest::newRow("half a pixel larger") << QSize(801, 601) << QPoint(0, 0);
    QTest::newRow("larger") << QSize(1000, 618) << QPoint(-100, -9);
    QTest::newRow("three halves larger") << QSize(803, 603) << QPoint(-1, -1);
  }
  void centringTruncatesTowardZero() {
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(zorvqi::app::centredPosition(QRect(0, 0, 800, 600), window), position);
    QCOMPARE(zorvqi::app::centredPosition(QRect(1920, 0, 800, 600), window), position + QPoint(1920, 0));
  }

  void rowHeightAndColoursComeFromTheSettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    const QColor base = QPalette().color(QPalette::Base);
    const QColor alternate = QPalette().color(QPalette::AlternateBase);
    QTest::newRow("17 becomes 30") << QStringLiteral("行高=17\n") << 30 << base << alternate;
    QTest::newRow("18 stays") << QStringLiteral("行高=18\n") << 18 << base << alternate;
    QTest::newRow("missing") << QString() << 30 << base << alternate;
    // Colour values are 0x00BBGGRR.
    QTest::newRow("colours") << QStringLiteral("行高=40\n行色1=255\n行色2=16711680\n") << 40
                             << QColor(255, 0, 0) << QColor(0, 0, 255);
    QTest::newRow("a stored 0 is black")
        << QStringLiteral("行色1=0\n行色2=15790320\n") << 30 << QColor(0, 0, 0) << QColor(240, 240, 240);
  }
  void rowHeightAndColoursComeFromTheSettings() {
    QFETCH(QString, settings);
    QFETCH(int, rowHeight);
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, settings.toStdString());
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    QTableView& list = *test.program->window().文章列表框;
    QCOMPARE(list.verticalHeader()->defaultSectionSize(), rowHeight);
    QVERIFY(list.alternatingRowColors());
    QCOMPARE(list.palette().color(QPalette::Base), first);
    QCOMPARE(list.palette().color(QPalette::AlternateBase), second);
  }

  void titleIntervalAndTrayComeFromTheSettings() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "别名=我的监控\n频率=45\n");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    QCOMPARE(window.软件名标签->text(), QStringLiteral("我的监控"));
    QCOMPARE(window.频率框->text(), QStringLiteral("45"));
    QCOMPARE(test.tray.shown.size(), std::size_t{1});
    QCOMPARE(test.tray.shown[0].image, zorvqi::ui::TrayImage::Normal);
    QCOMPARE(test.tray.shown[0].tip, QStringLiteral("欢迎使用汐昙新文章监控提醒！\n我的监控"));
    QCOMPARE(window.运行->text(), QStringLiteral("监控勾选"));
    QVERIFY(window.运行->isEnabled());
  }

  void anEmptyAliasAndIntervalKeepTheDefaults() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    QCOMPARE(test.program->window().软件名标签->text(), QStringLiteral("汐昙新文章监控提醒"));
    QCOMPARE(test.program->window().频率框->text(), QStringLiteral("600"));
    QVERIFY(test.tray.shown.at(0).tip.endsWith(QStringLiteral("\n汐昙新文章监控提醒")));
  }

  // The plan tree shows the categories expanded and the plans checked from isdo; a disabled
  // plan has no node but is in the plan table.
  void thePlansFillTheTree() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    QCOMPARE(test.messages(), Messages{});
    const QTreeWidget& tree = *test.program->window().栏目框;
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("论坛"));
    QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("新闻"));
    QVERIFY(tree.topLevelItem(0)->isExpanded() && tree.topLevelItem(1)->isExpanded());
    QCOMPARE(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("论坛甲 [1]"));
    QCOMPARE(tree.topLevelItem(0)->child(1)->checkState(0), Qt::Unchecked);
    QCOMPARE(tree.topLevelItem(1)->childCount(), 1);
    const std::vector<zorvqi::PlanNodeState> expected = {{1, true}, {2, false}, {3, true}};
    const auto nodes = test.program->planSelection().planNodes();
    QCOMPARE(nodes.size(), expected.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      QCOMPARE(nodes[i].planId, expected[i].planId);
      QCOMPARE(nodes[i].checked, expected[i].checked);
    }
    QVERIFY(zorvqi::currentPlanTable()->hasRow(4));
  }

  // The browser view sits on 浏览器框, shows the companion service's news page, and a right
  // press inside it pops up 右击浏览器.
  void theBrowserBoxShowsTheNewsPage() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    const EweStandinJournal journal(dir.file("ewe.dll"));
    QVERIFY(journal.loaded());
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    zorvqi::ui::MainWindow& window = test.program->window();
    QVERIFY(test.program->companion().running());
    const std::vector<std::string> lines = journal.lines();
    QVERIFY(!lines.empty());
    QCOMPARE(lines.front(),
             "wkeCreateWindow " + std::to_string(reinterpret_cast<std::uintptr_t>(window.浏览器框)));
    QCOMPARE(lines.back(), "wkeLoadURL " + test.program->companion().baseAddress() +
                               "/zt/softnews.php?n=zorvqi&v=2.5&s=win10&m=");
    QWidget* view = test.program->browser().viewWindow();
    QVERIFY(view && view->parentWidget() == window.浏览器框);
    QVERIFY(!window.右击浏览器->isVisible());
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(20, 20));
    QTRY_VERIFY(window.右击浏览器->isVisible());
    window.右击浏览器->hide();
  }

  void theHotKeyTogglesTheWindow() {
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    test.hotKey.result = zorvqi::ui::HotKeyGrab::Grabbed;
    QCOMPARE(test.program->start(), StartResult::Started);
    QCOMPARE(test.hotKey.modifiers, Qt::KeyboardModifiers(Qt::AltModifier));
    QCOMPARE(test.hotKey.key, Qt::Key_Q);
    QVERIFY(!QString::fromStdString(test.status()).contains(QStringLiteral("Alt+Q")));
    zorvqi::ui::MainWindow& window = test.program->window();
    test.hotKey.pressed();
    QVERIFY(!window.isVisible());
    test.hotKey.pressed();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
  }

  void anUnavailableHotKeyIsReportedInTheStatusBox_data() {
    QTest::addColumn<zorvqi::ui::HotKeyGrab>("grab");
    QTest::addColumn<QString>("line");
    QTest::newRow("no global keys") << zorvqi::ui::HotKeyGrab::Unsupported
                                    << QStringLiteral(
                                           "快捷键 Alt+Q 不可用：这个桌面不支持全局快捷键（需要 X11） - ");
    QTest::newRow("held by another program")
        << zorvqi::ui::HotKeyGrab::Taken << QStringLiteral("快捷键 Alt+Q 不可用：已被其他程序占用 - ");
  }

  void anUnavailableHotKeyIsReportedInTheStatusBox() {
    QFETCH(zorvqi::ui::HotKeyGrab, grab);
    QFETCH(QString, line);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    TestProgram test(dir);
    test.hotKey.result = grab;
    QCOMPARE(test.program->start(), StartResult::Started);
    const QString status = QString::fromStdString(test.status());
    QVERIFY2(status.contains(line), qPrintable(status));
    QVERIFY(status.startsWith(QStringLiteral("欢迎使用汐昙新文章监控提醒！\r\n")));
  }

  // A gzip.dll that is there but does not load is said once, and taken as missing.
  void anUnloadableGzipModuleIsReportedInTheStatusBox() {
    const QString line = QStringLiteral("gzip.dll 无法加载，已按缺失处理 - ");
    {
      ProgramDirectory missing;
      makeCompleteDirectory(missing, "");
      TestProgram withoutModule(missing);
      QCOMPARE(withoutModule.program->start(), StartResult::Started);
      QVERIFY(!QString::fromStdString(withoutModule.status()).contains(QStringLiteral("gzip.dll")));
    }

    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    writeFileBytes(dir.file("gzip.dll"), "not a shared object");
    TestProgram test(dir);
    QCOMPARE(test.program->start(), StartResult::Started);
    const QString status = QString::fromStdString(test.status());
    QCOMPARE(status.count(line), 1);
    QCOMPARE(test.messages(), Messages{});
  }
};

QTEST_MAIN(DesktopStartupTest)
#include "desktop_startup_test.moc"
