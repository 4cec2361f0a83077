// The main window's own behaviour: the status box, the resize rules, the title bar, the plan
// tree and the plan selection the rounds read from it.
#include <QScrollBar>
#include <QtTest>
#include <atomic>
#include <thread>

#include "base/clock.h"
#include "text/charset.h"
#include "ui/main/main_window.h"
#include "ui/main/plan_tree_view.h"
#include "ui/main/tree_widget_plan_selection.h"
#include "ui/platform/program_icon.h"
#include "ui/platform/tray_icon.h"
#include "ui/qtsupport/ui_thread.h"

using zorvqi::ui::MainWindow;

namespace {

std::string gbk(const char* utf8) {
  return zorvqi::utf8ToGbk(utf8);
}

zorvqi::PlanTree twoCategories() {
  zorvqi::PlanTree tree;
  tree.categories.push_back(
      {gbk("论坛"), -11, false, {{gbk("甲 [1]"), 1, true, {}}, {gbk("乙 [2]"), 2, false, {}}}});
  tree.categories.push_back({gbk("新闻"), -12, false, {{gbk("丙 [5]"), 5, false, {}}}});
  return tree;
}

std::vector<std::pair<int, bool>> nodesOf(zorvqi::PlanSelection& selection) {
  std::vector<std::pair<int, bool>> result;
  for (const auto& node : selection.planNodes()) result.emplace_back(node.planId, node.checked);
  return result;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;
  std::unique_ptr<zorvqi::FixedClock> clock_;

 private slots:
  void initTestCase() {
    zorvqi::setThreadPump(&pump_);
    clock_ = std::make_unique<zorvqi::FixedClock>(zorvqi::LocalTime{2020, 5, 3, 9, 7, 5});
    zorvqi::setCurrentClock(clock_.get());
  }
  void cleanupTestCase() {
    zorvqi::setCurrentClock(nullptr);
    zorvqi::setThreadPump(nullptr);
  }

  void theProgramIconIsDrawnFromItsSvg() {
    // The SVG itself, not the painted stand-in: its corner dot is orange.
    const QImage image = zorvqi::ui::programIcon().pixmap(64, 64).toImage();
    QCOMPARE(image.size(), QSize(64, 64));
    QCOMPARE(image.pixelColor(46, 14).name(), QStringLiteral("#ff6d00"));
    MainWindow window;
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.标题栏_图标->pixmap().isNull());
    QCOMPARE(zorvqi::ui::trayImageIcon(zorvqi::ui::TrayImage::Normal).pixmap(32).toImage(),
             zorvqi::ui::programIcon().pixmap(32).toImage());
    zorvqi::ui::showPlanTree(*window.栏目框, twoCategories());
    QTreeWidgetItem* category = window.栏目框->topLevelItem(0);
    QVERIFY(category->icon(0).isNull());
    QVERIFY(!category->child(0)->icon(0).isNull());
  }

  void statusLinesCarryTheTimeAndRawTextContinuesThem() {
    MainWindow window;
    window.setStatus(gbk("开始"));
    window.appendStatus(gbk("第一行"));
    window.appendRawStatus(gbk("……接着"));
    window.appendStatus(gbk("\r\n空行之后"));
    QCOMPARE(zorvqi::gbkToUtf8(window.statusText()),
             std::string("开始\r\n第一行 - 2020-5-3 9:7:5……接着\r\n\r\n空行之后 - 2020-5-3 9:7:5"));
    window.replaceStatus(gbk("只有这一行"));
    QCOMPARE(zorvqi::gbkToUtf8(window.statusText()), std::string("只有这一行 - 2020-5-3 9:7:5"));
  }

  void theStatusBoxShowsItsLastLine() {
    MainWindow window;
    window.show();
    for (int i = 0; i < 30; ++i) window.appendStatus("line " + std::to_string(i));
    QPlainTextEdit& box = *window.状态框;
    QVERIFY(box.verticalScrollBar()->maximum() > 0);
    QCOMPARE(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
  }

  void focusOnTheIntervalBoxExplainsItsUnit() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.频率框->setFocus();
    QTRY_COMPARE(zorvqi::gbkToUtf8(window.statusText()), std::string("单位：秒。  - 2020-5-3 9:7:5"));
  }

