// The monitor on the main window: its view from worker threads, and rounds against the demo
// site started with 一键提取 and 运行 while the UI thread keeps running events.
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "demo_site.h"
#include "main_window_fixture.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/load_plans.h"
#include "store/settings_file.h"
#include "text/now_text.h"
#include "ui/main/plan_tree_view.h"
#include "ui/qtsupport/ui_thread.h"

using namespace std::chrono_literals;
using zorvqi::utf8ToGbk;
using zorvqi::testing::MainWindowFixture;

namespace {

zorvqi::ArticleRow titled(const char* title, const char* time = "5/3 9:07") {
  zorvqi::ArticleRow row;
  row.cells[2] = utf8ToGbk(title);
  row.cells[4] = time;
  return row;
}

// Runs `work` on a thread of its own while the UI thread waits for it with its pump.
bool runOnWorker(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done.store(true);
    zorvqi::wakeAllWaits();
  });
  const bool finished =
      zorvqi::threadPump().waitUntil([&] { return done.load(); }, zorvqi::SteadyClock::now() + 10s) ==
      zorvqi::WaitResult::Satisfied;
  worker.join();
  return finished;
}

}  // namespace

class WindowMonitorViewTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;
  zorvqi::FixedClock clock_{zorvqi::LocalTime{2020, 5, 3, 9, 7, 5}};
  std::unique_ptr<MainWindowFixture> f_;

  zorvqi::ui::WindowMonitorView& view() { return f_->controllers->view(); }

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }
  void init() {
    zorvqi::setCurrentClock(&clock_);
    zorvqi::publishReminderSettings({});
    zorvqi::roundAccumulators().takeAndReset();
    f_ = std::make_unique<MainWindowFixture>("");
  }
  void cleanup() {
    f_.reset();
    zorvqi::resetReminderPending();
    zorvqi::setCurrentClock(nullptr);
  }

  void statusLinesFromAWorkerLandInOrder() {
    f_->window.状态框->setPlainText(QStringLiteral("欢迎"));
    QVERIFY(runOnWorker([&] {
      view().appendRawStatus(utf8ToGbk("\r\n开始提取"));
      view().appendRawStatus(utf8ToGbk("、匹配文章"));
      view().appendStatus(utf8ToGbk("本轮执行完毕！"));
    }));
    QCOMPARE(f_->status(), QStringLiteral("欢迎\n开始提取、匹配文章\n本轮执行完毕！ - 2020-5-3 9:7:5"));
    QVERIFY(runOnWorker([&] { view().setStatus(""); }));
    QCOMPARE(f_->status(), QString());
    view().setStatus(utf8ToGbk("单位：秒。 "));  // on the UI thread itself it acts at once
    QCOMPARE(f_->status(), QStringLiteral("单位：秒。 "));
  }

  void aWorkersCallReturnsOnceTheChangeIsMade() {
    std::atomic<int> rowsSeen{0};
    connect(&f_->articles(), &QAbstractItemModel::rowsInserted, this, [&] { ++rowsSeen; });
    std::vector<int> seenAfterEachCall;
    QVERIFY(runOnWorker([&] {
      for (int i = 0; i < 3; ++i) {
        view().insertArticleAtTop(titled("甲"));
        seenAfterEachCall.push_back(rowsSeen.load());
      }
    }));
    QCOMPARE(seenAfterEachCall, (std::vector<int>{1, 2, 3}));
  }

  void listRowsAreInsertedAppendedMarkedTrimmedAndCleared() {
    QVERIFY(runOnWorker([&] {
      view().appendArticle(titled("旧"));
      view().insertArticleAtTop(titled("乙"));
      view().insertArticleAtTop(titled("甲", "12/25 10:07"));
      view().markTopRowAtRoundEnd();
    }));
    auto& rows = f_->articles();
    QCOMPARE(rows.rowCount(), 3);
    QCOMPARE(f_->cell(0, 2), std::string("甲"));
    QCOMPARE(f_->cell(1, 2), std::string("乙"));
    QCOMPARE(f_->cell(2, 2), std::string("旧"));
    QCOMPARE(f_->cell(0, 4), std::string("10:07"));
    QVERIFY(rows.hasRoundEndImage(0));
    QVERIFY(!rows.data(rows.index(0, 4), Qt::DecorationRole).isNull());
    QVERIFY(!rows.hasRoundEndImage(1));
    QCOMPARE(f_->cell(1, 4), std::string("5/3 9:07"));

    QVERIFY(runOnWorker([&] { view().trimArticles(2); }));
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(f_->cell(1, 2), std::string("乙"));  // the oldest, at the bottom, went
    QVERIFY(runOnWorker([&] { view().clearArticles(); }));
    QCOMPARE(rows.rowCount(), 0);
    QVERIFY(runOnWorker([&] { view().markTopRowAtRoundEnd(); }));  // no row: nothing to mark
  }

  void storedRowsAreCountedForTheirDayOnly() {
    QCOMPARE(f_->tally.lastRoundTime(), std::string());
    view().insertArticleAtTop(titled("a"));
    view().insertArticleAtTop(titled("b"));
    view().appendArticle(titled("a page load's row"));
    QCOMPARE(f_->tally.storedOn(clock_.now()), std::int64_t{2});
    const zorvqi::LocalTime yesterday = clock_.now();
    zorvqi::LocalTime nextDay = yesterday;
    nextDay.day += 1;
    nextDay.hour = 0;
    nextDay.minute = 0;
    QCOMPARE(f_->tally.storedOn(nextDay), std::int64_t{0});  // midnight passed: none yet today
    clock_.set(nextDay);
    view().insertArticleAtTop(titled("c"));
    QCOMPARE(f_->tally.storedOn(nextDay), std::int64_t{1});
    QCOMPARE(f_->tally.storedOn(yesterday), std::int64_t{0});
    clock_.set(yesterday);
  }

  void theListTrimsThreeHundredRowsToTwoHundredEighty() {
    for (int i = 0; i < 300; ++i) f_->articles().append(titled(i < 280 ? "留" : "去"));
    QVERIFY(runOnWorker([&] { view().trimArticles(280); }));
    QCOMPARE(f_->articles().rowCount(), 280);
    QCOMPARE(f_->cell(279, 2), std::string("留"));
  }

  void aCancelledWorkerChangesNothing() {
    f_->window.状态框->setPlainText(QStringLiteral("前"));
    int popupRows = 0;
    view().setReminderHooks(
        {.addPopupRow = [&](const std::string&, const std::string&, bool) { ++popupRows; }});
    zorvqi::CancelFlag flag;
    flag.cancel();
    QVERIFY(runOnWorker([&] {
      zorvqi::ScopedThreadCancelFlag scope(&flag);
      view().appendStatus("x");
      view().setStatus("y");
      view().insertArticleAtTop(titled("甲"));
      view().addPopupRow("t", "u", false);
    }));
    QCOMPARE(f_->status(), QStringLiteral("前"));
    QCOMPARE(f_->articles().rowCount(), 0);
    QCOMPARE(popupRows, 0);
  }

  void reminderCallsReachTheirHooksOnTheUiThread() {
    QStringList calls;
    const auto record = [&](const QString& name) {
      calls.append(name + (zorvqi::ui::onUiThread() ? "@ui" : "@worker"));
    };
    QVERIFY(runOnWorker([&] {  // without hooks nothing happens
      view().ensurePopupWindow();
      view().showNewArticleTray();
    }));
    view().setReminderHooks({
        .ensurePopupWindow = [&] { record("popup-window"); },
        .addPopupRow = [&](const std::string& t, const std::string& a,
                           bool key) { record(QString::fromStdString(t + "|" + a + (key ? "|key" : ""))); },
        .startPopupAutoClear = [&] { record("auto-clear"); },
        .showNewArticleTray = [&] { record("tray"); },
        .playReminderSound = [&] { record("sound"); },
    });
    QVERIFY(runOnWorker([&] {
      view().ensurePopupWindow();
      view().addPopupRow("t", "http://x/1", true);
      view().startPopupAutoClear();
      view().showNewArticleTray();
      view().playReminderSound();
    }));
    QCOMPARE(calls,
             (QStringList{"popup-window@ui", "t|http://x/1|key@ui", "auto-clear@ui", "tray@ui", "sound@ui"}));
  }
};

