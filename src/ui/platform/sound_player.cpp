#include "ui/platform/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>

#include "text/charset.h"
#include "ui/platform/wave_chunks.h"

namespace zorvqi::ui {

AudioSinkSoundPlayer::AudioSinkSoundPlayer() = default;

AudioSinkSoundPlayer::~AudioSinkSoundPlayer() {
  stopSound();
}

void AudioSinkSoundPlayer::play(const std::string& waveBytes, StatusLines& status) {
  if (waveBytes.empty()) return;
  const WaveSound sound = readWave(waveBytes);
  if (sound.kind != WaveSound::Kind::Pcm) {
    if (!saidUnplayable_) status.appendStatus(utf8ToGbk("提示音 tips.wmv 不是 PCM 格式，未播放"));
    saidUnplayable_ = true;
    return;
  }
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull()) {
    if (!saidNoOutput_) status.appendStatus(utf8ToGbk("没有可用的声音输出，提示音已跳过"));
    saidNoOutput_ = true;
    return;
  }
  stopSound();
  QAudioFormat format;
  format.setSampleRate(sound.sampleRate);
  format.setChannelCount(sound.channels);
  format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  samples_ = std::make_unique<QBuffer>();
  samples_->setData(QByteArray(sound.samples.data(), static_cast<qsizetype>(sound.samples.size())));
  samples_->open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(output, format);
  // Played out, the stream is given back to the sound server at once.
  QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                   [sink = sink_.get()](QAudio::State state) {
                     if (state == QAudio::IdleState) sink->stop();
                   });
  sink_->start(samples_.get());
}

QAudio::State AudioSinkSoundPlayer::state() const {
  return sink_ ? sink_->state() : QAudio::StoppedState;
}

void AudioSinkSoundPlayer::stopSound() {
  if (sink_) sink_->stop();
  sink_.reset();
  samples_.reset();
}

}  // namespace zorvqi::ui
