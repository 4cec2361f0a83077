#include "fetch/user_cookie.h"

#include <algorithm>

#include "text/gbk_string.h"

namespace zorvqi {
namespace {

bool holdsControl(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

bool needsSecure(std::string_view name) {
  const std::string lowered = asciiLowered(name);
  return lowered.starts_with("__secure-") || lowered.starts_with("__host-");
}

}  // namespace

std::vector<std::string> cookieEngineLines(std::string_view cookie, std::string_view host) {
  std::vector<std::string> lines;
  if (host.empty() || holdsControl(host)) return lines;
  std::size_t start = 0;
  while (start <= cookie.size()) {
    const std::size_t end = std::min(cookie.find(';', start), cookie.size());
    const std::string_view pair = trimBlanks(cookie.substr(start, end - start));
    start = end + 1;
    const std::size_t equals = pair.find('=');
    const std::string_view name = trimBlanks(pair.substr(0, equals));
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : trimBlanks(pair.substr(equals + 1));
    if (name.empty() || holdsControl(pair)) continue;
    // domain, subdomains too, path, secure only, expiry (0: the session), name, value
    lines.push_back(std::string(host) + "\tFALSE\t/\t" + (needsSecure(name) ? "TRUE" : "FALSE") + "\t0\t" +
                    std::string(name) + "\t" + std::string(value));
  }
  return lines;
}

}  // namespace zorvqi
