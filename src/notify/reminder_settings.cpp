#include "notify/reminder_settings.h"

#include "text/gbk_string.h"
#include "text/number.h"
#include "text/url_encode.h"

namespace zorvqi {
namespace {

// The push server as an address prefix: a bare host is reached over https, no trailing "/".
std::string pushServiceBase(std::string server) {
  while (!server.empty() && server.back() == '/') server.pop_back();
  if (server.empty() || server.find("://") != std::string::npos) return server;
  return "https://" + server;
}

}  // namespace

ChannelSwitches readChannelSwitches(const std::string& stored) {
  std::string value = stored;
  if (textToInt64(value) < 999999) value = gbkReplaceAll("8" + value, "81", "10");
  if (value.size() < 7) return {};
  const auto on = [&value](std::size_t position) { return value[position - 1] == '1'; };
  return ChannelSwitches{on(2), on(3), on(4), on(5), on(6), on(7)};
}

std::string pushAddressFor(const std::string& pushServer, const std::string& wechatKey) {
  return pushServiceBase(pushServer) + "/" + urlEncode(wechatKey, {.keepUnreserved = true}) + ".send";
}

ReminderSettingsSlot& programReminderSettings() {
  static ReminderSettingsSlot slot;
  return slot;
}

std::shared_ptr<const ReminderSettings> currentReminderSettings() {
  return programReminderSettings().current();
}

void publishReminderSettings(ReminderSettings settings) {
  programReminderSettings().publish(std::move(settings));
}

}  // namespace zorvqi
