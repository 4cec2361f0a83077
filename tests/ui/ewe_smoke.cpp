// The real ewe.dll from the build's program directory: loads finish inside the view, "Copy"
// reaches the clipboard, and the filter sees a right press before the page does.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>
#include <memory>

#include "base/program_dir.h"
#include "companion/companion_service.h"
#include "ewe/ewe.h"
#include "text/charset.h"
#include "ui/browser/browser_environment.h"
#include "ui/browser/browser_menu_filter.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/browser_view.h"
#include "ui/browser/show_in_browser_box.h"

namespace {

// Refused addresses would be a fault here: every page these tests load is a web address.
class NoRefusals : public zorvqi::StatusLines {
 public:
  void appendStatus(const std::string& text) override { QFAIL(zorvqi::gbkToUtf8(text).c_str()); }
};

}  // namespace

class EweSmokeTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> host_;
  zorvqi::ui::BrowserView view_;
  zorvqi::CompanionService service_{[] { return zorvqi::MonitorSummary{4, 7, ""}; }};
  std::vector<QPoint> popUps_;
  NoRefusals status_;

  QWidget* web() const { return view_.viewWindow(); }

  // Waits for the view's next load to end and tells whether it succeeded.
  bool nextLoadSucceeds(QSignalSpy& finished) {
    if (!finished.wait(60000)) return false;
    return finished.takeFirst().at(0).toBool();
  }

 private slots:
  void initTestCase() {
    zorvqi::setProgramDir(ZORVQI_BIN_DIR);
    host_ = std::make_unique<QWidget>();
    host_->resize(480, 360);
    host_->show();
    QVERIFY(view_.create(host_.get()));
    QVERIFY(web());
    QCOMPARE(QByteArray(web()->metaObject()->className()), QByteArray("QWebEngineView"));
    QCOMPARE(web()->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(web()->geometry(), QRect(0, 0, 480, 360));
    zorvqi::ui::installBrowserMenuFilter(view_, [this](QPoint at) { popUps_.push_back(at); });
    QVERIFY(service_.start());
  }

  void anHtmlLoadFinishesInsideTheView() {
    QSignalSpy finished(web(), SIGNAL(loadFinished(bool)));
    view_.loadHtml(
        zorvqi::utf8ToGbk("<html><head><title>冒烟</title></head><body><p>smoke 文字</p></body></html>"));
    QVERIFY(nextLoadSucceeds(finished));
    QTRY_COMPARE(web()->property("title").toString(), QStringLiteral("冒烟"));
  }

  void copyPutsTheSelectionOnTheClipboard() {
    QApplication::clipboard()->clear();
    view_.execCommand("SelectAll", "");
    QTRY_VERIFY_WITH_TIMEOUT(web()->property("hasSelection").toBool(), 20000);
    view_.execCommand("Copy", "");
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().contains(QStringLiteral("smoke 文字")), 20000);
  }

  void theFilterSeesARightPressOnTheFocusProxy() {
    QWidget* proxy = web()->focusProxy();
    QVERIFY(proxy);
    popUps_.clear();
    QTest::mousePress(proxy, Qt::RightButton, {}, QPoint(20, 30));
    QTest::mouseRelease(proxy, Qt::RightButton, {}, QPoint(20, 30));
    QCOMPARE(popUps_.size(), std::size_t{1});
    QCOMPARE(popUps_[0], web()->mapToGlobal(proxy->mapTo(web(), QPoint(20, 30))));
  }

  void theCompanionNewsPageFinishesInsideTheView() {
    QSignalSpy finished(web(), SIGNAL(loadFinished(bool)));
    zorvqi::ui::showInBrowserBox(view_, zorvqi::ui::startupPage(service_.baseAddress()), status_);
    QVERIFY(nextLoadSucceeds(finished));
    QTRY_COMPARE(web()->property("title").toString(), QStringLiteral("汐昙监控系统"));
    QCOMPARE(web()->property("url").toUrl().path(), QStringLiteral("/zt/softnews.php"));
  }

  void theCompanionQrPageFinishesInsideTheView() {
    QSignalSpy finished(web(), SIGNAL(loadFinished(bool)));
    zorvqi::ui::showInBrowserBox(
        view_, zorvqi::ui::qrCodePage(service_.baseAddress(), "http%3A%2F%2Fa.example%2F1"), status_);
    QVERIFY(nextLoadSucceeds(finished));
    QTRY_COMPARE(web()->property("title").toString(), QStringLiteral("二维码"));
  }

  void aNewWindowOpensInTheViewItself() {
    QSignalSpy finished(web(), SIGNAL(loadFinished(bool)));
    const std::string qr = zorvqi::ui::qrCodePage(service_.baseAddress(), "x");
    view_.loadHtml("<html><body onload=\"window.open('" + qr + "', '_blank')\"><a target=_blank href='" + qr +
                   "'>qr</a></body></html>");
    QTRY_COMPARE_WITH_TIMEOUT(web()->property("title").toString(), QStringLiteral("二维码"), 60000);
    QCOMPARE(web()->property("url").toUrl().path(), QStringLiteral("/zt/soft/qr.php"));
  }

  void theViewKeepsItsCookiesInTheProgramDirectory() {
    auto* engineView = qobject_cast<QWebEngineView*>(web());
    QVERIFY(engineView);
    const QWebEngineProfile* profile = engineView->page()->profile();
    QVERIFY(!profile->isOffTheRecord());
    QCOMPARE(profile->persistentStoragePath(), QStringLiteral(ZORVQI_BIN_DIR "/browser"));
    QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
    QCOMPARE(profile->httpCacheType(), QWebEngineProfile::MemoryHttpCache);
    // A second view of the process shares the profile: a login is seen everywhere.
    QWidget otherHost;
    zorvqi::ui::BrowserView other;
    QVERIFY(other.create(&otherHost));
    QCOMPARE(qobject_cast<QWebEngineView*>(other.viewWindow())->page()->profile(), profile);
  }

  void reloadLoadsThePageAgain() {
    QSignalSpy finished(web(), SIGNAL(loadFinished(bool)));
    view_.reload();
    QVERIFY(nextLoadSucceeds(finished));
  }

  void cleanupTestCase() {
    host_.reset();
    service_.stop();
  }
};

int main(int argc, char** argv) {
  zorvqi::ui::prepareForBrowserLibrary();
  QApplication app(argc, argv);
  EweSmokeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ewe_smoke.moc"
