#include "ui/qtsupport/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "ui/qtsupport/qt_text.h"
#include "ui/qtsupport/ui_thread.h"

namespace zorvqi::ui {
namespace {

QMessageBox::Icon boxIcon(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Information:
      return QMessageBox::Information;
    case DialogIcon::Warning:
      return QMessageBox::Warning;
    case DialogIcon::Error:
      return QMessageBox::Critical;
    case DialogIcon::Question:
      return QMessageBox::Question;
    case DialogIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case DialogButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

DialogAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return DialogAnswer::Yes;
    case QMessageBox::No:
      return DialogAnswer::No;
    case QMessageBox::Cancel:
      return DialogAnswer::Cancel;
    default:
      return DialogAnswer::Ok;
  }
}

}  // namespace

DialogAnswer QtDialogs::message(const std::string& text, const std::string& title, DialogIcon icon,
                                DialogButtons buttons) {
  DialogAnswer answer = DialogAnswer::Cancel;
  runOnUiThread([&] {
    QMessageBox box(boxIcon(icon), toQString(title), toQString(text), boxButtons(buttons), parent_);
    answer = answerOf(box.exec());
  });
  return answer;
}

std::optional<std::string> QtDialogs::input(const std::string& prompt, const std::string& title,
                                            const std::string& initial) {
  std::optional<std::string> entered;
  runOnUiThread([&] {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, toQString(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(initial), &ok);
    if (ok) entered = fromQString(text);
  });
  return entered;
}

}  // namespace zorvqi::ui
