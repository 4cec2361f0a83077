#include "support/raw_http_recorder.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi::testing {
namespace {

constexpr int kPollMs = 20;
constexpr int kTrickleMs = 50;
constexpr std::string_view kHeadEnd = "\r\n\r\n";

std::size_t contentLength(std::string_view head) {
  for (const std::string& line : headerLines(std::string(head) + "\r\n\r\n")) {
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos && asciiLowered(line.substr(0, colon)) == "content-length") {
      return static_cast<std::size_t>(textToInt64(line.substr(colon + 1)));
    }
  }
  return 0;
}

void sendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

}  // namespace

RawHttpRecorder::RawHttpRecorder(std::string response, Mode mode)
    : responses_{std::move(response)}, mode_(mode) {
  start();
}

RawHttpRecorder::RawHttpRecorder(std::vector<std::string> responses)
    : responses_(std::move(responses)), mode_(Mode::Answer) {
  if (responses_.empty()) responses_.push_back(okResponse("ok"));
  start();
}

void RawHttpRecorder::start() {
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("raw recorder: cannot listen on 127.0.0.1");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { serve(); });
}

RawHttpRecorder::~RawHttpRecorder() {
  stopping_ = true;
  thread_.join();
  ::close(listener_);
}

std::string RawHttpRecorder::url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> RawHttpRecorder::requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::string okResponse(std::string_view body, std::string_view extraHeaderLines) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
         std::string(extraHeaderLines) + "Connection: close\r\n\r\n" + std::string(body);
}

std::string redirectResponse(std::string_view location, std::string_view extraHeaderLines) {
  return "HTTP/1.1 302 Found\r\nLocation: " + std::string(location) + "\r\nContent-Length: 0\r\n" +
         std::string(extraHeaderLines) + "Connection: close\r\n\r\n";
}

bool RawHttpRecorder::waitReadable(int fd) const {
  pollfd entry{fd, POLLIN, 0};
  while (!stopping_) {
    if (::poll(&entry, 1, kPollMs) > 0) return true;
  }
  return false;
}

void RawHttpRecorder::serve() {
  while (waitReadable(listener_)) {
    const int connection = ::accept(listener_, nullptr, nullptr);
    if (connection < 0) continue;
    handle(connection);
    ::close(connection);
  }
}

void RawHttpRecorder::handle(int connection) {
  std::string received;
  std::size_t wanted = std::string::npos;
  while (wanted == std::string::npos || received.size() < wanted) {
    if (!waitReadable(connection)) return;
    char buffer[4096];
    const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    received.append(buffer, static_cast<std::size_t>(got));
    const std::size_t headEnd = received.find(kHeadEnd);
    if (wanted == std::string::npos && headEnd != std::string::npos) {
      wanted = headEnd + kHeadEnd.size() + contentLength(received.substr(0, headEnd));
    }
  }
  std::string response;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    response = responses_[std::min(requests_.size(), responses_.size() - 1)];
    requests_.push_back(received);
  }
  if (mode_ == Mode::Silent) {
    while (!stopping_) ::poll(nullptr, 0, kPollMs);
    return;
  }
  if (mode_ == Mode::Trickle) {
    for (std::size_t i = 0; i < response.size() && !stopping_; ++i) {
      sendAll(connection, std::string_view(response).substr(i, 1));
      ::poll(nullptr, 0, kTrickleMs);
    }
    return;
  }
  sendAll(connection, response);
}

std::string requestLine(std::string_view raw) {
  return std::string(raw.substr(0, raw.find("\r\n")));
}

std::vector<std::string> headerLines(std::string_view raw) {
  std::vector<std::string> lines;
  const std::size_t headEnd = raw.find(kHeadEnd);
  std::size_t start = raw.find("\r\n");
  if (start == std::string_view::npos || headEnd == std::string_view::npos) return lines;
  start += 2;
  while (start < headEnd + 2) {
    const std::size_t end = raw.find("\r\n", start);
    lines.emplace_back(raw.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string requestBody(std::string_view raw) {
  const std::size_t headEnd = raw.find(kHeadEnd);
  return headEnd == std::string_view::npos ? std::string()
                                           : std::string(raw.substr(headEnd + kHeadEnd.size()));
}

int closedLoopbackPort() {
  const RawHttpRecorder gone;
  return gone.port();
}

}  // namespace zorvqi::testing
