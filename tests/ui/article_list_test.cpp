// The article list of the main window on a real store: pages, filters, search, row commands.
#include <QClipboard>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QFontInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "main_window_fixture.h"
#include "text/url_encode.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/show_in_browser_box.h"

using zorvqi::gbkToUtf8;
using zorvqi::utf8ToGbk;
using zorvqi::testing::MainWindowFixture;

namespace {

// 250 articles, ids 1 to 250, of two plans; a few with 'abc' in the title, one with a quote,
// one favourite (7) and one key article (8).
const char* const kStoredArticles =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
    "INSERT INTO info (id, planname, planid, title, url, other, addtime, issoucang) "
    "SELECT i, CASE i % 2 WHEN 1 THEN '论坛' ELSE '新闻' END, 1 + i % 2, '标题' || i, 'http://x/' || i, "
    "'编号' || i, '5/3 9:07', '0' FROM n;"
    "UPDATE info SET title = 'xabcx' || id WHERE id IN (40, 120, 240);"
    "UPDATE info SET title = 'it''s', url = 'http://x/it''s' WHERE id = 3;"
    "UPDATE info SET issoucang = '1' WHERE id = 7;"
    "UPDATE info SET issoucang = '2' WHERE id = 8;";

zorvqi::ArticleRow roundRow(const std::string& url) {
  zorvqi::ArticleRow row;
  row.cells[2] = utf8ToGbk("论坛  新的  ");
  row.cells[3] = url;
  row.cells[4] = "5/3 9:07";
  return row;
}

zorvqi::ArticleRow liveRow() {
  zorvqi::ArticleRow row;
  row.cells[0] = "-1";
  row.cells[1] = utf8ToGbk("论坛");
  row.cells[2] = utf8ToGbk("实时  ");
  row.cells[3] = "http://x/live";
  row.cells[4] = "5/3 9:07";
  return row;
}

// Catches what QDesktopServices hands to the default browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class ArticleListTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowFixture> f_;
  zorvqi::FixedClock clock_{zorvqi::LocalTime{2020, 5, 3, 9, 7, 5}};

  QTableView& list() { return *f_->window.文章列表框; }
  std::vector<std::string> ids() {
    std::vector<std::string> result;
    for (int r = 0; r < f_->articles().rowCount(); ++r) result.push_back(f_->cell(r, 0));
    return result;
  }
  QPoint rowPoint(int row, int x) {
    return QPoint(x, list().visualRect(f_->articles().index(row, 2)).center().y());
  }
  void selectRows(std::initializer_list<int> rows) {
    list().clearSelection();
    for (int row : rows) {
      list().selectionModel()->select(f_->articles().index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    list().selectionModel()->setCurrentIndex(f_->articles().index(*rows.begin(), 2),
                                             QItemSelectionModel::NoUpdate);
  }
  // A user's double-click: its first press selects the row.
  void doubleClickRow(int row, int x) {
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowPoint(row, x));
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, rowPoint(row, x));
  }
  int findRow(const std::string& id) {
    for (int r = 0; r < f_->articles().rowCount(); ++r)
      if (f_->cell(r, 0) == id) return r;
    return -1;
  }

 private slots:
  void init() {
    zorvqi::setCurrentClock(&clock_);
    f_ = std::make_unique<MainWindowFixture>(kStoredArticles);
    list().setGeometry(0, 0, 700, 420);
  }
  void cleanup() {
    f_.reset();
    zorvqi::setCurrentClock(nullptr);
  }

  void startsEmptyWithTheSevenColumns() {
    QCOMPARE(f_->articles().rowCount(), 0);
    QCOMPARE(f_->pages().currentPage(), 0);
    QVERIFY(f_->pages().articleFilter().empty());
    const QStringList captions = {"ID", "站点", "　信息标题", "链接", "时间", "状态", "备用94"};
    const bool shown[] = {true, false, true, false, true, false, false};
    for (int c = 0; c < 7; ++c) {
      QCOMPARE(f_->articles().headerData(c, Qt::Horizontal).toString(), captions[c]);
      QCOMPARE(list().isColumnHidden(c), !shown[c]);
    }
    QCOMPARE(list().columnWidth(0), 2);
    QCOMPARE(list().verticalHeader()->defaultSectionSize(), 30);
  }

  void theTimeFitsAndTheTitleTakesTheRest_data() {
    QTest::addColumn<int>("listWidth");
    QTest::newRow("design width") << 700;
    QTest::newRow("narrow window") << 380;
    QTest::newRow("wide window") << 1500;
  }

