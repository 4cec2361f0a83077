#include "notify/base64.h"

#include <algorithm>

namespace zorvqi {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineBytes = 57;  // 57 bytes make 76 characters

}  // namespace

std::string base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    unsigned long group = 0;
    for (std::size_t k = 0; k < 3; ++k)
      group = (group << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
  }
  return out;
}

std::string base64Lines(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += kLineBytes)
    out += base64Encode(bytes.substr(i, kLineBytes)) + "\r\n";
  return out;
}

}  // namespace zorvqi
