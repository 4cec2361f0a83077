#include "support/page_server.h"

#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "text/gbk_string.h"

namespace zorvqi::testing {
namespace {

struct Route {
  std::string body;
  std::string contentType;
  std::string contentEncoding;
  std::string location;
  std::string cookie;  // set: `body` only for a request carrying it, else `loginForm`
  std::string loginForm;
};

bool carriesCookie(const std::string& cookieHeader, const std::string& pair) {
  std::size_t start = 0;
  while (start <= cookieHeader.size()) {
    const std::size_t end = std::min(cookieHeader.find(';', start), cookieHeader.size());
    std::string item = cookieHeader.substr(start, end - start);
    item.erase(0, item.find_first_not_of(' '));
    if (item == pair) return true;
    start = end + 1;
  }
  return false;
}

struct Certificate {
  EVP_PKEY* key = nullptr;
  X509* cert = nullptr;
  ~Certificate() {
    X509_free(cert);
    EVP_PKEY_free(key);
  }
};

// A one-day certificate for 127.0.0.1, signed by its own key.
void makeSelfSigned(Certificate& made) {
  made.key = EVP_EC_gen("P-256");
  made.cert = X509_new();
  if (!made.key || !made.cert) throw std::runtime_error("page server: cannot make a key");
  X509_set_version(made.cert, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(made.cert), 1);
  X509_gmtime_adj(X509_getm_notBefore(made.cert), -60);
  X509_gmtime_adj(X509_getm_notAfter(made.cert), 24 * 3600);
  X509_set_pubkey(made.cert, made.key);
  X509_NAME* name = X509_get_subject_name(made.cert);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"),
                             -1, -1, 0);
  X509_set_issuer_name(made.cert, name);
  if (X509_sign(made.cert, made.key, EVP_sha256()) == 0) throw std::runtime_error("page server: cannot sign");
}

}  // namespace

struct PageServer::State {
  bool secure = false;
  Certificate certificate;
  std::unique_ptr<httplib::Server> server;
  int port = 0;
  std::thread thread;
  mutable std::mutex mutex;
  std::map<std::string, Route> routes;
  std::vector<ServedRequest> requests;

  void answer(const httplib::Request& request, httplib::Response& response) {
    ServedRequest served{request.method, request.path, {}, request.body};
    for (const auto& [name, value] : request.headers) served.headers.emplace(name, value);
    std::lock_guard<std::mutex> lock(mutex);
    requests.push_back(served);
    const auto found = routes.find(request.path);
    if (found == routes.end()) {
      response.status = 404;
      response.set_content("missing", "text/plain");
      return;
    }
    const Route& route = found->second;
    if (!route.location.empty()) {
      response.set_redirect(route.location);
      return;
    }
    if (!route.contentEncoding.empty()) response.set_header("Content-Encoding", route.contentEncoding);
    const bool loggedOut = !route.cookie.empty() && !carriesCookie(served.header("Cookie"), route.cookie);
    response.set_content(loggedOut ? route.loginForm : route.body, route.contentType.c_str());
  }
};

PageServer::PageServer(Scheme scheme) : state_(std::make_unique<State>()) {
  state_->secure = scheme == Scheme::HttpsSelfSigned;
  if (state_->secure) {
    makeSelfSigned(state_->certificate);
    state_->server = std::make_unique<httplib::SSLServer>(state_->certificate.cert, state_->certificate.key);
  } else {
    state_->server = std::make_unique<httplib::Server>();
  }
  State* state = state_.get();
  const auto handler = [state](const httplib::Request& request, httplib::Response& response) {
    state->answer(request, response);
  };
  state_->server->Get(".*", handler);
  state_->server->Post(".*", handler);
  state_->port = state_->server->bind_to_any_port("127.0.0.1");
  if (state_->port <= 0) throw std::runtime_error("page server: cannot listen on 127.0.0.1");
  state_->thread = std::thread([state] { state->server->listen_after_bind(); });
  // stop() only reaches a server that has begun to listen.
  while (!state_->server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

PageServer::~PageServer() {
  state_->server->stop();
  state_->thread.join();
}

void PageServer::serve(const std::string& path, std::string body, std::string contentType,
                       std::string contentEncoding) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] =
      Route{std::move(body), std::move(contentType), std::move(contentEncoding), "", "", ""};
}

void PageServer::redirect(const std::string& path, const std::string& location) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = Route{"", "", "", location, "", ""};
}

void PageServer::serveLoggedIn(const std::string& path, const std::string& cookie, std::string loggedInBody,
                               std::string loginForm) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->routes[path] = Route{std::move(loggedInBody), "text/html", "", "", cookie, std::move(loginForm)};
}

int PageServer::port() const {
  return state_->port;
}

std::string PageServer::url(const std::string& path) const {
  return std::string(state_->secure ? "https" : "http") + "://127.0.0.1:" + std::to_string(state_->port) +
         path;
}

std::vector<ServedRequest> PageServer::requests() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->requests;
}

std::string ServedRequest::header(const std::string& name) const {
  for (const auto& [key, value] : headers) {
    if (asciiLowered(key) == asciiLowered(name)) return value;
  }
  return "";
}

bool ServedRequest::hasHeader(const std::string& name) const {
  for (const auto& entry : headers) {
    if (asciiLowered(entry.first) == asciiLowered(name)) return true;
  }
  return false;
}

}  // namespace zorvqi::testing
