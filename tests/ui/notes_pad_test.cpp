// The notes pad on the real main window and a real settings file: what typing stores, what a
// later load (after a restart) shows, and the status texts.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/clock.h"
#include "store/settings_file.h"
#include "text/charset.h"
#include "ui/main/main_window.h"
#include "ui/notes/notes_pad.h"
#include "ui/qtsupport/qt_text.h"

using zorvqi::ui::MainWindow;
using zorvqi::ui::NotesPad;

namespace {

std::string gbk(const QString& text) {
  return zorvqi::ui::fromQString(text);
}

const QString kSaveStatus = QStringLiteral(
    "记事已于 2020/5/3  09:07:05 自动保存成功！ Ctrl + Z 可撤销输入\n"
    "1、单击‘便签’按钮可关闭便签！  2、后续会加入文本格式、网络记事、文本加密等功能");

// One start of the program: its window and its notes pad on the given settings file.
struct Session {
  Session(const zorvqi::SettingsFile& settings, const zorvqi::Clock& clock) : pad(window, settings, clock) {
    window.show();
  }

  // Key presses carrying each character (QTest's key clicks take Latin-1 only).
  void typeAtEnd(const QString& text) {
    window.便签框->moveCursor(QTextCursor::End);
    for (const QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(window.便签框, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(window.便签框, &release);
    }
  }
  void pressReturn() { QTest::keyClick(window.便签框, Qt::Key_Return); }

  MainWindow window;
  NotesPad pad;
};

}  // namespace

class NotesPadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<zorvqi::SettingsFile> settings_;
  zorvqi::FixedClock clock_{zorvqi::LocalTime{2020, 5, 3, 9, 7, 5}};

  std::string storedNote() const {
    return settings_->readWhole(zorvqi::utf8ToGbk("数据"), zorvqi::utf8ToGbk("内容"));
  }
  void storeNote(const std::string& gbkValue) {
    QVERIFY(settings_->write(zorvqi::utf8ToGbk("数据"), zorvqi::utf8ToGbk("内容"), gbkValue));
  }
  QByteArray fileBytes() const {
    QFile file(QString::fromStdString(settings_->path()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<zorvqi::SettingsFile>((dir_->path() + "/zorvqi.ini").toStdString());
  }

  void threeTypedLinesAreOneValueAndComeBackAfterARestart() {
    {
      Session first(*settings_, clock_);
      first.window.便签->click();
      first.typeAtEnd(QStringLiteral("第一行"));
      first.pressReturn();
      first.typeAtEnd(QStringLiteral("second"));
      first.pressReturn();
      first.typeAtEnd(QStringLiteral("第三行"));
      QCOMPARE(storedNote(), gbk(QStringLiteral("第一行<br>second<br>第三行")));
    }
    Session second(*settings_, clock_);
    QCOMPARE(second.window.便签框->toPlainText(), QString());  // nothing is loaded at start
    second.window.状态框->setPlainText(QStringLiteral("开始"));
    second.window.便签->click();
    QCOMPARE(second.window.便签框->toPlainText(), QStringLiteral("第一行\nsecond\n第三行"));
    QVERIFY(!second.window.便签框->isHidden());
    QCOMPARE(second.window.状态框->toPlainText(), QStringLiteral("开始\n记事读取成功！"));
  }

  // Loading is no edit: the stored line stays byte for byte as it was, blanks around it too.
  void aStoredBrComesBackAsALineBreakAndLoadingSavesNothing() {
    QFile raw(QString::fromStdString(settings_->path()));
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(QByteArray("[") + QByteArray::fromStdString(gbk(QStringLiteral("数据"))) + "]\r\n" +
              QByteArray::fromStdString(gbk(QStringLiteral("内容"))) + "=  a<br>b<BR>c<br><br>  \r\n");
    raw.close();
    const QByteArray before = fileBytes();
    Session session(*settings_, clock_);
    session.window.便签->click();
    QCOMPARE(session.window.便签框->toPlainText(), QStringLiteral("a\nb<BR>c\n\n"));
    QCOMPARE(fileBytes(), before);
  }

  void typedBrTextIsReadBackAsALineBreak() {
    Session session(*settings_, clock_);
    session.window.便签->click();
    session.typeAtEnd(QStringLiteral("x<br>y"));
    QCOMPARE(storedNote(), std::string("x<br>y"));
    session.window.便签->click();  // hides, after loading again
    session.window.便签->click();
    QCOMPARE(session.window.便签框->toPlainText(), QStringLiteral("x\ny"));
  }

  // Past the settings file's read limit, with the limit falling inside a double-byte character.
  void aLongNoteSurvivesAClickAndAKeystrokeWhole() {
    const std::string note = std::string(zorvqi::kSettingsValueLimit - 1, 'a') +
                             gbk(QStringLiteral("汉字")).append(20000 - zorvqi::kSettingsValueLimit - 3, 'b');
    QCOMPARE(note.size(), std::size_t{20000});
    storeNote(note);
    Session session(*settings_, clock_);
    session.window.便签->click();
    session.typeAtEnd(QStringLiteral("z"));
    QCOMPARE(storedNote(), note + "z");
  }

  void everyChangeSavesWithTheSaveTimeOfTheClock() {
    Session session(*settings_, clock_);
    session.window.便签->click();
    session.typeAtEnd(QStringLiteral("便"));
    QCOMPARE(session.window.状态框->toPlainText(), kSaveStatus);
    QTest::keyClick(session.window.便签框, Qt::Key_Backspace);
    QCOMPARE(storedNote(), std::string());
    QCOMPARE(session.window.状态框->toPlainText(), kSaveStatus);
  }

  void theSaveTimeHasTwoSpacesAndTwoDigitTimeFields_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning") << 5 << 3 << 9 << 7 << 5 << QStringLiteral("2020/5/3  09:07:05");
    QTest::newRow("midnight") << 1 << 1 << 0 << 0 << 0 << QStringLiteral("2020/1/1  00:00:00");
    QTest::newRow("evening") << 12 << 25 << 23 << 59 << 30 << QStringLiteral("2020/12/25  23:59:30");
  }
  void theSaveTimeHasTwoSpacesAndTwoDigitTimeFields() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, expected);
    QCOMPARE(NotesPad::saveTimeText({2020, month, day, hour, minute, second}), expected);
  }

  // Showing releases 迷你首页; a second click loads the stored note again and then hides.
  void theButtonShowsReleasingTheHomeButtonAndHidesAfterReloading() {
    Session session(*settings_, clock_);
    session.window.迷你首页->setChecked(true);
    session.window.便签->click();
    QVERIFY(!session.window.便签框->isHidden());
    QVERIFY(!session.window.迷你首页->isChecked());
    storeNote(gbk(QStringLiteral("别处<br>写的")));
    session.window.迷你首页->setChecked(true);
    session.window.便签->click();
    QVERIFY(session.window.便签框->isHidden());
    QVERIFY(session.window.迷你首页->isChecked());
    QCOMPARE(session.window.便签框->toPlainText(), QStringLiteral("别处\n写的"));
  }
};

QTEST_MAIN(NotesPadTest)
#include "notes_pad_test.moc"