  void theResizeRulesPlaceTheControls_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(1300, 800);
    QTest::newRow("smaller") << QSize(820, 500);
  }
  void theResizeRulesPlaceTheControls() {
    QFETCH(QSize, size);
    const int w = size.width();
    const int h = size.height();
    MainWindow window;
    window.show();
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QCOMPARE(window.软件框->geometry(), QRect(0, 0, w, h));
    QCOMPARE(window.标题栏->width(), w);
    QCOMPARE(window.关闭按钮->x(), w - 40);
    QCOMPARE(window.最小化->x(), w - 76);
    QCOMPARE(window.设置->x(), w - 112);
    QCOMPARE(window.拖动图->pos(), QPoint(w - 8, h - 8));
    QCOMPARE(window.栏目框->height(), h - 110);
    QCOMPARE(window.左一框->y(), h - 43);
    const QFrame& listFrame = *window.外形框_中间_文章列表;
    QCOMPARE(listFrame.height(), h - 69);
    QCOMPARE(window.文章列表框->size(), listFrame.size());
    QCOMPARE(window.挡表头的透明标签->width(), listFrame.width());
    const int browserLeft = window.栏目框->width() + listFrame.width();
    QCOMPARE(window.浏览器框->geometry(),
             QRect(browserLeft, window.浏览器框->y(), w - browserLeft - 2, h - 42));
    QCOMPARE(window.分隔条1->x(), browserLeft - 2);
    QCOMPARE(window.便签框->size(), listFrame.size() - QSize(6, 6));
    QCOMPARE(window.状态框->width(), listFrame.width() - 7);
    QCOMPARE(window.状态框->y(), h - 30);
  }

  void draggingTheSplitterWidensTheList() {
    MainWindow window;
    window.show();
    window.resize(1300, 700);
    QTRY_COMPARE(window.width(), 1300);
    const int before = window.外形框_中间_文章列表->width();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 10), window.分隔条1->mapToGlobal(QPointF(1, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.分隔条1, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(61, 10), window.分隔条1->mapToGlobal(QPointF(61, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.分隔条1, &move);
    QCOMPARE(window.外形框_中间_文章列表->width(), before + 60);
    QCOMPARE(window.浏览器框->x(), window.栏目框->width() + before + 60);
    // The browser box keeps a width of at least 100 pixels.
    QMouseEvent far(QEvent::MouseMove, QPointF(2000, 10), window.分隔条1->mapToGlobal(QPointF(2000, 10)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.分隔条1, &far);
    QCOMPARE(window.浏览器框->width(), 98);
  }

  void aDoubleClickOnTheTitleBarMaximisesAndRestores() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseDClick(window.标题栏, Qt::LeftButton, {}, QPoint(300, 20));
    QTRY_VERIFY(window.isMaximized());
    QTest::mouseDClick(window.软件名标签, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(!window.isMaximized());
  }

  void toggleHidesAVisibleWindowAndShowsAHiddenOneNormal() {
    MainWindow window;
    window.show();
    window.toggleMainWindow();
    QVERIFY(!window.isVisible());
    window.showMinimized();
    window.hide();
    window.toggleMainWindow();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
  }

  void theTreeShowsCategoriesExpandedAndPlansChecked() {
    MainWindow window;
    QTreeWidget& tree = *window.栏目框;
    zorvqi::ui::showPlanTree(tree, twoCategories());
    QCOMPARE(tree.topLevelItemCount(), 2);
    const QTreeWidgetItem& forum = *tree.topLevelItem(0);
    QCOMPARE(forum.text(0), QStringLiteral("论坛"));
    QCOMPARE(zorvqi::ui::planTreeValue(forum), -11);
    QVERIFY(forum.isExpanded() && tree.topLevelItem(1)->isExpanded());
    QCOMPARE(forum.child(0)->text(0), QStringLiteral("甲 [1]"));
    QCOMPARE(forum.child(0)->checkState(0), Qt::Checked);
    QCOMPARE(forum.child(1)->checkState(0), Qt::Unchecked);
    QCOMPARE(zorvqi::ui::planTreeValue(*tree.topLevelItem(1)->child(0)), 5);
    // A rebuild replaces what was there.
    zorvqi::ui::showPlanTree(tree, zorvqi::PlanTree{});
    QCOMPARE(tree.topLevelItemCount(), 0);
  }

  // A check change reaches the node and everything under it, never its parent.
  void aCheckChangeReachesAllDescendants() {
    MainWindow window;
    QTreeWidget& tree = *window.栏目框;
    zorvqi::ui::showPlanTree(tree, twoCategories());
    zorvqi::ui::TreeWidgetPlanSelection selection(tree);
    using Nodes = std::vector<std::pair<int, bool>>;
    QCOMPARE(nodesOf(selection), (Nodes{{1, true}, {2, false}, {5, false}}));

    tree.topLevelItem(0)->setCheckState(0, Qt::Checked);
    QCOMPARE(nodesOf(selection), (Nodes{{1, true}, {2, true}, {5, false}}));
    tree.topLevelItem(0)->child(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(tree.topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(nodesOf(selection), (Nodes{{1, false}, {2, true}, {5, false}}));
    tree.topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(nodesOf(selection), (Nodes{{1, false}, {2, false}, {5, false}}));
    QTRY_COMPARE(selection.checkedPlanCount(), 0);
    tree.topLevelItem(1)->setCheckState(0, Qt::Checked);
    QTRY_COMPARE(selection.checkedPlanCount(), 1);
  }

  // A round's thread reads the tree through the UI thread while the UI thread keeps working.
  void theSelectionAnswersAnotherThread() {
    MainWindow window;
    zorvqi::ui::showPlanTree(*window.栏目框, twoCategories());
    zorvqi::ui::TreeWidgetPlanSelection selection(*window.栏目框);
    std::vector<std::pair<int, bool>> seen;
    std::atomic<bool> done{false};
    std::thread round([&] {
      seen = nodesOf(selection);
      done = true;
    });
    zorvqi::threadPump().waitUntil([&] { return done.load(); },
                                   zorvqi::SteadyClock::now() + std::chrono::seconds(10));
    round.join();
    QCOMPARE(seen, (std::vector<std::pair<int, bool>>{{1, true}, {2, false}, {5, false}}));
    QTRY_COMPARE(selection.checkedPlanCount(), 1);
  }

  void aSelectionWithoutItsTreeGivesNoPlans() {
    auto window = std::make_unique<MainWindow>();
    zorvqi::ui::showPlanTree(*window->栏目框, twoCategories());
    zorvqi::ui::TreeWidgetPlanSelection selection(*window->栏目框);
    window.reset();
    QVERIFY(selection.planNodes().empty());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
