#include "text/number.h"

#include <limits>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

// Full-width forms in GBK: digits 0xA3B0..0xA3B9, '+' 0xA3AB, '-' 0xA3AD, space 0xA1A1.
std::string withAsciiForms(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t len = gbkCharLength(text, pos);
    const auto lead = static_cast<unsigned char>(text[pos]);
    const auto trail = len == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9) {
      out.push_back(static_cast<char>('0' + (trail - 0xB0)));
    } else if (lead == 0xA3 && (trail == 0xAB || trail == 0xAD)) {
      out.push_back(trail == 0xAB ? '+' : '-');
    } else if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else {
      out.append(text.substr(pos, len));
    }
    pos += len;
  }
  return out;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::int64_t readNumber(std::string_view text, std::int64_t lowest, std::int64_t highest) {
  const std::string ascii = withAsciiForms(text);
  std::size_t pos = 0;
  while (pos < ascii.size() && isBlank(ascii[pos])) ++pos;
  bool negative = false;
  if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-')) negative = ascii[pos++] == '-';
  std::int64_t value = 0;
  for (; pos < ascii.size() && ascii[pos] >= '0' && ascii[pos] <= '9'; ++pos) {
    const int digit = ascii[pos] - '0';
    if (negative) {
      value = value < (lowest + digit) / 10 ? lowest : value * 10 - digit;
    } else {
      value = value > (highest - digit) / 10 ? highest : value * 10 + digit;
    }
  }
  return value;
}

}  // namespace

std::int32_t textToInt32(std::string_view text) {
  return static_cast<std::int32_t>(
      readNumber(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t textToInt64(std::string_view text) {
  return readNumber(text, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
}

std::string decimalText(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace zorvqi
