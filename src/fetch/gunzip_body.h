// Decompression of gzip response bodies through the module gzip.dll in the program
// directory.
//
// Contract: `gunzipBody` loads the module (base/gzip_module.h), feeds it the body in pieces
// of at most 8192 bytes, each call giving at most 8192 bytes, and returns what it produced:
// all of it for a whole stream, what came before the fault for a broken or truncated one,
// nothing for a body that is not gzip or zlib. A gzip body of several members (streams one
// after the other) gives all of them in order; whatever follows the last one that is not the
// start of another member is ignored. It ends when the module reports the end or an error,
// when a call neither consumes nor produces a byte, and when the output reaches
// `maxOutputBytes` (the body cap of fetch_limits.h by default; the output is cut there).
// When the module is missing or cannot be loaded it returns the empty text.
// `startsLikeGzip` tells whether a body opens with the gzip magic bytes 1F 8B,
// `startsLikeZlib` whether it opens with a valid zlib header.
// Thread safety: callable from any number of threads at once; each call has its own
// decompression context.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "fetch/fetch_limits.h"

namespace zorvqi {

std::string gunzipBody(std::string_view body, std::size_t maxOutputBytes = kMaxBodyBytes);

bool startsLikeGzip(std::string_view body);
bool startsLikeZlib(std::string_view body);

}  // namespace zorvqi
