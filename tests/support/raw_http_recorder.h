// A loopback HTTP server that records every request exactly as its bytes arrived, header
// order, spelling and GET bodies included (cpp-httplib sorts headers and drops GET bodies).
//
// Contract: listens on 127.0.0.1 on a free port from construction to destruction and serves
// one connection at a time. A request is its head up to the blank line plus as many body
// bytes as its Content-Length says. In `Answer` mode each request gets its canned response
// and the connection is closed; in `Silent` mode the connection is held open without a word
// until the recorder goes; in `Trickle` mode the response goes out a byte every 50 ms. Thread safety: all
// members may be called from the test's thread while the server thread runs.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zorvqi::testing {

// A complete "200 OK" response with Content-Length and "Connection: close"; each extra
// header line ends with "\r\n".
std::string okResponse(std::string_view body, std::string_view extraHeaderLines = "");
// A "302 Found" to `location`, empty, with "Connection: close" and the extra header lines.
std::string redirectResponse(std::string_view location, std::string_view extraHeaderLines = "");

class RawHttpRecorder {
 public:
  enum class Mode { Answer, Silent, Trickle };

  explicit RawHttpRecorder(std::string response = okResponse("ok"), Mode mode = Mode::Answer);
  // The n-th request gets the n-th response; the last one answers every later request.
  explicit RawHttpRecorder(std::vector<std::string> responses);
  ~RawHttpRecorder();
  RawHttpRecorder(const RawHttpRecorder&) = delete;
  RawHttpRecorder& operator=(const RawHttpRecorder&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by `path`.
  std::string url(std::string_view path = "/") const;
  std::vector<std::string> requests() const;

 private:
  void start();
  void serve();
  void handle(int connection);
  bool waitReadable(int fd) const;

  std::vector<std::string> responses_;
  Mode mode_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port of 127.0.0.1 that nothing listens on: a recorder's, once it has gone.
int closedLoopbackPort();

// The parts of a recorded request.
std::string requestLine(std::string_view raw);
std::vector<std::string> headerLines(std::string_view raw);  // without the request line
std::string requestBody(std::string_view raw);

}  // namespace zorvqi::testing
