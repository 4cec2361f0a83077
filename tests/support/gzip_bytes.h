// gzip streams for fixtures, made with zlib.
//
// Contract: `gzipBytes` gives one whole stream at the best compression and throws when zlib
// fails. `gzipBomb` gives one gzip stream that inflates to `mebibytes` MiB of `fill` bytes,
// made in milliseconds whatever its size: one MiB is deflated once, ending on a full flush
// so that its blocks stand alone, and those blocks are repeated, followed by the final block
// and the trailer (CRC and length) of the whole. Thread safety: pure functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvqi::testing {

// `data` as one gzip stream (or, with `zlibHeader`, a zlib stream).
std::string gzipBytes(std::string_view data, bool zlibHeader = false);

std::string gzipBomb(std::size_t mebibytes, char fill);

}  // namespace zorvqi::testing
