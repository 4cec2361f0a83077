#include "text/url_encode.h"

#include "text/charset.h"

namespace zorvqi {
namespace {

bool staysUnencoded(unsigned char byte) {
  return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z');
}

}  // namespace

std::string urlEncode(std::string_view text, UrlEncoding encoding) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const std::string bytes = encoding.throughUtf8 ? gbkToUtf8(text) : std::string(text);
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (encoding.keepUnreserved && staysUnencoded(byte)) {
      encoded += c;
      continue;
    }
    encoded += '%';
    encoded += kHexDigits[byte >> 4];
    encoded += kHexDigits[byte & 0x0F];
  }
  return encoded;
}

}  // namespace zorvqi
