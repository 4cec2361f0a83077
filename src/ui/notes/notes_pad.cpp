#include "ui/notes/notes_pad.h"

#include <QSignalBlocker>

#include "ui/main/main_window.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

const QString kNoteKey = QStringLiteral("内容");
const QString kStoredLineBreak = QStringLiteral("<br>");

std::string gbk(const QString& text) {
  return fromQString(text);
}

}  // namespace

NotesPad::NotesPad(MainWindow& window, SettingsFile settings, const Clock& clock)
    : window_(window), settings_(std::move(settings)), clock_(clock) {
  connect(window_.便签, &QToolButton::clicked, this, &NotesPad::toggle);
  connect(window_.便签框, &QPlainTextEdit::textChanged, this, &NotesPad::saveNote);
}

void NotesPad::loadNote() {
  QString note = toQString(settings_.readWhole(kDataSection, gbk(kNoteKey)));
  note.replace(kStoredLineBreak, QStringLiteral("\n"));
  {
    // Loading is not an edit: it must not save (and rewrite) the note.
    const QSignalBlocker blocker(window_.便签框);
    window_.便签框->setPlainText(note);
  }
  window_.appendRawStatus(gbk(QStringLiteral("\r\n记事读取成功！")));
}

void NotesPad::saveNote() {
  QString note = window_.便签框->toPlainText();
  // The box holds "\n" breaks; a stray "\r" would make the value unwritable as one line.
  note.replace(QStringLiteral("\r\n"), kStoredLineBreak);
  note.replace(QLatin1Char('\r'), kStoredLineBreak);
  note.replace(QLatin1Char('\n'), kStoredLineBreak);
  settings_.write(kDataSection, gbk(kNoteKey), gbk(note));
  window_.setStatus(
      gbk(QStringLiteral("记事已于 ") + saveTimeText(clock_.now()) +
          QStringLiteral(" 自动保存成功！ Ctrl + Z 可撤销输入\r\n1、单击‘便签’按钮可关闭便签！  "
                         "2、后续会加入文本格式、网络记事、文本加密等功能")));
}

void NotesPad::toggle() {
  loadNote();
  if (!window_.便签框->isHidden()) {
    window_.便签框->hide();
    return;
  }
  window_.迷你首页->setChecked(false);
  window_.便签框->show();
}

QString NotesPad::saveTimeText(const LocalTime& t) {
  return QString::asprintf("%d/%d/%d  %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace zorvqi::ui
