#include "fetch/curl_transfer.h"

#include <algorithm>
#include <mutex>

#include "base/cancel_flag.h"
#include "base/event_pump.h"
#include "fetch/user_cookie.h"

namespace zorvqi {
namespace {

constexpr long kMaxRedirects = 10;

void initialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void applySharedOptions(CURL* handle, const FetchLimits& limits) {
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(handle, CURLOPT_HTTP_CONTENT_DECODING, 0L);
  // An in-memory cookie engine: what one leg sets goes with the next, nothing is read or kept.
  curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
}

}  // namespace

CurlTransfer::CurlTransfer() {
  initialiseCurlOnce();
  handle_ = curl_easy_init();
}

CurlTransfer::~CurlTransfer() {
  if (handle_) curl_easy_cleanup(handle_);
  curl_slist_free_all(headers_);
}

void CurlTransfer::addHeaderLine(const std::string& line) {
  if (curl_slist* grown = curl_slist_append(headers_, line.c_str())) headers_ = grown;
}

void CurlTransfer::setUserCookie(std::string_view host, std::string_view cookie) {
  userCookieLines_ = cookieEngineLines(cookie, host);
}

TransferOutcome CurlTransfer::perform(const FetchLimits& limits) {
  if (!handle_) return {};
  limits_ = limits;
  cancelFlag_ = threadCancelFlag();
  lastActivity_ = std::chrono::steady_clock::now();
  applySharedOptions(handle_, limits);
  for (const std::string& line : userCookieLines_)
    curl_easy_setopt(handle_, CURLOPT_COOKIELIST, line.c_str());
  curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers_);
  curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &CurlTransfer::onBody);
  curl_easy_setopt(handle_, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(handle_, CURLOPT_HEADERFUNCTION, &CurlTransfer::onHeader);
  curl_easy_setopt(handle_, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, &CurlTransfer::onProgress);
  curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L);

  const CURLcode result = curl_easy_perform(handle_);
  TransferOutcome outcome;
  if (result == CURLE_OK) {
    outcome.status = TransferStatus::Complete;
  } else if (capped_) {
    outcome.status = TransferStatus::BodyCapped;
  } else if (stopRequested_) {
    outcome.status = TransferStatus::Cancelled;
  } else {
    outcome.status = TransferStatus::Failed;
  }
  outcome.body = std::move(body_);
  return outcome;
}

std::size_t CurlTransfer::onBody(char* data, std::size_t size, std::size_t count, void* self) {
  auto* transfer = static_cast<CurlTransfer*>(self);
  const std::size_t length = size * count;
  transfer->receivedBytes_ += length;
  const std::size_t room = transfer->limits_.maxBodyBytes - transfer->body_.size();
  transfer->body_.append(data, std::min(length, room));
  if (length <= room) return length;
  transfer->capped_ = true;
  return 0;  // ends the transfer; what fitted under the cap is kept
}

std::size_t CurlTransfer::onHeader(char*, std::size_t size, std::size_t count, void* self) {
  auto* transfer = static_cast<CurlTransfer*>(self);
  transfer->receivedBytes_ += size * count;
  return size * count;
}

int CurlTransfer::onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
  return static_cast<CurlTransfer*>(self)->shouldStop(uploaded) ? 1 : 0;
}

bool CurlTransfer::shouldStop(curl_off_t uploaded) {
  if ((cancelFlag_ && cancelFlag_->isCancelled()) || programStopping()) {
    stopRequested_ = true;
    return true;
  }
  const auto now = std::chrono::steady_clock::now();
  const std::size_t activity = receivedBytes_ + static_cast<std::size_t>(uploaded);
  if (activity != lastActivityBytes_) {
    lastActivityBytes_ = activity;
    lastActivity_ = now;
    return false;
  }
  return now - lastActivity_ >= limits_.idleTimeout;
}

}  // namespace zorvqi
