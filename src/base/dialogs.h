// Message boxes and the input dialog, as a port.
//
// Contract: every message box and input dialog of the system goes through a `Dialogs`; the
// desktop shows real ones, the headless program prints them, tests answer them with
// `RecordingDialogs`. All texts are GBK. A caller never holds the store lock while it calls.
// Thread safety: implementations decide; the desktop's must be called on the UI thread.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zorvqi {

enum class DialogIcon { None, Information, Warning, Error, Question };
enum class DialogButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class DialogAnswer { Ok, Yes, No, Cancel };

// The title a message box carries when it has none of its own: "信息：".
extern const char* const kDefaultDialogTitle;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual DialogAnswer message(const std::string& text, const std::string& title, DialogIcon icon,
                               DialogButtons buttons) = 0;
  // The text entered, or nothing when the user cancelled.
  virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                           const std::string& initial) = 0;

  void inform(const std::string& text) {
    message(text, kDefaultDialogTitle, DialogIcon::None, DialogButtons::Ok);
  }
};

// Records every dialog and answers from queues given in advance (Ok, or a cancelled input,
// when a queue is empty). Safe to use from several threads.
class RecordingDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    std::string title;
    DialogIcon icon = DialogIcon::None;
    DialogButtons buttons = DialogButtons::Ok;
  };

  DialogAnswer message(const std::string& text, const std::string& title, DialogIcon icon,
                       DialogButtons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;

  void queueAnswer(DialogAnswer answer);
  void queueInput(std::optional<std::string> text);
  std::vector<Shown> shown() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Shown> shown_;
  std::deque<DialogAnswer> answers_;
  std::deque<std::optional<std::string>> inputs_;
};

}  // namespace zorvqi
