// The web pushes of a round: the POST of its new articles and the WeChat push.
//
// Contract: `sendRoundPushes`, with the reminder settings in force (read from the slot at
// each call), sends what the round collected, each as one POST (push_request.h), nothing
// queued or retried, and writes one status line for each:
// - POST, when the round's POST text is not empty: to "posturl", the form field `data`
//   holding the JSON array of the round's articles (push_json.h). Delivered when the reply
//   holds "zorvqi_ok": "已POST提醒"; else "POST提醒失败：" + the reason (no address set, no
//   reply, or a reply without the mark).
// - WeChat, when the round's WeChat text is not empty: to the push address (the "推送服务器"
//   host, path "/" + key + ".send"), form fields `title` = "发现 " + the stored count + " 篇新
//   文章" and `content` = the WeChat text, both UTF-8. Delivered on an HTTP 2xx: "已发微信提醒";
//   else "微信提醒失败：" + the reason. Without a push server nothing is sent and the line is
//   "微信提醒未发送：未设置推送服务器".
// Thread safety: `sendRoundPushes` may be called from any thread, from several at once; the
// slot must outlive the sender.
#pragma once

#include <chrono>

#include "base/status_lines.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"

namespace zorvqi {

class PushSender {
 public:
  explicit PushSender(const ReminderSettingsSlot& settings,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(15000))
      : settings_(settings), limit_(limit) {}

  void sendRoundPushes(StatusLines& status, const RoundCollection& round) const;

 private:
  void postArticles(StatusLines& status, const ReminderSettings& s, const RoundCollection& round) const;
  void pushToWechat(StatusLines& status, const ReminderSettings& s, const RoundCollection& round) const;

  const ReminderSettingsSlot& settings_;
  std::chrono::milliseconds limit_;
};

}  // namespace zorvqi
