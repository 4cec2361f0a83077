// WAVE files built in memory for the sound tests: chunks in any order, any coding.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvqi::testing {

inline std::string littleEndianBytes(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return bytes;
}

inline std::string chunk(const std::string& id, const std::string& content) {
  std::string bytes = id + littleEndianBytes(static_cast<std::uint32_t>(content.size()), 4) + content;
  if (content.size() % 2) bytes.push_back('\0');
  return bytes;
}

inline std::string formatChunk(int tag, int channels, int rate, int bits) {
  const int frame = channels * bits / 8;
  return chunk("fmt ", littleEndianBytes(tag, 2) + littleEndianBytes(channels, 2) +
                           littleEndianBytes(rate, 4) + littleEndianBytes(rate * frame, 4) +
                           littleEndianBytes(frame, 2) + littleEndianBytes(bits, 2));
}

inline std::string riffWave(const std::string& chunks) {
  return "RIFF" + littleEndianBytes(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A 16-bit mono tone of `seconds`, long enough to be caught playing.
inline std::string toneWave(double seconds, int rate = 22050) {
  std::string samples;
  const int count = static_cast<int>(seconds * rate);
  for (int i = 0; i < count; ++i) {
    const auto value = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440 * i / rate));
    samples += littleEndianBytes(static_cast<std::uint16_t>(value), 2);
  }
  return riffWave(formatChunk(1, 1, rate, 16) + chunk("data", samples));
}

}  // namespace zorvqi::testing
