#include "text/charset.h"

#include <iconv.h>

#include <cstdint>
#include <vector>

namespace zorvqi {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Both directions of code page 936, filled from glibc's converter once.
struct Cp936Tables {
  std::vector<std::uint16_t> toGbk = std::vector<std::uint16_t>(0x10000, 0);  // 0 = unmapped
  std::vector<char16_t> fromGbk = std::vector<char16_t>(0x10000, 0);          // by lead << 8 | trail

  Cp936Tables() {
    iconv_t encoder = iconv_open("CP936", "UTF-32LE");
    iconv_t decoder = iconv_open("UTF-32LE", "CP936");
    for (char32_t c = 1; c < 0x10000; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      std::uint16_t code = 0;
      if (encodeOne(encoder, c, code)) toGbk[c] = code;
    }
    for (unsigned lead = 0x80; lead <= 0xFE; ++lead) {
      if (lead == 0x80) {
        fromGbk[0x80] = decodeOne(decoder, "\x80", 1);
        continue;
      }
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        fromGbk[lead << 8 | trail] = decodeOne(decoder, pair, 2);
      }
    }
    iconv_close(encoder);
    iconv_close(decoder);
  }

  static bool encodeOne(iconv_t cd, char32_t c, std::uint16_t& code) {
    unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                           static_cast<unsigned char>(c >> 16), 0};
    char out[8];
    char* inPtr = reinterpret_cast<char*>(in);
    char* outPtr = out;
    std::size_t inLeft = 4, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
    const std::size_t written = sizeof out - outLeft;
    if (written == 1)
      code = static_cast<unsigned char>(out[0]);
    else if (written == 2)
      code = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                        static_cast<unsigned char>(out[1]));
    else
      return false;
    return true;
  }

  static char16_t decodeOne(iconv_t cd, const char* bytes, std::size_t size) {
    char in[2] = {bytes[0], size > 1 ? bytes[1] : '\0'};
    unsigned char out[8];
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = size, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
    if (sizeof out - outLeft != 4 || inLeft != 0) return 0;
    const char32_t c = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
    return c < 0x10000 ? static_cast<char16_t>(c) : 0;
  }
};

const Cp936Tables& tables() {
  static const Cp936Tables instance;
  return instance;
}

// Reads one GBK character at `pos`, advancing it.
char32_t readGbk(std::string_view text, std::size_t& pos, const Cp936Tables& t) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  if (lead == 0x80 || lead == 0xFF || pos + 1 >= text.size()) {
    ++pos;
    return lead == 0x80 ? t.fromGbk[0x80] : kReplacement;
  }
  const auto trail = static_cast<unsigned char>(text[pos + 1]);
  if (trail < 0x40) {  // the trail is a character of its own
    ++pos;
    return kReplacement;
  }
  pos += 2;
  const char16_t c = t.fromGbk[lead << 8 | trail];
  return c ? c : kReplacement;
}

// Reads one UTF-8 code point at `pos`, advancing it; invalid input reads as U+FFFD.
char32_t readUtf8(std::string_view text, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(text[pos++]);
  if (b0 < 0x80) return b0;
  int need;
  char32_t c;
  unsigned char low = 0x80, high = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 1;
    c = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 2;
    c = b0 & 0x0F;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 3;
    c = b0 & 0x07;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < need; ++i) {
    if (pos >= text.size()) return kReplacement;
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < low || b > high) return kReplacement;
    low = 0x80;
    high = 0xBF;
    c = c << 6 | (b & 0x3F);
    ++pos;
  }
  return c;
}

char32_t readUtf16(std::u16string_view text, std::size_t& pos) {
  const char16_t u = text[pos++];
  if (u < 0xD800 || u > 0xDFFF) return u;
  if (u <= 0xDBFF && pos < text.size() && text[pos] >= 0xDC00 && text[pos] <= 0xDFFF) {
    return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[pos++] - 0xDC00);
  }
  return kReplacement;
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

}  // namespace

void appendGbk(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
    return;
  }
  const std::uint16_t code = c < 0x10000 ? tables().toGbk[c] : 0;
  if (code == 0) {
    out.push_back('?');
  } else if (code < 0x100) {
    out.push_back(static_cast<char>(code));
  } else {
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
  }
}

void appendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | c >> 6));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | c >> 12));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | c >> 18));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

namespace {

// ASCII reads and writes the same in GBK and UTF-8: a run of it is copied whole.
void copyAsciiRun(std::string& out, std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) ++pos;
  out.append(text.data() + start, pos - start);
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
  const Cp936Tables& t = tables();
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  for (std::size_t pos = 0; pos < gbk.size();) {
    copyAsciiRun(out, gbk, pos);
    if (pos < gbk.size()) appendUtf8(out, readGbk(gbk, pos, t));
  }
  return out;
}

std::string utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    copyAsciiRun(out, utf8, pos);
    if (pos < utf8.size()) appendGbk(out, readUtf8(utf8, pos));
  }
  return out;
}

std::u16string gbkToUtf16(std::string_view gbk) {
  const Cp936Tables& t = tables();
  std::u16string out;
  out.reserve(gbk.size());
  for (std::size_t pos = 0; pos < gbk.size();) appendUtf16(out, readGbk(gbk, pos, t));
  return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) appendUtf16(out, readUtf8(utf8, pos));
  return out;
}

std::string utf16ToGbk(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t pos = 0; pos < utf16.size();) appendGbk(out, readUtf16(utf16, pos));
  return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t pos = 0; pos < utf16.size();) appendUtf8(out, readUtf16(utf16, pos));
  return out;
}

}  // namespace zorvqi