  void theTimeFitsAndTheTitleTakesTheRest() {
    QFETCH(int, listWidth);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(13);
    QVERIFY2(QFontInfo(font).family().contains(QStringLiteral("WenQuanYi")), "fonts-wqy-microhei is missing");
    list().setFont(font);
    f_->window.全部文章按钮->click();
    zorvqi::ArticleRow longTime = roundRow("http://x/long");
    longTime.cells[2] = utf8ToGbk(std::string(200, 'W'));
    longTime.cells[4] = "12/11 10:23";
    f_->articles().insertAtTop(longTime);
    f_->articles().insertAtTop(roundRow("http://x/round"));
    f_->articles().markTopRowAtRoundEnd();
    list().resize(listWidth, 420);
    QCoreApplication::processEvents();
    const QFontMetrics metrics(font);
    // The text with the cell's margins on both sides, and the round-end image before its time.
    QVERIFY(list().columnWidth(4) >= metrics.horizontalAdvance(QStringLiteral("12/11 10:23")) + 6);
    QVERIFY(list().columnWidth(4) >= 16 + metrics.horizontalAdvance(QStringLiteral("09:07")) + 6);
    QCOMPARE(list().columnWidth(0) + list().columnWidth(2) + list().columnWidth(4),
             list().viewport()->width());
    QVERIFY(list().columnWidth(2) > 0);
    QCOMPARE(list().horizontalScrollBar()->maximum(), 0);
  }

  void pagesAHundredStoredArticlesNewestFirst() {
    f_->window.全部文章按钮->click();
    QCOMPARE(f_->articles().rowCount(), 100);
    QCOMPARE(f_->cell(0, 0), std::string("250"));
    QCOMPARE(f_->cell(99, 0), std::string("151"));
    QCOMPARE(f_->cell(1, 2), std::string("论坛  标题249  编号249"));
    QCOMPARE(f_->cell(1, 1), std::string());
    QCOMPARE(f_->cell(1, 3), std::string("http://x/249"));
    QCOMPARE(f_->cell(1, 4), std::string("5/3 9:07"));
    QCOMPARE(f_->cell(1, 5), std::string("0"));
    QCOMPARE(f_->status(), QStringLiteral("已刷新列表"));

    f_->pages().nextPage();
    QCOMPARE(f_->cell(0, 0), std::string("150"));
    f_->pages().nextPage();
    QCOMPARE(f_->articles().rowCount(), 50);
    QCOMPARE(f_->cell(49, 0), std::string("1"));
    f_->pages().nextPage();
    QCOMPARE(f_->articles().rowCount(), 0);
    QCOMPARE(f_->pages().currentPage(), 4);
    QCOMPARE(f_->status(),
             QStringLiteral("已经下翻1页！当前页码：4，若列表为空，表示当前页码超出可用页数！"));
    QVERIFY(!list().isHidden());

    f_->pages().previousPage();
    QCOMPARE(f_->pages().currentPage(), 3);
    QCOMPARE(f_->articles().rowCount(), 50);
    QCOMPARE(f_->status(), QStringLiteral("已经上翻1页！当前页码：3"));
  }

  void previousPageOnPageOneOnlySaysSo() {
    f_->window.全部文章按钮->click();
    f_->articles().insertAtTop(roundRow("http://x/new"));  // a load would drop this row
    f_->pages().previousPage();
    QCOMPARE(f_->status(), QStringLiteral("已经是第 1 页！"));
    QCOMPARE(f_->pages().currentPage(), 1);
    QCOMPARE(f_->articles().rowCount(), 101);
  }

  void previousPageBeforeAnyLoadCannotPage() {
    f_->pages().previousPage();
    QCOMPARE(f_->pages().currentPage(), -1);
    QVERIFY(f_->status().contains(QStringLiteral("当前状态不可翻页 - 2020-5-3 9:7:5")));
    f_->window.收藏按钮->click();
    QCOMPARE(f_->pages().currentPage(), 1);
  }

  void pagingAfterALiveFetchLeavesTheListEmpty() {
    f_->window.全部文章按钮->click();
    f_->pages().beginLiveRows();
    f_->controllers->view().appendArticle(liveRow());
    QSignalSpy statusChanges(f_->window.状态框, &QPlainTextEdit::textChanged);
    QStringList seen;
    connect(f_->window.状态框, &QPlainTextEdit::textChanged, this,
            [&] { seen.append(f_->window.状态框->toPlainText()); });
    f_->pages().nextPage();
    QCOMPARE(f_->pages().currentPage(), 2);
    QCOMPARE(f_->articles().rowCount(), 0);
    QVERIFY(!list().isHidden());
    QVERIFY(std::any_of(seen.begin(), seen.end(), [](const QString& s) {
      return s.endsWith(QStringLiteral("当前状态不可翻页 - 2020-5-3 9:7:5"));
    }));
    QCOMPARE(f_->status(),
             QStringLiteral("已经下翻1页！当前页码：2，若列表为空，表示当前页码超出可用页数！"));
  }

