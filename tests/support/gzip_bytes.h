// gzip streams for fixtures, made with zlib.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi::testing {

// `data` as one gzip stream (or, with `zlibHeader`, a zlib stream).
std::string gzipBytes(std::string_view data, bool zlibHeader = false);

}  // namespace zorvqi::testing
