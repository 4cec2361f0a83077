// The real desktop program, run under the offscreen platform, ended by the signals of a
// logout, a shutdown or a kill: it saves 频率 and exits 0 as 退出 does.
#include <QProcess>
#include <QtTest>
#include <csignal>

#include "desktop_fixture.h"

using namespace zorvqi::testing;

Q_DECLARE_METATYPE(std::string)

class DesktopSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void aSignalEndsTheProgramThroughItsExit_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }

  void aSignalEndsTheProgramThroughItsExit() {
    QFETCH(int, signal);
    ProgramDirectory dir;
    makeCompleteDirectory(dir, "");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(ZORVQI_BIN_DIR "/zorvqi"),
                  {QStringLiteral("--dir"), QString::fromStdString(dir.path())});
    QVERIFY(program.waitForStarted(5000));
    // The monitor lock is taken during start-up, after the signals are caught.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(dir.file("zorvqi.lock"))), 20000);
    QTest::qWait(300);
    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(dir.settingsText().find("频率=600") != std::string::npos, dir.settingsText().c_str());
  }
};

QTEST_MAIN(DesktopSignalsTest)
#include "desktop_signals_test.moc"
