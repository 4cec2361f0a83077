#include "notify/smtp_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string_view>

#include "base/cancel_flag.h"
#include "base/event_pump.h"

namespace zorvqi {
namespace {

constexpr int kImplicitTlsPort = 465;

void initialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 32 : a) == b; });
}

int replyCode(std::string_view reply) {
  if (reply.size() < 3 ||
      !std::all_of(reply.begin(), reply.begin() + 3, [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  return (reply[0] - '0') * 100 + (reply[1] - '0') * 10 + (reply[2] - '0');
}

// One libcurl SMTP transfer, with the trace of the conversation it needs to judge it.
class SmtpTransfer {
 public:
  SmtpTransfer(const SmtpServer& server, const SmtpLogin& login, const SmtpLimits& limits)
      : server_(server), login_(login), limits_(limits) {
    initialiseCurlOnce();
    handle_ = curl_easy_init();
  }
  ~SmtpTransfer() {
    if (handle_) curl_easy_cleanup(handle_);
    curl_slist_free_all(recipients_);
  }
  SmtpTransfer(const SmtpTransfer&) = delete;
  SmtpTransfer& operator=(const SmtpTransfer&) = delete;

  // Connects and logs in; with a mail, sends it as well.
  SmtpResult run(const SmtpEnvelope* mail) {
    if (!handle_) return {SmtpOutcome::ConnectFailed, "libcurl could not start"};
    cancelFlag_ = threadCancelFlag();
    setConnectOptions();
    if (mail) {
      setMailOptions(*mail);
    } else {
      curl_easy_setopt(handle_, CURLOPT_CONNECT_ONLY, 1L);
    }
    const CURLcode result = curl_easy_perform(handle_);
    if (result == CURLE_OK && loggedIn_) return {SmtpOutcome::Done, ""};
    if (!mailFromSent_) return {SmtpOutcome::ConnectFailed, connectFailureCause(result)};
    return {SmtpOutcome::Refused, refusal_.empty() || cancelled_ ? reason(result) : refusal_};
  }

 private:
  void setConnectOptions() {
    const std::string url = smtpUrl(server_);
    curl_easy_setopt(handle_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_PROXY, "");
    curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
    curl_easy_setopt(handle_, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeout.count()));
    curl_easy_setopt(handle_, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    if (!server_.certificateFile.empty())
      curl_easy_setopt(handle_, CURLOPT_CAINFO, server_.certificateFile.c_str());
    curl_easy_setopt(handle_, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    curl_easy_setopt(handle_, CURLOPT_USERNAME, login_.name.c_str());
    curl_easy_setopt(handle_, CURLOPT_PASSWORD, login_.password.c_str());
    // The trace runs only with VERBOSE on; it goes to onTrace, never to standard error.
    curl_easy_setopt(handle_, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(handle_, CURLOPT_DEBUGFUNCTION, &SmtpTransfer::onTrace);
    curl_easy_setopt(handle_, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(handle_, CURLOPT_PREREQFUNCTION, &SmtpTransfer::onBeforeRequest);
    curl_easy_setopt(handle_, CURLOPT_PREREQDATA, this);
    curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, &SmtpTransfer::onProgress);
    curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L);
  }

  void setMailOptions(const SmtpEnvelope& mail) {
    message_ = mail.message;
    from_ = mail.from;
    curl_easy_setopt(handle_, CURLOPT_MAIL_FROM, from_.c_str());
    if (curl_slist* list = curl_slist_append(nullptr, mail.to.c_str())) recipients_ = list;
    curl_easy_setopt(handle_, CURLOPT_MAIL_RCPT, recipients_);
    curl_easy_setopt(handle_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle_, CURLOPT_READFUNCTION, &SmtpTransfer::onRead);
    curl_easy_setopt(handle_, CURLOPT_READDATA, this);
  }

  std::string reason(CURLcode result) const {
    if (cancelled_) return "已取消";
    return errorBuffer_[0] ? std::string(errorBuffer_) : std::string(curl_easy_strerror(result));
  }

  std::string connectFailureCause(CURLcode result) const {
    if (authSent_ && replyCode(lastReply_) >= 400) return lastReply_;
    if (stoppedWithoutLogin_) return "服务器没有提供登录（AUTH）";
    return reason(result);
  }

  // Server replies come in as HEADER_IN lines, commands go out as HEADER_OUT lines.
  static int onTrace(CURL*, curl_infotype type, char* data, std::size_t size, void* self) {
    auto* transfer = static_cast<SmtpTransfer*>(self);
    std::string_view text(data, size);
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
      if (type == CURLINFO_HEADER_IN) transfer->readServerLine(line);
      if (type == CURLINFO_HEADER_OUT) transfer->readCommand(line);
    }
    return 0;
  }

  void readServerLine(std::string_view line) {
    if (replyDone_) reply_.clear();
    if (!reply_.empty()) reply_ += ' ';
    reply_ += line;
    // "250-..." continues the reply, "250 ..." (or a bare code) ends it.
    replyDone_ = line.size() <= 3 || line[3] != '-';
    if (!replyDone_) return;
    lastReply_ = reply_;
    if (authSent_ && !mailFromSent_ && replyCode(line) == 235) loggedIn_ = true;
    if (mailFromSent_ && refusal_.empty() && replyCode(line) >= 400) refusal_ = reply_;
  }

  void readCommand(std::string_view line) {
    if (startsWith(line, "AUTH ")) authSent_ = true;
    if (startsWith(line, "MAIL FROM")) mailFromSent_ = true;
  }

  // Runs after EHLO, STARTTLS and AUTH, before MAIL FROM: libcurl goes on without a login
  // when the server offers none, so the transfer stops here unless the login happened.
  static int onBeforeRequest(void* self, char*, char*, int, int) {
    auto* transfer = static_cast<SmtpTransfer*>(self);
    if (transfer->loggedIn_) return CURL_PREREQFUNC_OK;
    transfer->stoppedWithoutLogin_ = true;
    return CURL_PREREQFUNC_ABORT;
  }

  static std::size_t onRead(char* buffer, std::size_t size, std::size_t count, void* self) {
    auto* transfer = static_cast<SmtpTransfer*>(self);
    const std::size_t length = std::min(size * count, transfer->message_.size() - transfer->sent_);
    std::memcpy(buffer, transfer->message_.data() + transfer->sent_, length);
    transfer->sent_ += length;
    return length;
  }

  static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* transfer = static_cast<SmtpTransfer*>(self);
    if ((transfer->cancelFlag_ && transfer->cancelFlag_->isCancelled()) || programStopping()) {
      transfer->cancelled_ = true;
      return 1;
    }
    return 0;
  }

  const SmtpServer& server_;
  const SmtpLogin& login_;
  SmtpLimits limits_;
  CURL* handle_ = nullptr;
  curl_slist* recipients_ = nullptr;
  CancelFlag* cancelFlag_ = nullptr;
  char errorBuffer_[CURL_ERROR_SIZE] = {};
  std::string from_;
  std::string message_;
  std::size_t sent_ = 0;

  std::string reply_;
  std::string lastReply_;
  std::string refusal_;  // the first reply refusing the mail, once MAIL FROM is out
  bool replyDone_ = true;
  bool authSent_ = false;
  bool loggedIn_ = false;
  bool mailFromSent_ = false;
  bool stoppedWithoutLogin_ = false;
  bool cancelled_ = false;
};

}  // namespace

std::string smtpUrl(const SmtpServer& server) {
  const bool bare6 =
      !server.host.empty() && server.host.find(':') != std::string::npos && server.host.front() != '[';
  const std::string host = bare6 ? "[" + server.host + "]" : server.host;
  const char* scheme = server.port == kImplicitTlsPort ? "smtps://" : "smtp://";
  return scheme + host + ":" + std::to_string(server.port);
}

SmtpResult checkSmtpLogin(const SmtpServer& server, const SmtpLogin& login, const SmtpLimits& limits) {
  return SmtpTransfer(server, login, limits).run(nullptr);
}

SmtpResult sendSmtpMail(const SmtpServer& server, const SmtpLogin& login, const SmtpEnvelope& mail,
                        const SmtpLimits& limits) {
  return SmtpTransfer(server, login, limits).run(&mail);
}

}  // namespace zorvqi
