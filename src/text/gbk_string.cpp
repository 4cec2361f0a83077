#include "text/gbk_string.h"

#include <cstdint>
#include <cstring>

namespace zorvqi {
namespace {

bool matchesAt(std::string_view text, std::size_t pos, std::string_view needle, Case mode) {
  if (text.size() - pos < needle.size()) return false;
  if (mode == Case::Exact) return std::memcmp(text.data() + pos, needle.data(), needle.size()) == 0;
  for (std::size_t i = 0; i < needle.size(); ++i) {
    if (asciiLower(text[pos + i]) != asciiLower(needle[i])) return false;
  }
  return true;
}

bool asciiOnly(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & 0x8080808080808080ULL) == 0;
}

// The first character start at or after `target`, stepping from the character start `from`;
// a run of bytes below 0x80 is a run of one-byte characters, skipped eight at a time.
std::size_t stepTo(std::string_view text, std::size_t from, std::size_t target) {
  std::size_t pos = from;
  while (pos < target) {
    if (target - pos >= 8 && asciiOnly(text.data() + pos)) {
      pos += 8;
    } else {
      pos += gbkCharLength(text, pos);
    }
  }
  return pos;
}

// The bytes are found by the library's search; a hit counts when a character starts there.
std::size_t findExact(std::string_view text, std::string_view needle, std::size_t from) {
  std::size_t boundary = from;
  for (std::size_t hit = text.find(needle, from); hit != std::string_view::npos;
       hit = text.find(needle, hit + 1)) {
    boundary = stepTo(text, boundary, hit);
    if (boundary == hit) return hit;
  }
  return std::string_view::npos;
}

}  // namespace

std::string asciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = asciiLower(c);
  return out;
}

std::string_view trimBlanks(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::size_t gbkFind(std::string_view text, std::string_view needle, std::size_t from, Case mode) {
  if (needle.empty() || from >= text.size()) return std::string_view::npos;
  if (mode == Case::Exact) return findExact(text, needle, from);
  const char first = asciiLower(needle[0]);
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += gbkCharLength(text, pos)) {
    if (asciiLower(text[pos]) == first && matchesAt(text, pos, needle, mode)) return pos;
  }
  return std::string_view::npos;
}

bool gbkContains(std::string_view text, std::string_view needle, Case mode) {
  return gbkFind(text, needle, 0, mode) != std::string_view::npos;
}

std::string gbkReplaceAll(std::string_view text, std::string_view from, std::string_view to, Case mode) {
  std::string out;
  out.reserve(text.size() + to.size());  // one hit needs no second allocation
  std::size_t done = 0;
  for (std::size_t hit = gbkFind(text, from, 0, mode); hit != std::string_view::npos;
       hit = gbkFind(text, from, done, mode)) {
    out.append(text.substr(done, hit - done));
    out.append(to);
    done = hit + from.size();
  }
  out.append(text.substr(done));
  return out;
}

}  // namespace zorvqi