  void theListIsHiddenWhileItIsRefilled() {
    f_->window.迷你首页->setChecked(true);
    QList<bool> hiddenWhileFilled;
    connect(&f_->articles(), &QAbstractItemModel::rowsInserted, this,
            [&] { hiddenWhileFilled.append(list().isHidden()); });
    f_->window.收藏按钮->click();
    QCOMPARE(hiddenWhileFilled, QList<bool>{true});
    QVERIFY(!list().isHidden());
    QVERIFY(!f_->window.迷你首页->isChecked());
    QVERIFY(f_->journal->lines().empty());  // releasing the button does not touch the browser box
  }

  void favouritesViewListsOnlyFavourites() {
    f_->window.收藏按钮->click();
    QCOMPARE(ids(), std::vector<std::string>{"7"});
    QVERIFY(!f_->articles().data(f_->articles().index(0, 2), Qt::DecorationRole).isNull());
    QVERIFY(f_->articles().data(f_->articles().index(0, 1), Qt::DecorationRole).isNull());
  }

  void planFilterShowsOnePlansArticles() {
    f_->pages().showPlanArticles(2);
    QCOMPARE(f_->pages().articleFilter(), std::string("planid=\"2\""));
    QCOMPARE(f_->articles().rowCount(), 100);
    QCOMPARE(f_->cell(0, 0), std::string("249"));
    QCOMPARE(f_->cell(99, 0), std::string("51"));
  }