// Rounds on the demo site's forum: three articles on its list page.
class WindowMonitorRoundTest : public QObject {
  Q_OBJECT

 private:
  zorvqi::ui::UiEventPump pump_;
  zorvqi::FixedClock clock_{zorvqi::LocalTime{2020, 5, 3, 9, 7, 5}};
  std::unique_ptr<zorvqi::demo::DemoSite> site_;
  std::unique_ptr<MainWindowFixture> f_;
  QTreeWidgetItem* planNode_ = nullptr;
  int trayCalls_ = 0;

  bool statusHas(const QString& text) const { return f_->status().contains(text); }
  bool waitForStatus(const QString& text) {
    return zorvqi::threadPump().waitUntil([&] { return statusHas(text); },
                                          zorvqi::SteadyClock::now() + 30s) == zorvqi::WaitResult::Satisfied;
  }

 private slots:
  void initTestCase() { zorvqi::setThreadPump(&pump_); }
  void cleanupTestCase() { zorvqi::setThreadPump(nullptr); }
  void init() {
    zorvqi::setCurrentClock(&clock_);
    zorvqi::publishReminderSettings({});
    zorvqi::roundAccumulators().takeAndReset();
    site_ = std::make_unique<zorvqi::demo::DemoSite>(zorvqi::demo::DemoSiteOptions{0, 3, 0s, 100ms});
    QVERIFY(site_->start());
    const std::string base = site_->baseUrl();
    f_ = std::make_unique<MainWindowFixture>(
        "INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, before, after, tindex, uindex, "
        "oindex, "
        "isdo, type) VALUES (1, 1, '1', '论坛', '" +
        base + "/forum/list.php', 'User-Agent: t', '" + base +
        "[1]', '<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', '<ul id=\"list\">', '</ul>', 2, 3, "
        "'编号[3]', 1, 8);");
    const zorvqi::SettingsFile settings(f_->file("zorvqi.ini"));
    QVERIFY(settings.write(zorvqi::kConfigSection, utf8ToGbk("类别"), utf8ToGbk("<演示>")));
    zorvqi::PlanLoad load = zorvqi::loadPlans(f_->database, settings, f_->dialogs);
    QVERIFY(load.status == zorvqi::PlanLoadStatus::Loaded);
    zorvqi::replacePlanTable(load.table);
    zorvqi::ui::showPlanTree(*f_->window.栏目框, load.tree);
    planNode_ = f_->window.栏目框->topLevelItem(0)->child(0);
    QCOMPARE(planNode_->checkState(0), Qt::Checked);
    trayCalls_ = 0;
    f_->controllers->view().setReminderHooks({.showNewArticleTray = [this] { ++trayCalls_; }});
  }
  void cleanup() {
    f_.reset();
    site_.reset();
    zorvqi::replacePlanTable(nullptr);
    zorvqi::resetReminderPending();
    zorvqi::setCurrentClock(nullptr);
  }

