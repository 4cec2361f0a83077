// Playing the reminder sound, a WAVE file held in memory.
//
// Contract: `play(bytes, status)` starts playing the WAVE bytes once, without looping, and
// returns at once; a sound still playing is replaced. Empty bytes play nothing. No failure
// ends or stops the program. `AudioSinkSoundPlayer` reads the bytes by their RIFF chunks
// (wave_chunks.h) and plays 8- or 16-bit PCM through QAudioSink on the default audio output,
// which needs no media framework. Bytes it cannot play write "提示音 tips.wmv 不是 PCM
// 格式，未播放"; with no audio output it writes "没有可用的声音输出，提示音已跳过". Each line
// is written once per player, however often the sound is asked for; a failure of the sound
// server itself, once playing has begun, is silent. Thread safety: UI thread only.
#pragma once

#include <QAudio>
#include <QAudioSink>
#include <QBuffer>
#include <memory>
#include <string>

#include "base/status_lines.h"

namespace zorvqi::ui {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void play(const std::string& waveBytes, StatusLines& status) = 0;
};

class AudioSinkSoundPlayer : public SoundPlayer {
 public:
  AudioSinkSoundPlayer();
  ~AudioSinkSoundPlayer() override;
  AudioSinkSoundPlayer(const AudioSinkSoundPlayer&) = delete;
  AudioSinkSoundPlayer& operator=(const AudioSinkSoundPlayer&) = delete;

  void play(const std::string& waveBytes, StatusLines& status) override;
  // The sink's state for the sound last started (Stopped when none was).
  QAudio::State state() const;

 private:
  void stopSound();

  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QBuffer> samples_;
  bool saidNoOutput_ = false;
  bool saidUnplayable_ = false;
};

}  // namespace zorvqi::ui
