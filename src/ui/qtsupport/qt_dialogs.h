// The Dialogs port on real message boxes and input dialogs.
//
// Contract: every dialog is shown on the UI thread (a call from a worker waits there until
// the user answered); the parent window centres it. Thread safety: any thread.
#pragma once

#include <QPointer>
#include <QWidget>

#include "base/dialogs.h"

namespace zorvqi::ui {

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  DialogAnswer message(const std::string& text, const std::string& title, DialogIcon icon,
                       DialogButtons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace zorvqi::ui
