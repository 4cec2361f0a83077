// gzip.dll: the decompression module, a thin layer over zlib's inflate.
#include <zlib.h>

#include <new>

#include "base/gzip_module_api.h"

#define GZIP_EXPORT __attribute__((visibility("default")))

namespace {

// Window bits 15 with 32 added lets zlib detect a gzip or a zlib header.
constexpr int kDetectGzipOrZlib = 15 + 32;

struct Context {
  z_stream stream{};
  bool ended = false;
};

}  // namespace

extern "C" {

GZIP_EXPORT int InitDecompression(void) {
  return kDecompressGoOn;
}

GZIP_EXPORT int CreateDecompression(void** context, int flags) {
  if (!context || flags != kDecompressFlagsGzipOrZlib) return kDecompressBadArgument;
  auto* created = new (std::nothrow) Context;
  if (!created) return kDecompressBadArgument;
  if (inflateInit2(&created->stream, kDetectGzipOrZlib) != Z_OK) {
    delete created;
    return kDecompressBadArgument;
  }
  *context = created;
  return kDecompressGoOn;
}

GZIP_EXPORT int Decompress(void* context, const unsigned char* input, int inputLength, unsigned char* output,
                           int outputCapacity, int* inputUsed, int* outputProduced) {
  if (!context || !output || !inputUsed || !outputProduced || inputLength < 0 || outputCapacity < 0 ||
      (inputLength > 0 && !input)) {
    return kDecompressBadArgument;
  }
  auto* state = static_cast<Context*>(context);
  *inputUsed = 0;
  *outputProduced = 0;
  if (state->ended) return kDecompressEnd;
  z_stream& stream = state->stream;
  stream.next_in = const_cast<Bytef*>(input);
  stream.avail_in = static_cast<uInt>(inputLength);
  stream.next_out = output;
  stream.avail_out = static_cast<uInt>(outputCapacity);
  const int result = inflate(&stream, Z_NO_FLUSH);
  *inputUsed = inputLength - static_cast<int>(stream.avail_in);
  *outputProduced = outputCapacity - static_cast<int>(stream.avail_out);
  stream.next_in = nullptr;
  stream.avail_in = 0;
  switch (result) {
    case Z_OK:
    case Z_BUF_ERROR:  // nothing to do for now: more input or more room is needed
      return kDecompressGoOn;
    case Z_STREAM_END:
      state->ended = true;
      return kDecompressEnd;
    default:
      return kDecompressBadData;
  }
}

GZIP_EXPORT void DestroyDecompression(void* context) {
  auto* state = static_cast<Context*>(context);
  if (!state) return;
  inflateEnd(&state->stream);
  delete state;
}

}  // extern "C"
