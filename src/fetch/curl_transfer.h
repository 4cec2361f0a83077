// One libcurl transfer with the settings both HTTP stacks share.
//
// Contract: a `CurlTransfer` owns one easy handle and its header list. The stack sets its
// own options on `handle()` and adds header lines, then calls `perform` once. Shared
// settings: HTTP/1.1, redirects followed (at most 10, http and https only), no proxy (a
// direct connection, whatever the environment says), certificate errors ignored, no
// automatic content decoding, no signals, the limits of `FetchLimits`, and a cookie engine
// of its own in memory: cookies a response sets go with the later legs of the same
// transfer; nothing is read from or written to disk, nothing outlives the transfer. The
// user's cookie joins that engine as host-only cookies of the request's host
// (user_cookie.h), so it merges with the site's into one Cookie line. The transfer ends
// early when the calling thread's cancel flag is set or the program begins to stop, within
// about a second. The body is kept up to `maxBodyBytes`; a longer body ends the transfer
// with what was read up to the cap. Thread safety: one object per request and thread;
// objects on different threads are independent.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "fetch/fetch_limits.h"

namespace zorvqi {

class CancelFlag;

enum class TransferStatus { Complete, BodyCapped, Failed, Cancelled };

struct TransferOutcome {
  TransferStatus status = TransferStatus::Failed;
  std::string body;
};

class CurlTransfer {
 public:
  CurlTransfer();
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  // Null when libcurl could not make a handle; `perform` then fails.
  CURL* handle() const { return handle_; }
  // Adds one raw header line, given in libcurl's form ("Name: value", "Name;" to send an
  // empty value, "Name:" to suppress a header libcurl would add).
  void addHeaderLine(const std::string& line);
  // The user's cookie text, sent to `host` on every leg that stays there.
  void setUserCookie(std::string_view host, std::string_view cookie);

  TransferOutcome perform(const FetchLimits& limits);

 private:
  static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self);
  static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
  static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded);
  bool shouldStop(curl_off_t uploaded);

  CURL* handle_ = nullptr;
  curl_slist* headers_ = nullptr;
  std::vector<std::string> userCookieLines_;
  FetchLimits limits_;
  std::string body_;
  bool capped_ = false;
  bool stopRequested_ = false;
  CancelFlag* cancelFlag_ = nullptr;
  std::size_t receivedBytes_ = 0;
  std::size_t lastActivityBytes_ = 0;
  std::chrono::steady_clock::time_point lastActivity_;
};

}  // namespace zorvqi
