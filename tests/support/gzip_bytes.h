// gzip streams for fixtures, made with zlib.
//
// Contract: `gzipBytes` gives one whole stream at the best compression and throws when zlib
// fails. Thread safety: a pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi::testing {

// `data` as one gzip stream (or, with `zlibHeader`, a zlib stream).
std::string gzipBytes(std::string_view data, bool zlibHeader = false);

}  // namespace zorvqi::testing
