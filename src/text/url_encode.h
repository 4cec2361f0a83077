// Percent-encoding of a text for a query value.
//
// Contract: `urlEncode` encodes the GBK bytes of `text`, or with `throughUtf8` the UTF-8
// bytes it converts to (charset.h). Each byte becomes "%" and two upper-case hexadecimal
// digits, except that with `keepUnreserved` the bytes '-', '.', digits and ASCII letters stay
// as they are. Everything else is encoded, '/', '_', '~' and the space ("%20") included. An
// empty text gives the empty text. Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

struct UrlEncoding {
  bool keepUnreserved = false;
  bool throughUtf8 = false;
};

std::string urlEncode(std::string_view text, UrlEncoding encoding);

}  // namespace zorvqi
