#include "fetch/gunzip_body.h"

#include <algorithm>

#include "base/gzip_module.h"

namespace zorvqi {
namespace {

constexpr std::size_t kPieceBytes = 8192;

// Where one stream's decompression stopped.
struct StreamEnd {
  std::size_t used = 0;   // input bytes taken
  bool complete = false;  // the module reported the stream's end
};

// Inflates the stream that starts at `from` into `output` until it ends, fails or fills the cap.
StreamEnd inflateStream(const GzipModule& module, void* context, std::string_view body, std::size_t from,
                        std::size_t maxOutputBytes, std::string& output) {
  unsigned char buffer[kPieceBytes];
  StreamEnd end{from, false};
  while (output.size() < maxOutputBytes) {
    const std::size_t pieceLength = std::min(kPieceBytes, body.size() - end.used);
    int consumed = 0;
    int produced = 0;
    const int result = module.decompress(
        context, reinterpret_cast<const unsigned char*>(body.data() + end.used),
        static_cast<int>(pieceLength), buffer, static_cast<int>(kPieceBytes), &consumed, &produced);
    const std::size_t keep =
        std::min(static_cast<std::size_t>(std::max(produced, 0)), maxOutputBytes - output.size());
    output.append(reinterpret_cast<const char*>(buffer), keep);
    end.used += std::clamp(static_cast<std::size_t>(std::max(consumed, 0)), std::size_t{0}, pieceLength);
    if (result == kDecompressEnd) end.complete = true;
    if (result != kDecompressGoOn || (consumed <= 0 && produced <= 0)) break;
  }
  return end;
}

}  // namespace

bool startsLikeGzip(std::string_view body) {
  return body.size() >= 2 && static_cast<unsigned char>(body[0]) == 0x1F &&
         static_cast<unsigned char>(body[1]) == 0x8B;
}

bool startsLikeZlib(std::string_view body) {
  if (body.size() < 2) return false;
  const unsigned method = static_cast<unsigned char>(body[0]);
  const unsigned flags = static_cast<unsigned char>(body[1]);
  return (method & 0x0F) == 8 && (method >> 4) <= 7 && (method * 256 + flags) % 31 == 0;
}

std::string gunzipBody(std::string_view body, std::size_t maxOutputBytes) {
  const GzipModule module;
  if (!module.usable()) return {};
  module.init();
  std::string output;
  std::size_t from = 0;
  do {
    void* context = nullptr;
    if (module.create(&context, kDecompressFlagsGzipOrZlib) != kDecompressGoOn || !context) break;
    const StreamEnd end = inflateStream(module, context, body, from, maxOutputBytes, output);
    module.destroy(context);
    if (!end.complete || end.used <= from) break;
    from = end.used;
  } while (output.size() < maxOutputBytes && startsLikeGzip(body.substr(from)));
  return output;
}

}  // namespace zorvqi
