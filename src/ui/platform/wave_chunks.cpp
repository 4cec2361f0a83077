#include "ui/platform/wave_chunks.h"

#include <optional>

namespace zorvqi::ui {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::size_t kSubFormatOffset = 24;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

struct Chunks {
  std::optional<std::string_view> format;
  std::optional<std::string_view> data;
};

// A chunk whose size runs past the end is cut to what is there: files written by recorders
// that stopped early often say more than they hold.
Chunks findChunks(std::string_view body) {
  Chunks found;
  std::size_t at = 0;
  while (body.size() - at >= kChunkHeader) {
    const std::string_view id = body.substr(at, 4);
    const std::size_t size = littleEndian(body, at + 4, 4);
    const std::string_view content = body.substr(at + kChunkHeader, size);
    if (id == "fmt " && !found.format) found.format = content;
    if (id == "data" && !found.data) found.data = content;
    if (found.format && found.data) break;
    const std::size_t next = at + kChunkHeader + size + (size & 1);
    if (next <= at || next > body.size()) break;
    at = next;
  }
  return found;
}

bool isPcmCoding(std::string_view format) {
  const std::uint32_t tag = littleEndian(format, 0, 2);
  if (tag == kFormatPcm) return true;
  // The extensible form names its coding by a GUID whose first two bytes are the format tag.
  return tag == kFormatExtensible && format.size() >= kExtensibleFormatSize &&
         littleEndian(format, kSubFormatOffset, 2) == kFormatPcm;
}

}  // namespace

WaveSound readWave(std::string_view bytes) {
  WaveSound sound;
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return sound;
  sound.kind = WaveSound::Kind::Unplayable;
  const Chunks chunks = findChunks(bytes.substr(12));
  if (!chunks.format || !chunks.data || chunks.format->size() < kPcmFormatSize) return sound;
  const std::string_view format = *chunks.format;
  if (!isPcmCoding(format)) return sound;
  const int channels = static_cast<int>(littleEndian(format, 2, 2));
  const auto sampleRate = littleEndian(format, 4, 4);
  const int bits = static_cast<int>(littleEndian(format, 14, 2));
  if ((bits != 8 && bits != 16) || channels < 1 || channels > 8 || sampleRate == 0 || sampleRate > 768000)
    return sound;
  const std::size_t frame = static_cast<std::size_t>(channels) * static_cast<std::size_t>(bits / 8);
  sound.kind = WaveSound::Kind::Pcm;
  sound.channels = channels;
  sound.sampleRate = static_cast<int>(sampleRate);
  sound.bitsPerSample = bits;
  sound.samples = chunks.data->substr(0, chunks.data->size() - chunks.data->size() % frame);
  return sound;
}

}  // namespace zorvqi::ui
