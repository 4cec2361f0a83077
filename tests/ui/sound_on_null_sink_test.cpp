// The reminder sound played for real: a PulseAudio server of the test's own, with a null
// sink as its only output, in a private runtime directory.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "text/charset.h"
#include "ui/platform/sound_player.h"
#include "wave_bytes.h"

using namespace zorvqi::testing;

namespace {

class StatusRecorder : public zorvqi::StatusLines {
 public:
  std::vector<std::string> lines;
  void appendStatus(const std::string& text) override { lines.push_back(zorvqi::gbkToUtf8(text)); }
};

// pulseaudio --daemonize=no with a null sink and a socket in its own runtime directory; it
// goes when the fixture does.
class NullSinkServer {
 public:
  bool start() {
    if (!runtime_.isValid() || QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
      return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("HOME"), runtime_.path());
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"),
         QStringLiteral("--load=module-null-sink sink_name=zorvqi_test"),
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket()});
    if (!server_.waitForStarted(5000)) return false;
    for (int i = 0; i < 100 && !QFile::exists(socket()); ++i) QTest::qWait(50);
    return QFile::exists(socket());
  }
  ~NullSinkServer() {
    server_.terminate();
    if (!server_.waitForFinished(3000)) server_.kill();
  }
  QString socket() const { return runtime_.filePath(QStringLiteral("native")); }
  QString address() const { return QStringLiteral("unix:") + socket(); }
  // `pactl list sink-inputs` of this server.
  QString sinkInputs() const {
    QProcess pactl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), address());
    pactl.setProcessEnvironment(env);
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
  }

 private:
  QTemporaryDir runtime_;
  QProcess server_;
};

}  // namespace

class SoundOnNullSinkTest : public QObject {
  Q_OBJECT

  NullSinkServer server_;

 private slots:
  void initTestCase() {
    QVERIFY2(server_.start(), "pulseaudio (scripts/install-deps) did not start");
    qputenv("PULSE_SERVER", server_.address().toLocal8Bit());
  }

  void theToneReachesTheSinkAndPlaysOut() {
    zorvqi::ui::AudioSinkSoundPlayer player;
    StatusRecorder status;
    player.play(toneWave(1.5), status);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), QAudio::ActiveState, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(server_.sinkInputs().contains(QStringLiteral("Corked: no")), 5000);
    QCOMPARE(status.lines, std::vector<std::string>{});
    // Played out, the stream is closed.
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), QAudio::StoppedState, 8000);
    QTRY_VERIFY_WITH_TIMEOUT(!server_.sinkInputs().contains(QStringLiteral("Sink Input #")), 5000);
  }

  void aNewSoundReplacesTheOneStillPlaying() {
    zorvqi::ui::AudioSinkSoundPlayer player;
    StatusRecorder status;
    player.play(toneWave(3), status);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), QAudio::ActiveState, 5000);
    player.play(toneWave(3, 8000), status);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), QAudio::ActiveState, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(server_.sinkInputs().count(QStringLiteral("Sink Input #")), 1, 5000);
    QVERIFY(server_.sinkInputs().contains(QStringLiteral("8000Hz")));
    QCOMPARE(status.lines, std::vector<std::string>{});
  }
};

QTEST_MAIN(SoundOnNullSinkTest)
#include "sound_on_null_sink_test.moc"
