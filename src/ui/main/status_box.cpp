#include "ui/main/status_box.h"

#include <QScrollBar>
#include <QTextCursor>

#include "monitor/monitor_view.h"
#include "text/now_text.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

// The box holds "\n" line breaks; the system's texts carry "\r\n" (a lone "\r" is dropped).
QString boxText(const std::string& text) {
  QString converted = toQString(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  converted.remove(QLatin1Char('\r'));
  return converted;
}

void showLastLine(QPlainTextEdit& box) {
  QTextCursor cursor = box.textCursor();
  cursor.movePosition(QTextCursor::End);
  box.setTextCursor(cursor);
  box.ensureCursorVisible();
  box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
  // The line is read from its start, not from the cursor at its end.
  box.horizontalScrollBar()->setValue(0);
}

}  // namespace

void setStatusText(QPlainTextEdit& box, const std::string& text) {
  box.setPlainText(boxText(text));
  showLastLine(box);
}

void appendRawStatusText(QPlainTextEdit& box, const std::string& text) {
  QTextCursor cursor(box.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(boxText(text));
  showLastLine(box);
}

void appendStatusLine(QPlainTextEdit& box, const std::string& text) {
  appendRawStatusText(box, MonitorView::statusLineText(text));
}

void replaceStatusLine(QPlainTextEdit& box, const std::string& text) {
  setStatusText(box, text + " - " + nowText(TimeForm::Long));
}

std::string statusBoxText(const QPlainTextEdit& box) {
  QString text = box.toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return fromQString(text);
}

}  // namespace zorvqi::ui
