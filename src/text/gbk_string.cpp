#include "text/gbk_string.h"

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

}  // namespace

std::string asciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = asciiLower(c);
  return out;
}

std::size_t gbkFind(std::string_view text, std::string_view needle, std::size_t from, Case mode) {
  if (needle.empty() || from >= text.size()) return std::string_view::npos;
  const char first = mode == Case::Exact ? needle[0] : asciiLower(needle[0]);
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += gbkCharLength(text, pos)) {
    const char here = mode == Case::Exact ? text[pos] : asciiLower(text[pos]);
    if (here == first && matchesAt(text, pos, needle, mode)) return pos;
  }
  return std::string_view::npos;
}

bool gbkContains(std::string_view text, std::string_view needle, Case mode) {
  return gbkFind(text, needle, 0, mode) != std::string_view::npos;
}

std::string gbkReplaceAll(std::string_view text, std::string_view from, std::string_view to, Case mode) {
  std::string out;
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