  void fetchAllPutsNewRowsOnTopWhileTheWindowKeepsWorking() {
    f_->articles().append(titled("旧行"));
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(5);
    QTest::mouseClick(f_->window.一键提取, Qt::LeftButton);
    QVERIFY(waitForStatus(QStringLiteral("发现有新文章！")));  // the round-end reminder's last line
    ticker.stop();
    QVERIFY(statusHas(QStringLiteral("本轮执行完毕！有新文章：真")));
    QVERIFY2(ticks > 3, "the UI thread ran no events during the round");

    QVERIFY(statusHas(QStringLiteral("开始提取 方案1 的新文章 ---- 5/3 9:07")));
    QVERIFY(statusHas(QStringLiteral("、匹配文章 取到 3 篇文章")));
    QVERIFY(statusHas(QStringLiteral("任务1执行结束（1），新文章数：3----5/3 9:07")));
    QCOMPARE(f_->articles().rowCount(), 4);
    const long long newest = site_->newestId();
    QVERIFY(QString::fromStdString(f_->cell(0, 2)).startsWith(QStringLiteral("论坛  ")));
    QVERIFY(QString::fromStdString(f_->cell(0, 2)).endsWith(QStringLiteral("编号%1").arg(newest)));
    QVERIFY(QString::fromStdString(f_->cell(2, 2)).endsWith(QStringLiteral("编号%1").arg(newest - 2)));
    QCOMPARE(f_->cell(0, 4), std::string(" 9:07"));
    QVERIFY(f_->articles().hasRoundEndImage(0));
    QCOMPARE(f_->cell(3, 2), std::string("旧行"));
    QCOMPARE(trayCalls_, 1);
    QCOMPARE(f_->window.运行->text(), QStringLiteral("监控勾选"));

    // The news page's account of this run.
    QCOMPARE(f_->tally.storedOn(clock_.now()), std::int64_t{3});
    QCOMPARE(f_->tally.lastRoundTime(), zorvqi::timeText(clock_.now(), zorvqi::TimeForm::Long));

    // The stored rows are what a page load shows afterwards.
    f_->window.全部文章按钮->click();
    QCOMPARE(f_->articles().rowCount(), 3);
  }

