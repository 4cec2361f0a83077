// BrowserView, showInBrowserBox and the start-up filter against the stand-in ewe.dll.
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "base/program_dir.h"
#include "ewe/ewe.h"
#include "support/ewe_standin/ewe_standin_fixture.h"
#include "text/charset.h"
#include "ui/browser/browser_menu_filter.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/browser_view.h"
#include "ui/browser/show_in_browser_box.h"
#include "ui/qtsupport/browsable_address.h"

using zorvqi::ui::BrowserMessage;
using zorvqi::ui::BrowserView;
using Lines = std::vector<std::string>;

namespace {

class StatusRecorder : public zorvqi::StatusLines {
 public:
  Lines lines;
  void appendStatus(const std::string& text) override { lines.push_back(zorvqi::gbkToUtf8(text)); }
};

std::string handleText(const void* pointer) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(pointer));
}

// Records the presses it is given, so a test sees whether the filter let one through.
class PressRecorder : public QWidget {
 public:
  using QWidget::QWidget;
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    ++presses;
    event->accept();
  }
};

}  // namespace

class BrowserViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<zorvqi::testing::EweStandinJournal> journal_;
  std::unique_ptr<QWidget> host_;

  Lines journal() const { return journal_->lines(); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    const std::string library = zorvqi::testing::installEweStandin(dir_.path().toStdString());
    journal_ = std::make_unique<zorvqi::testing::EweStandinJournal>(library);
    QVERIFY(journal_->loaded());
  }

  void init() {
    zorvqi::setProgramDir(dir_.path().toStdString());
    journal_->reset();
    host_ = std::make_unique<QWidget>();
    host_->resize(320, 240);
    host_->show();
  }

  void cleanup() { host_.reset(); }

  void createCallsTheLibraryInOrderAndCoversTheHost() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    QVERIFY(view.created());
    const Lines expected = {"wkeCreateWindow " + handleText(host_.get()), "wkeGetFromWindow", "wkeGetWebView",
                            "wkeSetUserData " + handleText(&view), "wkeGetHostWindow"};
    QCOMPARE(journal(), expected);
    QWidget* window = view.viewWindow();
    QVERIFY(window);
    QCOMPARE(window->parentWidget(), host_.get());
    QCOMPARE(window->geometry(), QRect(0, 0, 320, 240));
    QVERIFY(window->isVisible());
  }

  void aSecondCreateReturnsFalseWithoutCalls() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    journal_->reset();
    QWidget other;
    QVERIFY(!view.create(&other));
    QVERIFY(!view.create(host_.get()));
    QCOMPARE(journal(), Lines{});
  }

  void createRefusesANullHost() {
    BrowserView view;
    QVERIFY(!view.create(nullptr));
    QCOMPARE(journal(), Lines{});
    QVERIFY(view.create(host_.get()));
  }

  void createFailsWhenTheLibraryGivesNoView() {
    journal_->refuseViews(true);
    BrowserView view;
    QVERIFY(!view.create(host_.get()));
    QVERIFY(!view.created());
    const Lines expected = {"wkeCreateWindow " + handleText(host_.get()), "wkeGetFromWindow", "wkeGetWebView",
                            "wkeSetUserData " + handleText(&view)};
    QCOMPARE(journal(), expected);
    view.loadUrl("http://127.0.0.1/");
    QCOMPARE(journal().size(), expected.size());

    journal_->refuseViews(false);
    QVERIFY(view.create(host_.get()));
  }

  void createFailsWithoutAUsableLibrary_data() {
    QTest::addColumn<QString>("content");
    QTest::newRow("missing") << QString();
    QTest::newRow("not a shared object") << QStringLiteral("MZ garbage");
    QTest::newRow("shared object without the functions") << QStringLiteral("libz");
  }

  void createFailsWithoutAUsableLibrary() {
    QFETCH(QString, content);
    QTemporaryDir other;
    const std::filesystem::path library = std::filesystem::path(other.path().toStdString()) / "ewe.dll";
    if (content == QStringLiteral("libz")) {
      std::filesystem::copy_file("/lib/x86_64-linux-gnu/libz.so.1", library);
    } else if (!content.isEmpty()) {
      QFile file(QString::fromStdString(library.string()));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content.toUtf8());
    }
    zorvqi::setProgramDir(other.path().toStdString());
    BrowserView view;
    QVERIFY(!view.create(host_.get()));
    QVERIFY(!view.created());
    view.loadHtml("x");
    view.reload();
    view.execCommand("Copy", "");
    view.setMessageFilter([](const BrowserMessage&) { return std::intptr_t{0}; });
    QCOMPARE(journal(), Lines{});
  }

  void operationsHandTheLibraryUtf16Text() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    journal_->reset();
    view.loadUrl(zorvqi::utf8ToGbk("http://127.0.0.1/文章?id=1"));
    view.loadHtml(zorvqi::utf8ToGbk("<p>汐昙</p>"));
    view.reload();
    view.execCommand("Copy", "");
    view.setMessageFilter([](const BrowserMessage&) { return std::intptr_t{0}; });
    const Lines expected = {"wkeLoadURL http://127.0.0.1/文章?id=1", "wkeLoadHTML <p>汐昙</p>", "wkeReload",
                            "wkeExecCommand Copy ", "wkeWindowMessageFilter"};
    QCOMPARE(journal(), expected);
  }

  void operationsDoNothingBeforeCreateOrOnceTheHostIsGone() {
    BrowserView view;
    view.loadUrl("http://127.0.0.1/");
    view.reload();
    QCOMPARE(journal(), Lines{});

    QVERIFY(view.create(host_.get()));
    host_.reset();
    journal_->reset();
    view.loadUrl("http://127.0.0.1/");
    view.loadHtml("x");
    view.reload();
    view.execCommand("Copy", "");
    view.setMessageFilter([](const BrowserMessage&) { return std::intptr_t{0}; });
    QCOMPARE(journal(), Lines{});
    QVERIFY(!view.viewWindow());
  }

  void showInBrowserBoxLoadsAnAddressOrThePlaceholder() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    journal_->reset();
    StatusRecorder status;
    zorvqi::ui::showInBrowserBox(view, "http://127.0.0.1:9/zt/softnews.php?n=zorvqi", status);
    zorvqi::ui::showInBrowserBox(view, "", status);
    QCOMPARE(status.lines, Lines{});
    const Lines lines = journal();
    QCOMPARE(lines.size(), std::size_t{2});
    QCOMPARE(lines[0], std::string("wkeLoadURL http://127.0.0.1:9/zt/softnews.php?n=zorvqi"));
    const std::string placeholder = zorvqi::gbkToUtf8(zorvqi::ui::placeholderPageHtml());
    QCOMPARE(lines[1], "wkeLoadHTML " + placeholder);
    QVERIFY(placeholder.starts_with("　"));
    QVERIFY(placeholder.size() > std::string("　").size());
  }

  void onlyWebAddressesReachTheBox_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("loaded");  // empty: refused
    QTest::newRow("http") << "http://a.example/1?x=%E4"
                          << "http://a.example/1?x=%E4";
    QTest::newRow("https, upper-case scheme") << "HTTPS://a.example/"
                                              << "HTTPS://a.example/";
    QTest::newRow("scheme-less") << "www.a.example/t/1.html"
                                 << "http://www.a.example/t/1.html";
    QTest::newRow("javascript") << "javascript:alert(document.cookie)"
                                << "";
    QTest::newRow("javascript, spaced and mixed case") << " JavaScript:alert(1)"
                                                       << "";
    QTest::newRow("file") << "file:///etc/passwd"
                          << "";
    QTest::newRow("local path") << "/etc/passwd"
                                << "";
    QTest::newRow("data") << "data:text/html,<script>alert(1)</script>"
                          << "";
    QTest::newRow("ftp") << "ftp://a.example/f"
                         << "";
  }

  void onlyWebAddressesReachTheBox() {
    QFETCH(QString, address);
    QFETCH(QString, loaded);
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    journal_->reset();
    StatusRecorder status;
    const std::string given = zorvqi::utf8ToGbk(address.toStdString());
    zorvqi::ui::showInBrowserBox(view, given, status);
    if (loaded.isEmpty()) {
      QCOMPARE(journal(), Lines{});
      QCOMPARE(status.lines, Lines{"只能打开 http/https 地址：" + address.toStdString()});
      QVERIFY(!zorvqi::ui::browsableAddress(given));
    } else {
      QCOMPARE(journal(), Lines{"wkeLoadURL " + loaded.toStdString()});
      QCOMPARE(status.lines, Lines{});
    }
  }

  void thePageTableNamesTheCompanionPages() {
    const std::string base = "http://127.0.0.1:4321";
    QCOMPARE(zorvqi::ui::startupPage(base), base + "/zt/softnews.php?n=zorvqi&v=2.5&s=win10&m=");
    QCOMPARE(zorvqi::ui::miniHomePage(base, true), base + "/zt/softnews.php?n=zorvqi&v=2.5&s=win10");
    QCOMPARE(zorvqi::ui::miniHomePage(base, false), std::string());
    QCOMPARE(zorvqi::ui::qrCodePage(base, "a%20b%2Fc"), base + "/zt/soft/qr.php?value=a%20b%2Fc");
  }

  void theMenuFilterPopsUpOnARightPressOnly() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    std::vector<QPoint> popUps;
    zorvqi::ui::installBrowserMenuFilter(view, [&](QPoint at) { popUps.push_back(at); });
    QWidget* window = view.viewWindow();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(30, 40));
    QVERIFY(popUps.empty());
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(10, 20));
    QCOMPARE(popUps.size(), std::size_t{1});
    QCOMPARE(popUps[0], window->mapToGlobal(QPoint(10, 20)));
  }

  // Qt WebEngine takes input on its focus proxy, a child of the view: the filter sees it there
  // first, in view coordinates, and its result decides whether the child gets it.
  void theFilterSeesTheFocusProxysInputFirst() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    auto* proxy = new PressRecorder(view.viewWindow());
    proxy->setGeometry(5, 5, 100, 100);
    view.viewWindow()->setFocusProxy(proxy);
    proxy->show();
    std::vector<BrowserMessage> seen;
    std::intptr_t answer = 0;
    view.setMessageFilter([&](const BrowserMessage& message) {
      seen.push_back(message);
      return answer;
    });

    QTest::mousePress(proxy, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].message, unsigned{wkeMsgRButtonDown});
    QCOMPARE(seen[0].wParam, std::uintptr_t{wkeMkRButton | wkeMkShift});
    QCOMPARE(seen[0].position(), QPoint(15, 25));
    QCOMPARE(seen[0].window, reinterpret_cast<std::intptr_t>(view.viewWindow()));
    QCOMPARE(proxy->presses, 1);

    answer = 1;
    QTest::mousePress(proxy, Qt::LeftButton, {}, QPoint(1, 2));
    QCOMPARE(seen.size(), std::size_t{2});
    QCOMPARE(seen[1].message, unsigned{wkeMsgLButtonDown});
    QCOMPARE(proxy->presses, 1);
  }

  void eachViewKeepsItsOwnFilter() {
    QWidget secondHost;
    secondHost.resize(100, 100);
    secondHost.show();
    BrowserView first;
    BrowserView second;
    QVERIFY(first.create(host_.get()));
    QVERIFY(second.create(&secondHost));
    int firstCalls = 0;
    int secondCalls = 0;
    zorvqi::ui::installBrowserMenuFilter(first, [&](QPoint) { ++firstCalls; });
    zorvqi::ui::installBrowserMenuFilter(second, [&](QPoint) { ++secondCalls; });
    QTest::mousePress(second.viewWindow(), Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(firstCalls, 0);
    QCOMPARE(secondCalls, 1);
  }

  void theViewFollowsItsHostsSize() {
    BrowserView view;
    QVERIFY(view.create(host_.get()));
    host_->resize(500, 260);
    QTRY_COMPARE(view.viewWindow()->size(), QSize(500, 260));
  }
};

QTEST_MAIN(BrowserViewTest)
#include "browser_view_test.moc"
