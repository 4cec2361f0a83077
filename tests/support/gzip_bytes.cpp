#include "support/gzip_bytes.h"

#include <zlib.h>

#include <stdexcept>

namespace zorvqi::testing {
namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// Deflates `data` into `out` with the given flush until zlib has taken all of it.
void deflateInto(z_stream& stream, std::string_view data, int flush, std::string& out) {
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  char buffer[1 << 16];
  do {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    if (deflate(&stream, flush) == Z_STREAM_ERROR) throw std::runtime_error("gzipBomb: deflate failed");
    out.append(buffer, sizeof buffer - stream.avail_out);
  } while (stream.avail_out == 0 || stream.avail_in > 0);
}

void appendLittleEndian32(std::string& out, uLong value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string gzipBytes(std::string_view data, bool zlibHeader) {
  z_stream stream{};
  const int windowBits = zlibHeader ? 15 : 15 + 16;
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("gzipBytes: deflateInit2 failed");
  }
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw std::runtime_error("gzipBytes: deflate failed");
  return out;
}

std::string gzipBomb(std::size_t mebibytes, char fill) {
  const std::string piece(kMebibyte, fill);
  z_stream stream{};
  // Raw deflate: the gzip header and trailer are written here, for the whole length.
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("gzipBomb: deflateInit2 failed");
  }
  std::string blocks;
  deflateInto(stream, piece, Z_FULL_FLUSH, blocks);
  std::string last;
  deflateInto(stream, {}, Z_FINISH, last);
  deflateEnd(&stream);

  std::string out("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03", 10);
  out.reserve(out.size() + blocks.size() * mebibytes + last.size() + 8);
  const uLong pieceCrc =
      crc32(0, reinterpret_cast<const Bytef*>(piece.data()), static_cast<uInt>(piece.size()));
  uLong crc = crc32(0, nullptr, 0);
  for (std::size_t i = 0; i < mebibytes; ++i) {
    out += blocks;
    crc = crc32_combine(crc, pieceCrc, static_cast<z_off_t>(piece.size()));
  }
  out += last;
  appendLittleEndian32(out, crc);
  appendLittleEndian32(out, static_cast<uLong>((mebibytes * kMebibyte) & 0xFFFFFFFFu));
  return out;
}

}  // namespace zorvqi::testing
