// The double-click on a plan node of 栏目框 on the main window: the live rows from a loopback
// list page, the status lines, and what a single click, a category node and a time-out do.
#include <QTest>

#include "base/event_pump.h"
#include "main_window_fixture.h"
#include "store/load_plans.h"
#include "store/settings_file.h"
#include "support/page_server.h"
#include "support/raw_http_recorder.h"
#include "ui/main/live_fetch_handler.h"
#include "ui/main/plan_tree_view.h"
#include "ui/qtsupport/ui_thread.h"

using namespace std::chrono_literals;
using zorvqi::utf8ToGbk;
using zorvqi::testing::MainWindowFixture;

namespace {

std::string listPage(int count) {
  std::string page = "<ul id=\"list\">";
  for (int n = 1; n <= count; ++n) {
    const std::string id = std::to_string(n);
    page += "<li><a href=\"/a/" + id + "\">t" + id + "</a><span>" + id + "</span></li>";
  }
  return page + "</ul>";
}

std::string planRow(const std::string& url) {
  return "INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, before, after, tindex, uindex, "
         "oindex, isdo, type) VALUES (1, 1, '1', '论坛', '" +
         url +
         "', 'User-Agent: t', 'http://site[1]', '<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', "
         "'<ul id=\"list\">', '</ul>', 2, 3, '编号[3]', 0, 8);";
}

}  // namespace

class LiveFetchTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;
  zorvqi::FixedClock clock_{zorvqi::LocalTime{2020, 5, 3, 9, 7, 5}};
  std::unique_ptr<zorvqi::testing::PageServer> server_;
  std::unique_ptr<MainWindowFixture> f_;

  void openWindow(const std::string& url) {
    f_ = std::make_unique<MainWindowFixture>(planRow(url));
    const zorvqi::SettingsFile settings(f_->file("zorvqi.ini"));
    QVERIFY(settings.write(zorvqi::kConfigSection, utf8ToGbk("类别"), utf8ToGbk("<演示>")));
    zorvqi::PlanLoad load = zorvqi::loadPlans(f_->database, settings, f_->dialogs);
    QVERIFY(load.status == zorvqi::PlanLoadStatus::Loaded);
    zorvqi::replacePlanTable(load.table);
    zorvqi::ui::showPlanTree(*f_->window.栏目框, load.tree);
    f_->articles().append(zorvqi::ArticleRow{{"9", "", "old"}});
    f_->window.setStatus("start");
  }
  QTreeWidgetItem* categoryNode() { return f_->window.栏目框->topLevelItem(0); }
  QTreeWidgetItem* planNode() { return categoryNode()->child(0); }
  QPoint centreOf(QTreeWidgetItem* node) { return f_->window.栏目框->visualItemRect(node).center(); }
  // The tree's own double-click signal (the offscreen platform's synthetic double-click does
  // not reach an item view's double-click handling).
  void doubleClick(QTreeWidgetItem* node) { emit f_->window.栏目框->itemDoubleClicked(node, 0); }
  std::string line(const char* utf8) { return "\r\n" + utf8ToGbk(utf8) + " - 2020-5-3 9:7:5"; }

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }
  void init() {
    zorvqi::setCurrentClock(&clock_);
    server_ = std::make_unique<zorvqi::testing::PageServer>();
    server_->serve("/list", listPage(30), "text/html; charset=gbk");
  }
  void cleanup() {
    f_.reset();
    server_.reset();
    zorvqi::replacePlanTable(nullptr);
    zorvqi::setCurrentClock(nullptr);
  }

  void aDoubleClickedPlanShowsItsThirtyArticlesLiveWithoutStoringThem() {
    openWindow(server_->url("/list"));
    f_->window.栏目框->setCurrentItem(planNode());
    doubleClick(planNode());
    QCOMPARE(f_->articles().rowCount(), 30);
    for (int row = 0; row < 30; ++row) {
      const std::string n = std::to_string(row + 1);
      QCOMPARE(f_->cell(row, 0), std::string("-1"));
      QCOMPARE(f_->cell(row, 2), "t" + n + "  编号" + n);
      QCOMPARE(f_->cell(row, 4), std::string("5/3 9:07"));
    }
    const std::string node = zorvqi::ui::fromQString(planNode()->text(0));
    QCOMPARE(f_->window.statusText(),
             "start" + line("正在从网站实时获取新文章..") +
                 utf8ToGbk("\r\n正在 采集源码、取有效源码、匹配文章 取到 30 篇文章") + "\r\n" + node +
                 utf8ToGbk(" 获取 实时文章 结束！ - 2020-5-3 9:7:5"));
    QVERIFY(f_->pages().articleFilter().empty());
    QCOMPARE(f_->database.queryTable("select count(*) from info").rows.at(0).at(0), std::string("0"));
  }

  void aCategoryNodeOrASingleClickChangesNothing() {
    openWindow(server_->url("/list"));
    f_->window.栏目框->setCurrentItem(categoryNode());
    doubleClick(categoryNode());
    QTest::mouseClick(f_->window.栏目框->viewport(), Qt::LeftButton, {}, centreOf(planNode()));
    QCOMPARE(f_->window.栏目框->currentItem(), planNode());
    QTest::qWait(50);
    QCOMPARE(f_->articles().rowCount(), 1);
    QCOMPARE(f_->cell(0, 2), std::string("old"));
    QCOMPARE(f_->window.statusText(), std::string("start"));
    QVERIFY(server_->requests().empty());
  }

  void aLiveRowIsRefusedAsAFavourite() {
    openWindow(server_->url("/list"));
    f_->window.栏目框->setCurrentItem(planNode());
    doubleClick(planNode());
    QCOMPARE(f_->articles().rowCount(), 30);
    f_->window.文章列表框->selectRow(0);
    f_->controllers->rowActions().toggleFavourite();
    QCOMPARE(f_->status(),
             QStringLiteral("失败！仅可收藏监控到的文章（当前为实时抓取的文章未入库，不能被收藏）！"));
  }

  // A handler of its own with a shortened limit, on the window's list and view.
  void aServerThatNeverAnswersEndsInTheTimeOutLineAndNoRows() {
    zorvqi::testing::RawHttpRecorder silent("", zorvqi::testing::RawHttpRecorder::Mode::Silent);
    openWindow(silent.url("/list"));
    QTreeWidget tree;
    zorvqi::ui::showPlanTree(
        tree,
        zorvqi::loadPlans(f_->database, zorvqi::SettingsFile(f_->file("zorvqi.ini")), f_->dialogs).tree);
    tree.setCurrentItem(tree.topLevelItem(0)->child(0));
    zorvqi::ui::LiveFetchHandler handler(tree, f_->pages(), f_->controllers->view(),
                                         [](int id) { return zorvqi::currentPlanTable()->record(id); },
                                         {.limit = 300ms, .abandonGrace = 5s});
    handler.fetchCurrentNode();
    const std::string node = zorvqi::ui::fromQString(tree.topLevelItem(0)->child(0)->text(0));
    QCOMPARE(f_->window.statusText(), "start" + line("正在从网站实时获取新文章..") +
                                          utf8ToGbk("\r\n正在 采集源码") + "\r\n" + node +
                                          utf8ToGbk("超时 - 2020-5-3 9:7:5") + "\r\n" + node +
                                          utf8ToGbk(" 获取 实时文章 结束！ - 2020-5-3 9:7:5"));
    QTest::qWait(100);
    QCOMPARE(f_->articles().rowCount(), 0);
  }
};

QTEST_MAIN(LiveFetchTest)
#include "live_fetch_test.moc"
