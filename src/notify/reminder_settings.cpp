#include "notify/reminder_settings.h"

#include <atomic>

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {
namespace {

// The host of the WeChat push service.
const char* const kPushServiceHost = "http://push.zorvqi.invalid";

std::atomic<std::shared_ptr<const ReminderSettings>>& publishedSlot() {
  static std::atomic<std::shared_ptr<const ReminderSettings>> slot{
      std::make_shared<const ReminderSettings>()};
  return slot;
}

}  // namespace

ChannelSwitches readChannelSwitches(const std::string& stored) {
  std::string value = stored;
  if (textToInt64(value) < 999999) value = gbkReplaceAll("8" + value, "81", "10");
  if (value.size() < 7) return {};
  const auto on = [&value](std::size_t position) { return value[position - 1] == '1'; };
  return ChannelSwitches{on(2), on(3), on(4), on(5), on(6), on(7)};
}

std::string pushAddressFor(const std::string& wechatKey) {
  return std::string(kPushServiceHost) + "/" + wechatKey + ".send";
}

std::shared_ptr<const ReminderSettings> currentReminderSettings() {
  return publishedSlot().load();
}

void publishReminderSettings(ReminderSettings settings) {
  publishedSlot().store(std::make_shared<const ReminderSettings>(std::move(settings)));
}

}  // namespace zorvqi
