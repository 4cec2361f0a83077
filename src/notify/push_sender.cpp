#include "notify/push_sender.h"

#include "notify/push_json.h"
#include "notify/push_request.h"
#include "text/number.h"
#include "text/url_encode.h"

namespace zorvqi {
namespace {

const char* const kDeliveredMark = "zorvqi_ok";

std::string formValue(const std::string& utf8) {
  return urlEncode(utf8, {.keepUnreserved = true});
}

std::string gbkFormValue(const std::string& gbk) {
  return urlEncode(gbk, {.keepUnreserved = true, .throughUtf8 = true});
}

std::string httpStatusText(long status) {
  return "HTTP " + std::to_string(status);
}

}  // namespace

void PushSender::sendRoundPushes(StatusLines& status, const RoundCollection& round) const {
  const auto s = settings_.current();
  if (!round.postText.empty()) postArticles(status, *s, round);
  if (!round.wechatText.empty()) pushToWechat(status, *s, round);
}

void PushSender::postArticles(StatusLines& status, const ReminderSettings& s,
                              const RoundCollection& round) const {
  if (s.postAddress.empty()) {
    status.appendStatus("POST提醒失败：未设置接收数据的页面地址");
    return;
  }
  const PushReply reply =
      postForm(s.postAddress, "data=" + formValue(postDataJson(round.postArticles)), limit_);
  if (reply.answered && reply.body.find(kDeliveredMark) != std::string::npos) {
    status.appendStatus("已POST提醒");
  } else if (reply.answered) {
    status.appendStatus("POST提醒失败：回复中没有" + std::string(kDeliveredMark) + "（" +
                        httpStatusText(reply.status) + "）");
  } else {
    status.appendStatus("POST提醒失败：" + reply.failure);
  }
}

void PushSender::pushToWechat(StatusLines& status, const ReminderSettings& s,
                              const RoundCollection& round) const {
  if (s.pushServer.empty()) {
    status.appendStatus("微信提醒未发送：未设置推送服务器");
    return;
  }
  const std::string title = "发现 " + decimalText(round.storedCount) + " 篇新文章";
  const std::string form = "title=" + gbkFormValue(title) + "&content=" + gbkFormValue(round.wechatText);
  const PushReply reply = postForm(s.pushAddress, form, limit_);
  if (reply.answered && reply.status >= 200 && reply.status < 300) {
    status.appendStatus("已发微信提醒");
  } else {
    status.appendStatus("微信提醒失败：" + (reply.answered ? httpStatusText(reply.status) : reply.failure));
  }
}

}  // namespace zorvqi
