// Playing the reminder sound, a WAVE file held in memory.
//
// Contract: `play(bytes)` starts playing the WAVE bytes once, without looping, and returns
// at once; a sound still playing is replaced. Empty bytes play nothing. Failures (no audio
// device, bytes that are no sound) are silent. `MediaSoundPlayer` plays through Qt
// Multimedia from a memory buffer. Thread safety: UI thread only.
#pragma once

#include <QAudioOutput>
#include <QBuffer>
#include <QMediaPlayer>
#include <memory>
#include <string>

namespace zorvqi::ui {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void play(const std::string& waveBytes) = 0;
};

class MediaSoundPlayer : public SoundPlayer {
 public:
  void play(const std::string& waveBytes) override;

 private:
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QBuffer> buffer_;
};

}  // namespace zorvqi::ui
