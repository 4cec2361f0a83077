#include "notify/push_request.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

#include "base/cancel_flag.h"
#include "base/event_pump.h"

namespace zorvqi {
namespace {

constexpr std::size_t kReplyCap = 64 * 1024;

void initialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
  std::string body;
  CancelFlag* cancelFlag = nullptr;
  bool cancelled = false;

  static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    t->body.append(data, std::min(size * count, kReplyCap - std::min(kReplyCap, t->body.size())));
    return size * count;
  }
  static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(self);
    t->cancelled = (t->cancelFlag && t->cancelFlag->isCancelled()) || programStopping();
    return t->cancelled ? 1 : 0;
  }
};

}  // namespace

PushReply postForm(const std::string& address, const std::string& form, std::chrono::milliseconds limit) {
  initialiseCurlOnce();
  PushReply reply;
  CURL* handle = curl_easy_init();
  if (!handle) {
    reply.failure = "libcurl could not start";
    return reply;
  }
  Transfer transfer;
  transfer.cancelFlag = threadCancelFlag();
  char error[CURL_ERROR_SIZE] = {};
  curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
  curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limit.count()));
  curl_easy_setopt(handle, CURLOPT_USERAGENT, "zorvqi");
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(form.size()));
  curl_easy_setopt(handle, CURLOPT_POSTFIELDS, form.c_str());
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);

  const CURLcode result = curl_easy_perform(handle);
  if (result == CURLE_OK) {
    reply.answered = true;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply.status);
    reply.body = std::move(transfer.body);
  } else if (transfer.cancelled) {
    reply.failure = "已取消";
  } else {
    reply.failure = error[0] ? error : curl_easy_strerror(result);
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(handle);
  return reply;
}

}  // namespace zorvqi
