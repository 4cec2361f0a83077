// One web push: a form POST over libcurl, never retried.
//
// Contract: `postForm` sends `form` (already "name=value&..." percent-encoded) as
// application/x-www-form-urlencoded to an http or https address, in one transfer of at most
// `limit` (15 s unless given), without following redirects, without a proxy, with the
// server's certificate checked against the machine's CA store. It keeps the status and up to
// 64 KiB of the reply body; `failure` is libcurl's reason when no reply came. The transfer
// ends within about a second when the calling thread's cancel flag is set or the program stops.
// Thread safety: each call uses its own handle; calls on different threads are independent.
#pragma once

#include <chrono>
#include <string>

namespace zorvqi {

struct PushReply {
  bool answered = false;  // an HTTP reply came back
  long status = 0;
  std::string body;
  std::string failure;
};

PushReply postForm(const std::string& address, const std::string& form,
                   std::chrono::milliseconds limit = std::chrono::milliseconds(15000));

}  // namespace zorvqi
