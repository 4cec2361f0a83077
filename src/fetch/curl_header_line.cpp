#include "fetch/curl_header_line.h"

namespace zorvqi {
namespace {

bool holdsLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> curlHeaderLine(std::string_view name, std::string_view value) {
  if (name.empty() || holdsLineBreak(name) || holdsLineBreak(value)) return std::nullopt;
  std::string line(name);
  if (value.empty()) {
    line += ';';
  } else {
    line += ": ";
    line += value;
  }
  return line;
}

}  // namespace zorvqi
