// The C interface of the decompression module gzip.dll, the one contract between the module
// and `gunzipBody`, which loads it at run time.
//
// Contract: `InitDecompression` prepares the module and returns 0. `CreateDecompression`
// makes a context for one stream; flags 3 accepts a gzip or a zlib stream (the header tells
// which). `Decompress` inflates from `input` (at most `inputLength` bytes) into `output` (at
// most `outputCapacity` bytes) and reports the bytes it consumed and produced; it returns
// `kDecompressGoOn` while the stream can go on, `kDecompressEnd` once the stream is complete
// and a negative value when the data is not a valid stream. A call that has nothing left to
// read and nothing left to write consumes and produces 0 bytes. `DestroyDecompression`
// releases a context. Thread safety: contexts are independent; one context is used by one
// thread at a time.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

enum {
  kDecompressGoOn = 0,
  kDecompressEnd = 1,
  kDecompressBadData = -1,
  kDecompressBadArgument = -2,
  kDecompressFlagsGzipOrZlib = 3
};

typedef int (*InitDecompressionFn)(void);
typedef int (*CreateDecompressionFn)(void** context, int flags);
typedef int (*DecompressFn)(void* context, const unsigned char* input, int inputLength, unsigned char* output,
                            int outputCapacity, int* inputUsed, int* outputProduced);
typedef void (*DestroyDecompressionFn)(void* context);

int InitDecompression(void);
int CreateDecompression(void** context, int flags);
int Decompress(void* context, const unsigned char* input, int inputLength, unsigned char* output,
               int outputCapacity, int* inputUsed, int* outputProduced);
void DestroyDecompression(void* context);

#ifdef __cplusplus
}
#endif
