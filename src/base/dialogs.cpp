#include "base/dialogs.h"

namespace zorvqi {

const char* const kDefaultDialogTitle = "信息：";

DialogAnswer RecordingDialogs::message(const std::string& text, const std::string& title, DialogIcon icon,
                                       DialogButtons buttons) {
  std::lock_guard lock(mutex_);
  shown_.push_back({text, title, icon, buttons});
  if (answers_.empty()) return DialogAnswer::Ok;
  DialogAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> RecordingDialogs::input(const std::string& prompt, const std::string& title,
                                                   const std::string& /*initial*/) {
  std::lock_guard lock(mutex_);
  shown_.push_back({prompt, title, DialogIcon::Question, DialogButtons::OkCancel});
  if (inputs_.empty()) return std::nullopt;
  auto text = inputs_.front();
  inputs_.pop_front();
  return text;
}

void RecordingDialogs::queueAnswer(DialogAnswer answer) {
  std::lock_guard lock(mutex_);
  answers_.push_back(answer);
}

void RecordingDialogs::queueInput(std::optional<std::string> text) {
  std::lock_guard lock(mutex_);
  inputs_.push_back(std::move(text));
}

std::vector<RecordingDialogs::Shown> RecordingDialogs::shown() const {
  std::lock_guard lock(mutex_);
  return shown_;
}

}  // namespace zorvqi
