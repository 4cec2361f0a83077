// Decompression of gzip response bodies through the module gzip.dll in the program
// directory.
//
// Contract: `gzipModulePresent` tells whether the file gzip.dll exists in the program
// directory; plans ask for decompression only then. `gunzipBody` loads the module, feeds it
// the body in pieces of at most 8192 bytes, each call giving at most 8192 bytes, and
// returns what it produced: all of it for a whole stream, what came before the fault for a
// broken or truncated one, nothing for a body that is not gzip. It ends when the module
// reports the end or an error, when a call neither consumes nor produces a byte, and when
// the output reaches `maxOutputBytes` (256 MiB by default; the output is cut there). When
// the module cannot be loaded it returns the empty text. Thread safety: callable from any
// number of threads at once; each call has its own decompression context.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvqi {

inline constexpr std::size_t kMaxGunzipBytes = std::size_t{256} << 20;

bool gzipModulePresent();
std::string gunzipBody(std::string_view body, std::size_t maxOutputBytes = kMaxGunzipBytes);

}  // namespace zorvqi
