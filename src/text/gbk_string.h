// Search and replace on GBK byte strings.
//
// Contract: a GBK text is a byte string in which a byte from 0x81 to 0xFE starts a two-byte
// character (the next byte is its second byte); every other byte is a character of its own.
// The functions here only ever start a match at the first byte of a character, so a needle
// never matches across two characters. Positions are 0-based byte offsets; `from` must be at a
// character start. With `Case::Ignore` only the ASCII letters A-Z/a-z are folded.
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

enum class Case { Exact, Ignore };

inline bool isGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// The length in bytes of the character that starts at `pos` (1 or 2; 1 at the last byte).
inline std::size_t gbkCharLength(std::string_view text, std::size_t pos) {
  return isGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

inline char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string asciiLowered(std::string_view text);

// `text` without its leading and trailing spaces and tabs (neither is ever a GBK second byte).
std::string_view trimBlanks(std::string_view text);

// The position of the first occurrence of `needle` at or after `from`, or npos. An empty
// needle is never found.
std::size_t gbkFind(std::string_view text, std::string_view needle, std::size_t from = 0,
                    Case mode = Case::Exact);

bool gbkContains(std::string_view text, std::string_view needle, Case mode = Case::Exact);

// Replaces every occurrence, left to right and without overlap; the search goes on after
// each replacement. An empty `from` leaves the text unchanged.
std::string gbkReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                          Case mode = Case::Exact);

}  // namespace zorvqi