  void searchBoxSearchesTitles_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expectedIds");
    QTest::addColumn<QString>("expectedFilter");
    QTest::newRow("empty box does nothing") << QString() << QStringList() << QString();
    QTest::newRow("abc, newest first")
        << QStringLiteral("abc") << QStringList{"240", "120", "40"} << QStringLiteral("title like '%abc%'");
    QTest::newRow("a quote is searched for")
        << QStringLiteral("it's") << QStringList{"3"} << QStringLiteral("title like '%it''s%'");
    QTest::newRow("nothing found") << QStringLiteral("无此") << QStringList()
                                   << QStringLiteral("title like '%无此%'");
  }

  void searchBoxSearchesTitles() {
    QFETCH(QString, typed);
    QFETCH(QStringList, expectedIds);
    QFETCH(QString, expectedFilter);
    f_->window.搜索框->setText(typed);
    QTest::keyClick(f_->window.搜索框, Qt::Key_A);  // other keys only edit
    QCOMPARE(f_->articles().rowCount(), 0);
    f_->window.搜索框->setText(typed);
    QTest::keyClick(f_->window.搜索框, Qt::Key_Return);
    QCOMPARE(zorvqi::ui::toQString(f_->pages().articleFilter()), expectedFilter);
    QStringList shown;
    for (const std::string& id : ids()) shown.append(QString::fromStdString(id));
    QCOMPARE(shown, expectedIds);
    if (!typed.isEmpty()) QCOMPARE(f_->pages().currentPage(), 1);
  }

  void searchBoxHintComesAndGoes() {
    QLineEdit& box = *f_->window.搜索框;
    QCOMPARE(box.text(), QStringLiteral("输入关键词，回车搜索"));
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&box, &in);
    QCOMPARE(box.text(), QString());
    QCOMPARE(f_->status(),
             QStringLiteral("输入关键词，按 Enter键 回车，将显示历史文章中的相关文章，双击可清空"));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&box, &out);
    QCOMPARE(box.text(), QStringLiteral("输入关键词，回车搜索"));
    // Enter on the hint searches for the hint text itself.
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(zorvqi::ui::toQString(f_->pages().articleFilter()),
             QStringLiteral("title like '%输入关键词，回车搜索%'"));
    box.setText(QStringLiteral("abc"));
    QApplication::sendEvent(&box, &in);
    QCOMPARE(box.text(), QStringLiteral("abc"));  // only the hint is emptied on focus
    QTest::mouseDClick(&box, Qt::LeftButton);
    QCOMPARE(box.text(), QString());
  }

  void headerLabelDoubleClickReloadsOrClears() {
    QLabel& label = *f_->window.挡表头的透明标签;
    label.setGeometry(0, 0, 600, 24);
    f_->window.收藏按钮->click();
    f_->window.状态框->clear();
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(351, 10));
    QCOMPARE(f_->articles().rowCount(), 0);
    QCOMPARE(f_->pages().articleFilter(), std::string("issoucang=1"));
    QCOMPARE(f_->status(),
             QStringLiteral("\n双击左边可重新载入全部文章 ---- 双击右边清空列表       - 2020-5-3 9:7:5"));

    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(350, 10));
    QCOMPARE(f_->pages().articleFilter(), std::string("1"));
    QCOMPARE(f_->articles().rowCount(), 100);
    QCOMPARE(f_->status(),
             QStringLiteral(
                 "已刷新列表\n双击左边可重新载入全部文章 ---- 双击右边清空列表       - 2020-5-3 9:7:5"));
  }

  void rowClickWritesTheRawSummaryLine() {
    f_->window.全部文章按钮->click();
    f_->articles().insertAtTop(zorvqi::ArticleRow{});  // a row without a title says nothing
    f_->window.状态框->setPlainText(QStringLiteral("前"));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowPoint(0, 100));
    QCOMPARE(f_->status(), QStringLiteral("前"));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowPoint(1, 100));
    QCOMPARE(f_->status(),
             QStringLiteral("前\nNO.250 [] 新闻  标题250  编号250（http://x/250）----5/3 9:07；状态：0"));
  }

  void doubleClickOpensOutsideOrInTheBrowserBox() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    f_->window.全部文章按钮->click();
    doubleClickRow(2, 150);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://x/248"))});
    QVERIFY(f_->journal->lines().empty());

    doubleClickRow(3, 250);
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(f_->journal->lines(), std::vector<std::string>{"wkeLoadURL http://x/247"});

    list().clearSelection();
    f_->journal->reset();
    f_->controllers->rowActions().doubleClickedAt(250);  // nothing selected, nothing opened
    QVERIFY(f_->journal->lines().empty());
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  }

  void doubleClickOpensNoScriptOrLocalFile_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("x");
    QTest::newRow("javascript in the box") << "javascript:alert(document.cookie)" << 250;
    QTest::newRow("javascript outside") << "javascript:alert(document.cookie)" << 150;
    QTest::newRow("file in the box") << "file:///etc/passwd" << 250;
    QTest::newRow("file outside") << "file:///etc/passwd" << 150;
  }

  void doubleClickOpensNoScriptOrLocalFile() {
    QFETCH(QString, address);
    QFETCH(int, x);
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "file", "javascript"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    f_->articles().insertAtTop(roundRow(address.toStdString()));
    f_->window.状态框->clear();
    doubleClickRow(0, x);
    QVERIFY(f_->journal->lines().empty());
    QVERIFY(catcher.opened.isEmpty());
    for (const char* scheme : {"http", "https", "file", "javascript"})
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    // The row click's summary line comes first, then the refusal.
    const QStringList lines = f_->status().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[2].startsWith(QStringLiteral("只能打开 http/https 地址：") + address + " - "),
             qPrintable(lines[2]));
  }

  void miniHomeButtonSwitchesTheBox() {
    QToolButton& button = *f_->window.迷你首页;
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isChecked());
    const std::vector<std::string> lines = f_->journal->lines();
    QCOMPARE(lines.size(), std::size_t{2});
    QCOMPARE(lines[0], "wkeLoadURL " + zorvqi::ui::miniHomePage(zorvqi::testing::kServiceBase, true));
    QCOMPARE(lines[1], "wkeLoadHTML " + gbkToUtf8(zorvqi::ui::placeholderPageHtml()));
    // Loading the articles releases the button and leaves the box alone.
    QTest::mouseClick(&button, Qt::LeftButton);
    f_->journal->reset();
    f_->window.全部文章按钮->click();
    QVERIFY(!button.isChecked());
    QVERIFY(f_->journal->lines().empty());
  }

  void favouriteToggle_data() {
    QTest::addColumn<QString>("source");  // "live", "round" or a stored id
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("changedId");
    QTest::addColumn<QString>("markAfter");
    QTest::newRow("live row refused")
        << "live"
        << "加入到收藏夹"
        << "失败！仅可收藏监控到的文章（当前为实时抓取的文章未入库，不能被收藏）！" << 9 << "0";
    QTest::newRow("round row by address") << "round"
                                          << "加入到收藏夹"
                                          << "文章收藏成功！" << 9 << "1";
    QTest::newRow("round row whose address holds a quote") << "round'"
                                                           << "加入到收藏夹"
                                                           << "文章收藏成功！" << 3 << "1";
    QTest::newRow("stored normal row") << "9"
                                       << "加入到收藏夹"
                                       << "文章收藏成功！" << 9 << "1";
    QTest::newRow("stored favourite") << "7"
                                      << "移出收藏夹"
                                      << "已移出收藏夹！ 刷新收藏夹可见效果" << 7 << "0";
    QTest::newRow("stored key article") << "8"
                                        << "移出收藏夹"
                                        << "已移出收藏夹！ 刷新收藏夹可见效果" << 8 << "0";
  }

  void favouriteToggle() {
    QFETCH(QString, source);
    QFETCH(QString, caption);
    QFETCH(QString, status);
    QFETCH(int, changedId);
    QFETCH(QString, markAfter);
    f_->window.全部文章按钮->click();
    f_->pages().nextPage();
    f_->pages().nextPage();  // page 3: ids 50 down to 1
    int row = 0;
    if (source == "live") {
      f_->articles().insertAtTop(liveRow());
    } else if (source.startsWith("round")) {
      f_->articles().insertAtTop(roundRow(source == "round" ? "http://x/9" : "http://x/it's"));
    } else {
      row = findRow(source.toStdString());
      QVERIFY(row >= 0);
      QCOMPARE(f_->articles().data(f_->articles().index(row, 2), Qt::DecorationRole).isNull(), source == "9");
    }
    selectRows({row});
    auto& actions = f_->controllers->rowActions();
    actions.popUpMenu(rowPoint(row, 100));
    QVERIFY(actions.menu().favourite()->isEnabled());
    QCOMPARE(actions.menu().favourite()->text(), caption);
    actions.menu().menu().close();
    actions.menu().favourite()->trigger();
    QCOMPARE(f_->status(), status);
    QCOMPARE(QString::fromStdString(f_->storedMark(changedId)), markAfter);
    f_->window.收藏按钮->click();  // key articles never show among favourites
    QVERIFY(findRow("8") < 0);
  }

  void favouriteMenuItemIsDisabledWithoutASelectedRow() {
    f_->window.全部文章按钮->click();
    list().clearSelection();
    auto& actions = f_->controllers->rowActions();
    actions.popUpMenu(QPoint(10, 10));
    QVERIFY(!actions.menu().favourite()->isEnabled());
    QCOMPARE(actions.menu().menu().objectName(), QStringLiteral("文章菜单"));
    QStringList names;
    for (QAction* a : actions.menu().menu().actions()) names.append(a->isSeparator() ? "-" : a->objectName());
    QCOMPARE(names, (QStringList{"加入收藏", "导出已选行", "生成二维码", "-", "上一页", "下一页"}));
    actions.menu().menu().close();
    actions.menu().nextPage()->trigger();
    QCOMPARE(f_->pages().currentPage(), 2);
  }

  void exportCopiesTheSelectedRowsInListOrder() {
    f_->window.全部文章按钮->click();
    f_->window.状态框->clear();
    selectRows({4, 0, 2});
    f_->controllers->rowActions().menu().exportRows()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("http://x/250\t新闻  标题250  编号250\t\t5/3 9:07\r\n"
                            "http://x/248\t新闻  标题248  编号248\t\t5/3 9:07\r\n"
                            "http://x/246\t新闻  标题246  编号246\t\t5/3 9:07\r\n"));
    QCOMPARE(f_->status(),
             QStringLiteral(
                 "\n\n复制成功！共 3 行信息。粘贴到任意处可查看复制的信息内容（按住Ctrl或Shift可选择多行） - "
                 "2020-5-3 9:7:5"));
    list().clearSelection();
    f_->controllers->rowActions().exportSelectedRows();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QVERIFY(f_->status().contains(QStringLiteral("共 0 行信息")));
  }

  void qrCodeShowsTheCompanionPageOfTheEncodedAddress() {
    auto& actions = f_->controllers->rowActions();
    actions.showQrCode();
    QVERIFY(f_->status().endsWith(QStringLiteral("\n请先选择行才可生成二维码 - 2020-5-3 9:7:5")));
    QVERIFY(f_->journal->lines().empty());

    f_->articles().insertAtTop(roundRow(utf8ToGbk("http://x/a b/中")));
    selectRows({0});
    actions.menu().qrCode()->trigger();
    QCOMPARE(f_->journal->lines(),
             std::vector<std::string>{std::string("wkeLoadURL ") + zorvqi::testing::kServiceBase +
                                      "/zt/soft/qr.php?value=http%3A%2F%2Fx%2Fa%20b%2F%E4%B8%AD"});
  }
};

QTEST_MAIN(ArticleListTest)
#include "article_list_test.moc"
