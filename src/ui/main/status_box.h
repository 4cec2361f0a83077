// The status box operations on 状态框, the one line that carries the system's short messages.
//
// Contract: texts are GBK; a "\r\n" in them is a line break of the box. `setStatusText`
// replaces the box's text; `appendRawStatusText` adds a text at the end unchanged (no line
// break, no time stamp), so the next append continues right after it; `appendStatusLine`
// is the raw append of "\r\n" + text + " - " + long nowText; `replaceStatusLine` sets the box
// to text + " - " + long nowText. After every change the box shows its last line.
// `statusBoxText` reads the box back as GBK with "\r\n" line breaks.
// Thread safety: UI thread only.
#pragma once

#include <QPlainTextEdit>
#include <string>

namespace zorvqi::ui {

void setStatusText(QPlainTextEdit& box, const std::string& text);
void appendRawStatusText(QPlainTextEdit& box, const std::string& text);
void appendStatusLine(QPlainTextEdit& box, const std::string& text);
void replaceStatusLine(QPlainTextEdit& box, const std::string& text);
std::string statusBoxText(const QPlainTextEdit& box);

}  // namespace zorvqi::ui
