#include "ui/platform/sound_player.h"

#include <QUrl>

namespace zorvqi::ui {

void MediaSoundPlayer::play(const std::string& waveBytes) {
  if (waveBytes.empty()) return;
  if (!player_) {
    player_ = std::make_unique<QMediaPlayer>();
    output_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(output_.get());
  }
  player_->stop();
  // The player reads the buffer while it plays: the old buffer may go only once the player
  // has let go of it.
  auto buffer = std::make_unique<QBuffer>();
  buffer->setData(QByteArray(waveBytes.data(), static_cast<qsizetype>(waveBytes.size())));
  buffer->open(QIODevice::ReadOnly);
  player_->setSourceDevice(buffer.get(), QUrl(QStringLiteral("tips.wav")));
  buffer_ = std::move(buffer);
  player_->play();
}

}  // namespace zorvqi::ui
