#include "text/jscript_string.h"

namespace zorvqi {
namespace {

int hexDigitValue(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  return -1;
}

bool isOctalDigit(char16_t unit) {
  return unit >= u'0' && unit <= u'7';
}
bool isLineBreak(char16_t unit) {
  return unit == u'\n' || unit == u'\r';
}

// The value of `count` hexadecimal digits at `pos`, or -1 when they are not all there.
long hexValueAt(std::u16string_view text, std::size_t pos, std::size_t count) {
  if (pos > text.size() || text.size() - pos < count) return -1;
  long value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int digit = hexDigitValue(text[pos + i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

// Reads a legacy octal escape whose first digit is at `pos`, advancing `pos` past it.
char16_t readOctalEscape(std::u16string_view text, std::size_t& pos) {
  const std::size_t maxDigits = text[pos] <= u'3' ? 3 : 2;
  char16_t value = 0;
  for (std::size_t taken = 0; taken < maxDigits && pos < text.size() && isOctalDigit(text[pos]); ++taken) {
    value = static_cast<char16_t>(value * 8 + (text[pos] - u'0'));
    ++pos;
  }
  return value;
}

char16_t singleCharacterEscape(char16_t unit) {
  switch (unit) {
    case u'b':
      return u'\b';
    case u't':
      return u'\t';
    case u'n':
      return u'\n';
    case u'f':
      return u'\f';
    case u'r':
      return u'\r';
    default:
      return unit;  // \v is the letter v in JScript; \' \" \\ and the rest are themselves
  }
}

// Appends what the escape after a backslash at `pos - 1` stands for and advances `pos` past
// it; false when the escape is malformed.
bool appendEscape(std::u16string_view body, std::size_t& pos, std::u16string& out) {
  const char16_t unit = body[pos];
  if (unit == u'x' || unit == u'u') {
    const std::size_t digits = unit == u'x' ? 2 : 4;
    const long value = hexValueAt(body, pos + 1, digits);
    if (value < 0) return false;
    out.push_back(static_cast<char16_t>(value));
    pos += 1 + digits;
  } else if (isOctalDigit(unit)) {
    out.push_back(readOctalEscape(body, pos));
  } else if (isLineBreak(unit)) {
    pos += (unit == u'\r' && pos + 1 < body.size() && body[pos + 1] == u'\n') ? 2 : 1;
  } else {
    out.push_back(singleCharacterEscape(unit));
    ++pos;
  }
  return true;
}

}  // namespace

std::optional<std::u16string> evaluateStringLiteralBody(std::u16string_view body) {
  std::u16string out;
  out.reserve(body.size());
  std::size_t pos = 0;
  while (pos < body.size()) {
    const char16_t unit = body[pos++];
    if (isLineBreak(unit)) return std::nullopt;
    if (unit != u'\\') {
      out.push_back(unit);
      continue;
    }
    if (pos == body.size()) return std::nullopt;
    if (!appendEscape(body, pos, out)) return std::nullopt;
  }
  return out;
}

std::u16string jsUnescape(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == u'%') {
      if (pos + 1 < text.size() && text[pos + 1] == u'u') {
        const long unit = hexValueAt(text, pos + 2, 4);
        if (unit >= 0) {
          out.push_back(static_cast<char16_t>(unit));
          pos += 6;
          continue;
        }
      }
      const long unit = hexValueAt(text, pos + 1, 2);
      if (unit >= 0) {
        out.push_back(static_cast<char16_t>(unit));
        pos += 3;
        continue;
      }
    }
    out.push_back(text[pos++]);
  }
  return out;
}

}  // namespace zorvqi
