// A loopback web server (cpp-httplib) serving canned pages over HTTP, or over HTTPS with a
// self-signed certificate made when the server starts, and recording what it was sent.
//
// Contract: listens on 127.0.0.1 on a free port from construction to destruction. Paths
// not set up answer 404 with the body "missing". A GET or POST of a served path gets its
// body with the given Content-Type and, when set, Content-Encoding; a redirected path
// answers 302 with its Location; a logged-in path answers its logged-in body only to a
// request whose Cookie header holds the given "name=value" pair, and its login form to the
// rest. Header names in a recorded request are as cpp-httplib
// keeps them (it does not keep their order). Thread safety: all members may be called from
// the test's thread while the server runs.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zorvqi::testing {

struct ServedRequest {
  std::string method;
  std::string path;
  std::multimap<std::string, std::string> headers;
  std::string body;

  // The value of the first header of that name (ASCII case ignored), or "".
  std::string header(const std::string& name) const;
  bool hasHeader(const std::string& name) const;
};

class PageServer {
 public:
  enum class Scheme { Http, HttpsSelfSigned };

  explicit PageServer(Scheme scheme = Scheme::Http);
  ~PageServer();
  PageServer(const PageServer&) = delete;
  PageServer& operator=(const PageServer&) = delete;

  void serve(const std::string& path, std::string body, std::string contentType = "text/html",
             std::string contentEncoding = "");
  void redirect(const std::string& path, const std::string& location);
  void serveLoggedIn(const std::string& path, const std::string& cookie, std::string loggedInBody,
                     std::string loginForm);

  int port() const;
  // "http://127.0.0.1:PORT" (or "https://...") followed by `path`.
  std::string url(const std::string& path) const;
  std::vector<ServedRequest> requests() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvqi::testing
