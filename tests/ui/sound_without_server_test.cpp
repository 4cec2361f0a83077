// The reminder sound's WAVE reading, and the player on a machine without a sound server:
// it says so once and the program goes on.
#include <QTemporaryDir>
#include <QTest>

#include "monitor/reminder_sound.h"
#include "text/charset.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/wave_chunks.h"
#include "wave_bytes.h"

using namespace zorvqi::testing;
using zorvqi::ui::WaveSound;
using Kind = zorvqi::ui::WaveSound::Kind;

Q_DECLARE_METATYPE(Kind)

namespace {

class StatusRecorder : public zorvqi::StatusLines {
 public:
  std::vector<std::string> lines;
  void appendStatus(const std::string& text) override { lines.push_back(zorvqi::gbkToUtf8(text)); }
};

const std::string kFourFrames = std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8);

}  // namespace

class SoundWithoutServerTest : public QObject {
  Q_OBJECT

  QTemporaryDir runtime_;

 private slots:
  void initTestCase() {
    // A private runtime directory with no server in it, and no server started on demand.
    QVERIFY(runtime_.isValid());
    const QString config = runtime_.filePath(QStringLiteral("client.conf"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("autospawn = no\n");
    file.close();
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", config.toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + runtime_.filePath(QStringLiteral("none"))).toLocal8Bit());
  }

  void readsTheChunks_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("sampleBytes");
    const auto bytes = [](const std::string& s) {
      return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
    };
    const std::string pcm16 = formatChunk(1, 2, 8000, 16);
    QTest::newRow("plain 44-byte header")
        << bytes(riffWave(pcm16 + chunk("data", kFourFrames))) << Kind::Pcm << 16 << 8;
    QTest::newRow("list chunk of odd size before fmt")
        << bytes(riffWave(chunk("LIST", "INFOx") + pcm16 + chunk("data", kFourFrames))) << Kind::Pcm << 16
        << 8;
    QTest::newRow("data before fmt") << bytes(riffWave(chunk("data", kFourFrames) + pcm16)) << Kind::Pcm << 16
                                     << 8;
    QTest::newRow("8-bit mono") << bytes(riffWave(formatChunk(1, 1, 11025, 8) + chunk("data", "abc")))
                                << Kind::Pcm << 8 << 3;
    QTest::newRow("half a frame at the end is dropped")
        << bytes(riffWave(pcm16 + chunk("data", kFourFrames + "\x09\x0a"))) << Kind::Pcm << 16 << 8;
    std::string cut = riffWave(pcm16 + chunk("data", kFourFrames));
    cut.resize(cut.size() - 4);  // the data chunk says 8 bytes, 4 are there
    QTest::newRow("data cut short") << bytes(cut) << Kind::Pcm << 16 << 4;
    QTest::newRow("mpeg layer 3 in a wave")
        << bytes(riffWave(formatChunk(0x55, 2, 44100, 0) + chunk("data", "x"))) << Kind::Unplayable << 0 << 0;
    QTest::newRow("24-bit pcm") << bytes(riffWave(formatChunk(1, 1, 8000, 24) + chunk("data", "abcdef")))
                                << Kind::Unplayable << 0 << 0;
    QTest::newRow("no data chunk") << bytes(riffWave(pcm16)) << Kind::Unplayable << 0 << 0;
    QTest::newRow("mp3 file") << QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00\xff\xfb\x90\x64", 14)
                              << Kind::NotWave << 0 << 0;
    QTest::newRow("riff of another kind") << bytes("RIFF\x04\x00\x00\x00AVI ") << Kind::NotWave << 0 << 0;
    const std::string_view builtin = zorvqi::builtinReminderSound();
    QTest::newRow("the built-in sound")
        << QByteArray(builtin.data(), static_cast<qsizetype>(builtin.size())) << Kind::Pcm << 8 << -1;
  }

  void readsTheChunks() {
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QFETCH(int, bits);
    QFETCH(int, sampleBytes);
    const WaveSound sound = zorvqi::ui::readWave(std::string_view(bytes.constData(), bytes.size()));
    QCOMPARE(sound.kind, kind);
    if (kind != Kind::Pcm) return;
    QCOMPARE(sound.bitsPerSample, bits);
    if (sampleBytes >= 0) QCOMPARE(static_cast<int>(sound.samples.size()), sampleBytes);
    QVERIFY(!sound.samples.empty());
  }

  void withoutAServerTheSoundIsSkippedOnce() {
    zorvqi::ui::AudioSinkSoundPlayer player;
    StatusRecorder status;
    const std::string tone = toneWave(0.2);
    player.play(tone, status);
    player.play(tone, status);
    QTest::qWait(200);
    QCOMPARE(status.lines, std::vector<std::string>{"没有可用的声音输出，提示音已跳过"});
    QCOMPARE(player.state(), QAudio::StoppedState);
  }

  void anMp3TipsFileIsNotPlayedAndSaidOnce() {
    zorvqi::ui::AudioSinkSoundPlayer player;
    StatusRecorder status;
    const std::string mp3 = riffWave(formatChunk(0x55, 2, 44100, 0) + chunk("data", "\xff\xfb\x90\x64"));
    player.play(mp3, status);
    player.play(mp3, status);
    player.play("", status);
    QCOMPARE(status.lines, std::vector<std::string>{"提示音 tips.wmv 不是 PCM 格式，未播放"});
  }
};

QTEST_MAIN(SoundWithoutServerTest)
#include "sound_without_server_test.moc"
