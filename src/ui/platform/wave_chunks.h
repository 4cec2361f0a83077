// Reading a WAVE file held in memory by its RIFF chunks.
//
// Contract: `readWave(bytes)` walks the chunks after "RIFF" size "WAVE" (each an id, a
// little-endian size and the data, padded to an even length), whatever their order and
// whatever other chunks sit between them, and takes the first "fmt " and "data" chunks. It
// gives Pcm with the format and the sample bytes (a view into `bytes`, cut to whole frames and
// to what the file really holds) for integer PCM (format tag 1, or WAVE_FORMAT_EXTENSIBLE
// whose sub-format is PCM) of 8 or 16 bits, 1 to 8 channels and a sample rate above zero.
// Bytes that are no RIFF WAVE give NotWave; a WAVE of any other coding (MPEG layer 3,
// ADPCM, float, 24-bit) or one that lacks its chunks gives Unplayable.
// Thread safety: pure function.
#pragma once

#include <cstdint>
#include <string_view>

namespace zorvqi::ui {

struct WaveSound {
  enum class Kind { Pcm, NotWave, Unplayable };
  Kind kind = Kind::NotWave;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::string_view samples;
};

WaveSound readWave(std::string_view bytes);

}  // namespace zorvqi::ui
