// Base64 (RFC 4648, with padding), as mail headers and bodies carry bytes.
//
// Contract: `base64Encode` encodes any bytes; `base64Lines` encodes them in lines of at most
// 76 characters, each ended by "\r\n" (the empty text gives no line).
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string base64Encode(std::string_view bytes);
std::string base64Lines(std::string_view bytes);

}  // namespace zorvqi
