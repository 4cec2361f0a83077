#include "extract/normalise_source.h"

#include <array>
#include <cstring>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

enum ByteClass : unsigned char { kPlain, kWhiteSpace, kAmpersand, kSingleQuote };

constexpr std::array<unsigned char, 256> makeByteClasses() {
  std::array<unsigned char, 256> classes{};
  for (unsigned char c : {' ', '\t', '\n', '\r', '\f', '\v'}) classes[c] = kWhiteSpace;
  classes[static_cast<unsigned char>('&')] = kAmpersand;
  classes[static_cast<unsigned char>('\'')] = kSingleQuote;
  return classes;
}

constexpr std::array<unsigned char, 256> kByteClasses = makeByteClasses();

ByteClass classOf(char c) {
  return static_cast<ByteClass>(kByteClasses[static_cast<unsigned char>(c)]);
}

bool startsWithIgnoringCase(const char* at, const char* end, std::string_view word) {
  if (static_cast<std::size_t>(end - at) < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (asciiLower(at[i]) != word[i]) return false;
  }
  return true;
}

bool startsWith(const char* at, const char* end, std::string_view word) {
  return static_cast<std::size_t>(end - at) >= word.size() && std::memcmp(at, word.data(), word.size()) == 0;
}

// A white-space run: two or more bytes, or a lone tab, collapse to one space; a lone CR or
// LF is removed by the later steps; a lone space, FF or VT stays.
const char* writeWhiteSpaceRun(const char* at, const char* end, char*& out) {
  const char* runEnd = at + 1;
  while (runEnd < end && classOf(*runEnd) == kWhiteSpace) ++runEnd;
  if (runEnd - at >= 2 || *at == '\t') {
    *out++ = ' ';
  } else if (*at != '\r' && *at != '\n') {
    *out++ = *at;
  }
  return runEnd;
}

// The entities of steps 2 to 5 hold no white space, quote or line break, and none of their
// replacements is part of any of them, so each is recognised once, in the source as it is.
const char* writeEntity(const char* at, const char* end, char*& out) {
  const char* name = at + 1;
  if (startsWithIgnoringCase(name, end, "lt;")) {
    *out++ = '<';
    return name + 3;
  }
  if (startsWithIgnoringCase(name, end, "gt;")) {
    *out++ = '>';
    return name + 3;
  }
  if (startsWith(name, end, "quot;")) {
    *out++ = '"';
    return name + 5;
  }
  if (startsWith(name, end, "#37;")) {
    *out++ = '%';
    return name + 4;
  }
  *out++ = '&';
  return name;
}

}  // namespace

std::string normaliseSource(std::string_view source) {
  std::string result(source.size(), '\0');
  char* out = result.data();
  const char* at = source.data();
  const char* const end = at + source.size();
  while (at < end) {
    const char* plain = at;
    while (at < end && classOf(*at) == kPlain) ++at;
    std::memcpy(out, plain, static_cast<std::size_t>(at - plain));
    out += at - plain;
    if (at == end) break;
    switch (classOf(*at)) {
      case kWhiteSpace:
        at = writeWhiteSpaceRun(at, end, out);
        break;
      case kAmpersand:
        at = writeEntity(at, end, out);
        break;
      case kSingleQuote:
        ++at;
        break;
      case kPlain:
        break;
    }
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}

bool sourceLacksStartMarker(std::string_view normalised, std::string_view startMarker,
                            std::string_view endMarker) {
  return !startMarker.empty() && endMarker.empty() && !gbkContains(normalised, startMarker);
}

}  // namespace zorvqi
