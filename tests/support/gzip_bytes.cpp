#include "support/gzip_bytes.h"

#include <zlib.h>

#include <stdexcept>

namespace zorvqi::testing {

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

}  // namespace zorvqi::testing
