#include "notify/mail_account.h"

#include <algorithm>

#include "notify/mail_presets.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

std::optional<int> portNumber(const std::string& text) {
  if (text.empty() || text.size() > 5 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int port = std::stoi(text);
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

// Host and port of "host", "host:port", "[v6]", "[v6]:port" or a bare IPv6 address.
std::optional<std::pair<std::string, int>> hostAndPort(const std::string& address) {
  std::string host = address;
  std::optional<std::string> port;
  if (address.front() == '[') {
    const std::size_t close = address.find(']');
    if (close == std::string::npos) return std::nullopt;
    host = address.substr(1, close - 1);
    const std::string rest = address.substr(close + 1);
    if (!rest.empty() && rest.front() != ':') return std::nullopt;
    if (!rest.empty()) port = rest.substr(1);
  } else if (std::count(address.begin(), address.end(), ':') == 1) {
    const std::size_t colon = address.find(':');
    host = address.substr(0, colon);
    port = address.substr(colon + 1);
  }
  if (host.empty()) return std::nullopt;
  if (!port) return std::make_pair(host, kMailPort);
  const std::optional<int> number = portNumber(*port);
  if (!number) return std::nullopt;
  return std::make_pair(host, *number);
}

}  // namespace

std::optional<SmtpServer> mailServer(const std::string& serverAddress, const std::string& domain,
                                     const std::string& certificateFile) {
  const std::string address = std::string(trimBlanks(serverAddress));
  if (address.empty()) return SmtpServer{mailServerFor(domain), kMailPort, certificateFile};
  const auto parts = hostAndPort(address);
  if (!parts) return std::nullopt;
  return SmtpServer{parts->first, parts->second, certificateFile};
}

std::string senderAddress(const std::string& account, const std::string& domain) {
  if (gbkContains(account, "@")) return account;
  return account + "@" + domain;
}

}  // namespace zorvqi