  void runButtonStartsAndStopsTheMonitorByItsCaption() {
    f_->window.频率框->setText(QStringLiteral("600"));
    QTest::mouseClick(f_->window.运行, Qt::LeftButton);
    QCOMPARE(f_->window.运行->text(), QStringLiteral("停止监控"));
    QVERIFY(f_->controllers->monitor().running());
    QVERIFY(waitForStatus(QStringLiteral("本轮执行完毕！有新文章：真")));
    QTest::mouseClick(f_->window.运行, Qt::LeftButton);
    QCOMPARE(f_->window.运行->text(), QStringLiteral("监控勾选"));
    QVERIFY(!f_->controllers->monitor().running());
  }

  void destroyingTheWindowMidRoundDoesNotHang() {
    QTest::mouseClick(f_->window.一键提取, Qt::LeftButton);
    QVERIFY(waitForStatus(QStringLiteral("开始提取 方案1")));
    f_.reset();  // the round's thread may be blocked in a call to this thread
  }

  void runWithNoPlanCheckedRefusesAndTheNextClickOnlyResets() {
    planNode_->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(f_->window.运行, Qt::LeftButton);
    QVERIFY(zorvqi::threadPump().waitUntil([&] { return !f_->dialogs.shown().empty(); },
                                           zorvqi::SteadyClock::now() + 10s) ==
            zorvqi::WaitResult::Satisfied);
    QCOMPARE(f_->dialogs.shown()[0].text, utf8ToGbk("请至少勾选一个要监控的网站方案"));
    QCOMPARE(f_->window.运行->text(), QStringLiteral("停止监控"));
    QTest::mouseClick(f_->window.运行, Qt::LeftButton);
    QCOMPARE(f_->window.运行->text(), QStringLiteral("监控勾选"));
    QCOMPARE(f_->dialogs.shown().size(), std::size_t{1});
    QCOMPARE(f_->articles().rowCount(), 0);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = 0;
  {
    WindowMonitorViewTest viewTest;
    status |= QTest::qExec(&viewTest, argc, argv);
  }
  {
    WindowMonitorRoundTest roundTest;
    status |= QTest::qExec(&roundTest, argc, argv);
  }
  return status;
}

#include "window_monitor_view_test.moc"
